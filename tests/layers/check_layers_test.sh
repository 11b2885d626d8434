#!/usr/bin/env bash
# The layering check on a copy of the sources: it passes as they are, and
# fails on each kind of include that runs back up: an engine folder including
# a higher one, a window including the main window, a window including
# another window's folder, and the common widgets including the dialogs.
# Usage: check_layers_test.sh SOURCE_DIR
set -uo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source/src" "$source/tools" "$work/"
fail() {
    echo "check-layers test: $*"
    exit 1
}

"$work/tools/check-layers.sh" >/dev/null || fail "the sources as they are do not pass"

expect_refused() { # FILE INCLUDE
    local file="$work/src/$1"
    cp "$file" "$file.kept"
    echo "#include \"$2\"" >>"$file"
    local said
    said=$("$work/tools/check-layers.sh") && fail "src/$1 including $2 passes"
    grep -qF "layering: src/$1 includes $2" <<<"$said" || fail "src/$1 including $2 is not named"
    mv "$file.kept" "$file"
}
expect_refused engine/model/boatmeet.cpp engine/draw/randomdraw.h
expect_refused engine/editors/listeditor.cpp engine/session/meetsession.h
expect_refused gui/editors/creweditorwindow.cpp gui/mainwindow/mainwindow.h
expect_refused gui/raceday/raceeditor.cpp gui/editors/storededit.h
expect_refused gui/common/sessionview.cpp gui/dialogs/windowmessages.h
expect_refused gui/dialogs/inputdialog.cpp gui/raceday/racecheck.h
echo "check-layers test: every back-include is refused"

#!/usr/bin/env bash
# Installs the build into a temporary prefix, as cmake --install does for a
# user, and checks that both programs, started through their links in bin,
# find the files they look for beside the program file, and that the desktop
# entry, icon and MIME type are in place.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR CMAKE
set -uo pipefail
build=$1
source=$2
cmake=${3:-cmake}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "install: $*"
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
app="$prefix/lib/boatmeet"
for file in lib/boatmeet/boatmeet lib/boatmeet/boatmeet-cli lib/boatmeet/VexaConfig.csv \
            lib/boatmeet/Boatmeet.html share/applications/boatmeet.desktop \
            share/icons/hicolor/scalable/apps/boatmeet.svg share/mime/packages/boatmeet.xml; do
    [ -f "$prefix/$file" ] || fail "$file is missing"
done
for program in boatmeet boatmeet-cli; do
    [ -L "$prefix/bin/$program" ] || fail "bin/$program is not a link"
    [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$app/$program")" ] ||
        fail "bin/$program does not lead to lib/boatmeet/$program"
done
cmp -s "$source/docs/manual.html" "$app/Boatmeet.html" || fail "the manual differs"

# Started through the link, boatmeet-cli finds its own folder and the import
# configuration in it.
export HOME="$prefix/home" XDG_CONFIG_HOME="$prefix/home/config"
cd "$prefix" || fail "no prefix"
bin/boatmeet-cli --help | grep -qxF "boatmeet-cli is installed in: $(readlink -f "$app")" ||
    fail "boatmeet-cli does not name lib/boatmeet as its folder"
bin/boatmeet-cli new spring.bmf --title Spring || fail "boatmeet-cli new failed"
bin/boatmeet-cli import spring.bmf --file "entries=$source/examples/vexa/entries.csv" \
    --file "members=$source/examples/vexa/members.csv" --defaults >/dev/null ||
    fail "the import did not find VexaConfig.csv beside the program"
[ "$(grep -c '^Crew:' spring.bmf)" -eq 20 ] || fail "the import made no crews"

# The desktop program answers without a display, with the same version.
gui=$(env -u DISPLAY -u WAYLAND_DISPLAY bin/boatmeet --version) || fail "boatmeet --version failed"
cli=$(bin/boatmeet-cli --version)
[ "${gui#boatmeet }" = "${cli#boatmeet-cli }" ] || fail "versions differ: $gui, $cli"
grep -q '^Exec=boatmeet %f$' share/applications/boatmeet.desktop || fail "the entry runs no boatmeet"
grep -q '^MimeType=application/x-boatmeet;$' share/applications/boatmeet.desktop ||
    fail "the entry does not open .bmf files"
grep -q 'type="application/x-boatmeet"' share/mime/packages/boatmeet.xml ||
    fail "the MIME type is not application/x-boatmeet"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate share/applications/boatmeet.desktop || fail "the desktop entry is invalid"
fi
echo "install: every file in place"

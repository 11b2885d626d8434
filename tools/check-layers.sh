#!/usr/bin/env bash
# Fails when an include runs back up the layers. Inside the engine the folders
# are ordered model < draw < schedule < reports < publish < import < editors <
# session, and a file includes only its own folder and those below it; the
# windows' folders are ranked the same way (see gui_rank). The engine includes nothing
# of the store, the printing, the windows or the command line (and no Qt header); the store
# includes nothing of the windows or the command line; the printing includes
# the engine and Qt Gui only (no widgets, no printer support), so the command
# line can use it; the command line includes nothing of the windows.
set -uo pipefail
cd "$(dirname "$0")/.."

layers=(model draw schedule reports publish import editors session)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo 99
}

status=0
complain() {
    echo "layering: $1 includes $2"
    status=1
}

for layer in "${layers[@]}"; do
    own=$(rank "$layer")
    while IFS=: read -r file included; do
        target=${included#engine/}
        target=${target%%/*}
        [ "$(rank "$target")" -le "$own" ] || complain "$file" "$included"
    done < <(grep -rHo '#include "engine/[a-z]*/[^"]*"' "src/engine/$layer" |
                 sed 's/#include "\(.*\)"/\1/')
done

# The windows: common < dialogs < the editor windows (import, editors, raceday,
# draweditor, side by side: none includes another) < mainwindow. A window
# knows the session and the dialogs, never the main window.
gui_rank() {
    case "$1" in
    common) echo 0 ;;
    dialogs) echo 1 ;;
    import | editors | raceday | draweditor) echo 2 ;;
    mainwindow) echo 3 ;;
    *) echo 99 ;;
    esac
}
for folder in common dialogs import editors raceday draweditor mainwindow; do
    own=$(gui_rank "$folder")
    while IFS=: read -r file included; do
        target=${included#gui/}
        target=${target%%/*}
        rank=$(gui_rank "$target")
        if [ "$rank" -gt "$own" ] || { [ "$rank" -eq "$own" ] && [ "$target" != "$folder" ]; }; then
            complain "$file" "$included"
        fi
    done < <(grep -rHo '#include "gui/[a-z]*/[^"]*"' "src/gui/$folder" |
                 sed 's/#include "\(.*\)"/\1/')
done

check_none() { # FOLDER PATTERN: no file of FOLDER includes a header matching PATTERN
    while IFS=: read -r file included; do
        complain "$file" "$included"
    done < <(grep -rHoE "#include [\"<]($2)[^\">]*[\">]" "$1" | sed 's/#include //')
}
check_none src/engine 'store/|print/|gui/|cli/|Q[A-Za-z]'
check_none src/store 'gui/|cli/'
check_none src/print 'store/|gui/|cli/|QtWidgets|QtPrintSupport|QPrint|QWidget|QApplication|QDialog|Q[A-Za-z]*Dialog'
check_none src/cli 'gui/|QtWidgets|QtPrintSupport|QPrint|QWidget|QApplication'
# The printing library and the command line link no widget or printer module.
while read -r file; do
    complain "$file" "Qt Widgets or Qt PrintSupport"
done < <(grep -lE 'Qt6::(Widgets|PrintSupport)' src/print/CMakeLists.txt src/cli/CMakeLists.txt)

[ "$status" -eq 0 ] && echo "layering: every include runs down the layers"
exit "$status"

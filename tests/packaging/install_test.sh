#!/bin/bash
# What a user gets from an install: the tree cmake --install lays into a temporary
# DESTDIR, its menu entry, metadata, manual pages and completion as the desktop and
# Debian tools check them, the installed programs at work (the editor under Xvfb, from
# a folder without its data files, opening a field named on its command line), and the
# Debian package with lintian's verdict.
# Usage: install_test.sh <build folder> <version> <work folder>
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../app/e2e/xvfb_harness.sh"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

require_tools() {
    local tool
    for tool in desktop-file-validate appstreamcli man lintian dpkg-shlibdeps cpack; do
        command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed; run scripts/setup.sh tests"; exit 1; }
    done
    xvfb_require_tools
}

check_tree() {
    local file
    for file in bin/knollwork bin/knollwork-cli \
        share/knollwork/Knollwork.hlp share/knollwork/Std.pal share/knollwork/Intro.tga \
        share/applications/knollwork.desktop share/icons/hicolor/scalable/apps/knollwork.svg share/icons/hicolor/48x48/apps/knollwork.png \
        share/metainfo/org.knollwork.Knollwork.metainfo.xml \
        share/man/man1/knollwork.1.gz share/man/man1/knollwork-cli.1.gz \
        share/bash-completion/completions/knollwork-cli share/doc/knollwork/copyright; do
        [[ -f $root/usr/$file ]] || fail "the install lacks usr/$file"
    done
    for program in knollwork knollwork-cli; do
        [[ "$("$root/usr/bin/$program" --version)" == "$program $version" ]] || fail "$program --version"
        "$root/usr/bin/$program" --help | grep -q "^Usage: $program " || fail "$program --help"
    done
}

check_desktop_files() {
    desktop-file-validate "$root/usr/share/applications/knollwork.desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$root/usr/share/metainfo/org.knollwork.Knollwork.metainfo.xml" >"$work/appstream.log" 2>&1 ||
        { cat "$work/appstream.log"; fail "appstreamcli validate"; }
    local page warnings
    for page in "$root"/usr/share/man/man1/*.1.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$(basename "$page") renders with warnings: $warnings"
    done
}

# The completion registers and offers steps, the words after a step and files.
check_completion() {
    local offered
    mkdir -p "$work/files/folder"
    touch "$work/files/"{field.tga,field.ppm,field.png,notes.txt}
    offered=$(cd "$work/files" && PATH=$root/usr/bin:$PATH bash -c '
        source "$1"
        complete -p knollwork-cli >/dev/null || exit 1
        offer() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _knollwork_cli; echo $(printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort); }
        offer knollwork-cli --ar
        offer knollwork-cli --area ""
        offer knollwork-cli --rough ""
        offer knollwork-cli --open ""' _ "$root/usr/share/bash-completion/completions/knollwork-cli")
    [[ $offered == $'--area\ninside outside whole\ndown: middle: up:\nfield.png field.ppm field.tga folder' ]] ||
        fail "the completion offers: $offered"
}

# The installed batch tool edits a real field and saves what the built one saves.
check_cli_edit() {
    local steps=(--open Intro.tga --select "50,50 300,80 200,350" --area inside --inc 60 --smooth 2)
    cp "$root/usr/share/knollwork/Intro.tga" "$work/edit/"
    (cd "$work/edit" && "$root/usr/bin/knollwork-cli" "${steps[@]}" --save installed.tga 2>/dev/null &&
        "$build/tools/cli/knollwork-cli" "${steps[@]}" --save built.tga 2>/dev/null) || fail "knollwork-cli edit"
    cmp -s "$work/edit/installed.tga" "$work/edit/built.tga" || fail "the installed knollwork-cli saved another field"
    cmp -s "$work/edit/installed.tga" "$work/edit/Intro.tga" && fail "the installed knollwork-cli changed nothing"
}

# Started in an empty folder with a field named on its command line, only the notice
# about the new settings file may show: a missing palette or field would add another,
# which would keep File > Exit from ending it. Help > Contents covers much of the frame.
inner() {
    local editor=$1 work=$2
    xvfb_start_editor "$editor" "$work/home" "$work/editor.log" ../maps/hill.tga
    xvfb_wait_window Knollwork || { echo "no frame" >"$work/failure"; return; }
    xvfb_frame_size 1100 800
    xvfb_keys Return
    sleep 1
    xvfb_screenshot "$work/field.png"
    xvfb_keys alt+f Left Return
    sleep 1
    xvfb_screenshot "$work/help.png"
    xvfb_exit_by_menu "$work"
}

check_editor() {
    mkdir -p "$work/home" "$work/maps"
    cp "$root/usr/share/knollwork/Intro.tga" "$work/maps/hill.tga"
    xvfb_run_inner "$0" "$root/usr/bin/knollwork" "$work"
    (xvfb_check_run "$work") || { fail "the installed editor"; return; }
    [[ "$(sed -n 2p "$work/home/Knollwork.ini")" == "$work/maps/hill.tga" ]] ||
        fail "the field named at the start is not remembered: $(sed -n 2p "$work/home/Knollwork.ini")"
    local changed
    changed=$(compare -metric AE "$work/field.png" "$work/help.png" null: 2>&1)
    ((changed > 100000)) || fail "Help > Contents showed no help window ($changed pixels changed)"
}

check_package() {
    local deb=$work/package/knollwork_${version}_$(dpkg --print-architecture).deb
    (cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; return; }
    [[ -f $deb ]] || { fail "no $(basename "$deb")"; return; }
    dpkg-deb -f "$deb" Depends | grep -q "libsdl2-2.0-0 (>=" || fail "Depends lacks the computed libraries"
    local size
    size=$(dpkg-deb -f "$deb" Installed-Size)
    ((size < 5120)) || fail "installed size ${size} KiB is 5 MiB or more"
    lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges" >"$work/lintian.log"
    ((PIPESTATUS[0] == 0)) || { cat "$work/lintian.log"; fail "lintian"; }
    echo "package $(basename "$deb"): installed size ${size} KiB"
}

if [[ "${1:-}" == --inner ]]; then
    inner "$2" "$3"
    exit 0
fi

build=$(realpath "$1") version=$2 work=$(realpath -m "$3")
root=$work/root

require_tools
rm -rf "$work"
mkdir -p "$work/edit"
DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" || { cat "$work/install.log"; exit 1; }
check_tree
check_desktop_files
check_completion
check_cli_edit
check_editor
check_package
((failures == 0)) || exit 1
echo "PASS: installed tree, desktop entry, metadata, manual pages, completion, programs and package ($work)"

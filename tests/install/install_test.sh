#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs:
# the programs, the templates, the launcher, the MIME type and the icon; the
# launcher is valid, the MIME type claims *.tvo, and the installed programs
# find the installed templates from any folder.
# Usage: install_test.sh BUILD_DIR EXPECT_EDITOR(0|1)
set -eu
build=$1
expect_editor=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.local/state"
mkdir -p "$HOME"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" > "$work/install.log" || {
    cat "$work/install.log" >&2
    fail "cmake --install failed"
}

programs="tarvo tarvo-kbdsim"
[ "$expect_editor" = 1 ] && programs="$programs tarvo-script"
for program in $programs; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for file in share/applications/tarvo-script.desktop share/mime/packages/tarvo-script.xml \
    share/icons/hicolor/scalable/apps/tarvo-script.svg; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done
ls "$prefix"/share/tarvo-script/templates/*.LT3 > /dev/null 2>&1 || fail "no template in share/tarvo-script/templates"

desktop="$prefix/share/applications/tarvo-script.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate refused the launcher"
grep -qx 'Exec=tarvo-script %f' "$desktop" || fail "the launcher does not open a file with tarvo-script"
grep -qx 'MimeType=application/x-tarvo-document;' "$desktop" || fail "the launcher does not claim .tvo documents"
grep -qx 'Icon=tarvo-script' "$desktop" || fail "the launcher does not name the installed icon"

# The install refreshed the desktop's caches: *.tvo is the document type, and
# the launcher opens it.
grep -qx 'application/x-tarvo-document=tarvo-script.desktop;' "$prefix/share/applications/mimeinfo.cache" ||
    fail "the launcher is not registered for application/x-tarvo-document"
grep -qx 'application/x-tarvo-document:\*\.tvo' "$prefix/share/mime/globs" || fail "*.tvo is not mapped to application/x-tarvo-document"
grep -q '<comment>TVO Document</comment>' "$prefix/share/mime/application/x-tarvo-document.xml" ||
    fail "the MIME type is not commented \"TVO Document\""

# From an empty folder the installed tools can only use the installed templates.
mkdir "$work/empty"
cd "$work/empty"
"$prefix/bin/tarvo" new -o "$work/New.tvo" || fail "the installed tarvo found no template"
"$prefix/bin/tarvo" info "$work/New.tvo" > "$work/info.txt" || fail "the new document does not read back"
"$prefix/bin/tarvo-kbdsim" --status --flash "$work/kbdsim.flash" > "$work/status.txt" ||
    fail "the installed simulator could not make its factory flash"
echo "installed into a temporary prefix: $programs, templates, launcher, MIME type and icon"

#!/bin/sh
# Builds the Debian package from the build tree (cpack on what is already
# built; nothing is compiled) or takes the one given, unpacks it and checks
# what a machine without the build tree gets: the file list, the control
# fields, the man pages, the completion and the AppStream metadata.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR [PACKAGE.deb]
# (or the package in the environment variable TARVO_TEST_PACKAGE)
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
package=${3:-${TARVO_TEST_PACKAGE:-}}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.local/state"
mkdir -p "$HOME"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
stop() {
    echo "FAIL: $*" >&2
    exit 1
}

version=$("$build/bin/tarvo" version | sed 's/^tarvo //')
arch=$(dpkg --print-architecture)
if [ -z "$package" ]; then
    cpack --config "$build/CPackConfig.cmake" -B "$work/cpack" > "$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log" >&2
        stop "cpack failed"
    }
    package="$work/cpack/tarvo-script_${version}_${arch}.deb"
fi
[ -s "$package" ] || stop "no package $package"

# Control fields.
field() {
    dpkg-deb --field "$package" "$1"
}
[ "$(field Package)" = tarvo-script ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version '$(field Version)' is not tarvo version's '$version'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Recommends)" = "fonts-noto-cjk, qt6-translations-l10n" ] || fail "Recommends is '$(field Recommends)'"
[ "$(field Suggests)" = ansible-core ] || fail "Suggests is '$(field Suggests)'"
for field_name in Maintainer Section Description; do
    [ -n "$(field $field_name)" ] || fail "no $field_name"
done
# dpkg-shlibdeps found the programs' libraries.
depends=$(field Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6serialport6 libqt6dbus6; do
    printf '%s\n' "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qxF "$library" ||
        fail "Depends does not name $library: $depends"
done

# Exactly these files: the programs, their data, the desktop integration and
# the documentation; no test program, benchmark or cache.
dpkg-deb --contents "$package" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort > "$work/files"
{
    printf '%s\n' /usr/bin/tarvo /usr/bin/tarvo-kbdsim /usr/bin/tarvo-script \
        /usr/share/applications/tarvo-script.desktop \
        /usr/share/bash-completion/completions/tarvo \
        /usr/share/doc/tarvo-script/changelog.gz /usr/share/doc/tarvo-script/copyright \
        /usr/share/doc/tarvo-script/user-guide.html \
        /usr/share/icons/hicolor/scalable/apps/tarvo-script.svg \
        /usr/share/lintian/overrides/tarvo-script \
        /usr/share/man/man1/tarvo.1.gz /usr/share/man/man1/tarvo-script.1.gz /usr/share/man/man1/tarvo-kbdsim.1.gz \
        /usr/share/metainfo/tarvo-script.metainfo.xml \
        /usr/share/mime/packages/tarvo-script.xml
    for language in de ko zh_CN; do
        echo "/usr/share/tarvo-script/translations/tarvo-script_$language.qm"
    done
    collection=/usr/share/ansible/collections/ansible_collections/tarvo/keyboards
    printf "$collection/%s\n" FILES.json LICENSE MANIFEST.json README.md meta/runtime.yml \
        plugins/module_utils/tarvo_tool.py plugins/modules/download.py plugins/modules/history.py \
        plugins/modules/query.py
    for template in "$source"/data/templates/*.LT3; do
        echo "/usr/share/tarvo-script/templates/${template##*/}"
    done
} | sort > "$work/expected"
diff -u "$work/expected" "$work/files" > "$work/files.diff" || {
    cat "$work/files.diff" >&2
    fail "the package's files differ from the expected list (- missing, + unexpected)"
}

# Ansible reads the collection's modules; nothing runs them by themselves.
dpkg-deb --contents "$package" | awk '$6 ~ /ansible_collections\/.*[^\/]$/ && $1 != "-rw-r--r--" { print $1, $6 }' \
    > "$work/collection-modes"
[ -s "$work/collection-modes" ] && fail "collection files not 0644: $(cat "$work/collection-modes")"

root="$work/root"
dpkg-deb --extract "$package" "$root"

# The user guide is a whole web page, reached from Help > User Guide.
guide="$root/usr/share/doc/tarvo-script/user-guide.html"
grep -q '<title>Tarvo Script Application: User Guide</title>' "$guide" || fail "the user guide has no title"
grep -qi 'bootloader mode' "$guide" || fail "the user guide does not explain bootloader mode"

# The release notes name this version.
changelog_version=$(zcat "$root/usr/share/doc/tarvo-script/changelog.gz" | sed -n '1s/^tarvo-script (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's last entry is $changelog_version, not $version"
metainfo="$root/usr/share/metainfo/tarvo-script.metainfo.xml"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$release" = "$version" ] || fail "the AppStream metadata's newest release is $release, not $version"

# The man pages render without a warning.
for page in tarvo tarvo-script tarvo-kbdsim; do
    MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" > "$work/$page.txt" 2> "$work/$page.err" ||
        fail "man -l $page.1.gz failed"
    [ -s "$work/$page.err" ] && fail "man -l $page.1.gz warns: $(cat "$work/$page.err")"
    grep -q '^NAME' "$work/$page.txt" || fail "$page.1 has no NAME section"
done

# The completion loads in bash and completes commands, options, values and
# documents, with the unpacked program.
mkdir "$work/documents"
touch "$work/documents/site.tvo" "$work/documents/notes.txt"
complete_line() {
    bash --norc --noprofile -c '
        . /usr/share/bash-completion/bash_completion
        . "$1"
        shift
        PATH="$1:$PATH"
        shift
        COMP_WORDS=("$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE="$*"
        COMP_POINT=${#COMP_LINE}
        _tarvo tarvo "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}"
    ' complete "$root/usr/share/bash-completion/completions/tarvo" "$root/usr/bin" "$@" | LC_ALL=C sort | tr '\n' ' '
}
expect_completion() {
    expected=$1
    shift
    got=$(complete_line "$@")
    [ "$got" = "$expected" ] || fail "completing '$*' gives '$got', not '$expected'"
}
cd "$work/documents"
expect_completion "diff download dump " tarvo d
expect_completion "--backup --baud " tarvo download site.tvo --ba
expect_completion "--menus " tarvo info site.tvo --m
expect_completion "19200 57600 auto " tarvo query --baud ""
expect_completion "COM1 COM10 COM11 COM12 COM13 COM14 COM15 COM16 " tarvo query --port COM1
expect_completion "rfc2217:// " tarvo import --port rfc
expect_completion "site.tvo " tarvo info ""
expect_completion "site.tvo " tarvo import --port 1 -o ""

appstreamcli validate --no-net "$metainfo" > "$work/appstream.log" 2>&1 || {
    cat "$work/appstream.log" >&2
    fail "appstreamcli validate refused the AppStream metadata"
}
grep -q '<launchable type="desktop-id">tarvo-script.desktop</launchable>' "$metainfo" ||
    fail "the AppStream metadata does not launch tarvo-script.desktop"
grep -q '<mediatype>application/x-tarvo-document</mediatype>' "$metainfo" ||
    fail "the AppStream metadata does not provide application/x-tarvo-document"
# Its screenshot is the README's picture.
screenshot=$(sed -n 's|.*<image>.*/\([^/<]*\)</image>.*|\1|p' "$metainfo")
grep -qF "](docs/$screenshot)" "$source/README.md" || fail "the screenshot $screenshot is not the README's picture"

# Installed under /usr, the tool finds its templates next to bin/.
mkdir "$work/empty"
(cd "$work/empty" && "$root/usr/bin/tarvo" new -o "$work/new.tvo" > /dev/null) ||
    fail "the packaged tarvo found no template"

[ "$failures" = 0 ] || exit 1
echo "package $(basename "$package"): files, control fields, man pages, completion and AppStream metadata"

#!/bin/sh
# Installs the build into a staging prefix and checks that a desktop would find
# everything: the program, its menu entry, its icons and its AppStream record,
# and that the files name each other correctly.
#   check_install.sh BUILD_DIR STAGING_DIR [CONFIG]
set -eu
build=$1
stage=$2
config=${3:-}

rm -rf "$stage"
if [ -n "$config" ]; then
    cmake --install "$build" --prefix "$stage" --config "$config" >/dev/null
else
    cmake --install "$build" --prefix "$stage" >/dev/null
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
need_file() {
    [ -f "$stage/$1" ] || fail "missing $1"
}

apps=share/applications
icons=share/icons/hicolor
metainfo=share/metainfo/hu.dorvanta.Halvora.metainfo.xml

need_file bin/halvora
need_file $apps/halvora.desktop
need_file $icons/32x32/apps/halvora.png
need_file $icons/scalable/apps/halvora.svg
need_file $metainfo
need_file share/doc/halvora/copyright

[ -x "$stage/bin/halvora" ] || fail "bin/halvora is not executable"

if [ -f "$stage/$icons/32x32/apps/halvora.png" ]; then
    kind=$(file -b "$stage/$icons/32x32/apps/halvora.png")
    case "$kind" in
    "PNG image data, 32 x 32,"*) ;;
    *) fail "the 32x32 icon is: $kind" ;;
    esac
fi

# The entry's Exec and Icon, and the metainfo's launchable and binary, must name
# what was installed: a rename on one side alone breaks the menu or the store.
desktop="$stage/$apps/halvora.desktop"
if [ -f "$desktop" ]; then
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    [ -n "$exec_name" ] && [ -x "$stage/bin/$exec_name" ] ||
        fail "Exec=$exec_name is not an installed program"
    [ -n "$icon_name" ] && [ -f "$stage/$icons/32x32/apps/$icon_name.png" ] &&
        [ -f "$stage/$icons/scalable/apps/$icon_name.svg" ] ||
        fail "Icon=$icon_name has no installed icon"
fi
if [ -f "$stage/$metainfo" ]; then
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$stage/$metainfo")
    binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$stage/$metainfo")
    [ -n "$launchable" ] && [ -f "$stage/$apps/$launchable" ] ||
        fail "launchable '$launchable' is not an installed desktop entry"
    [ -n "$binary" ] && [ -x "$stage/bin/$binary" ] ||
        fail "provided binary '$binary' is not installed"
fi

# AppStream's own view of the installed tree: metainfo, desktop entry and icons.
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate-tree --no-color --no-net --strict "$stage" >"$stage.appstream.log" 2>&1 ||
        { cat "$stage.appstream.log" >&2; fail "appstreamcli validate-tree"; }
fi

# The installed copy must start on its own, without the build tree: it has no
# command line and runs until quit, so still running after two seconds is a start.
if [ -x "$stage/bin/halvora" ]; then
    status=0
    QT_QPA_PLATFORM=offscreen timeout 2 "$stage/bin/halvora" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "the installed program ended with status $status at start"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "install into $stage: all files in place"

#!/bin/sh
# Installs the finished build into a staging prefix and builds its Debian
# package, then checks what a desktop and a fresh system need of them.
#   check_package.sh BUILD_DIR WORK_DIR VERSION [CONFIG]
set -eu
build=$1
work=$2
version=$3
stage=$work/stage
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$stage" ${4:+--config "$4"} >/dev/null
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" ${4:+-C "$4"} >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2 && exit 1; }
deb=$(ls "$work"/halvora_*.deb)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
desktop=share/applications/halvora.desktop
icons=share/icons/hicolor
metainfo=share/metainfo/hu.dorvanta.Halvora.metainfo.xml
for path in bin/halvora $desktop $icons/32x32/apps/halvora.png $icons/scalable/apps/halvora.svg \
    $metainfo share/doc/halvora/copyright; do
    [ -f "$stage/$path" ] || fail "not installed: $path"
    printf '%s\n' "$contents" | grep -qx "./usr/$path" || fail "not in the package: $path"
done
case $(file -b "$stage/$icons/32x32/apps/halvora.png") in
"PNG image data, 32 x 32,"*) ;;
*) fail "the 32x32 icon is no 32x32 PNG" ;;
esac

# The files name each other: a rename on one side alone breaks the menu or the store.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$stage/$desktop")
[ -x "$stage/bin/$exec_name" ] || fail "Exec=$exec_name is not installed"
icon=$(sed -n 's/^Icon=//p' "$stage/$desktop")
[ -f "$stage/$icons/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not installed"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$stage/$metainfo")
[ "share/applications/$launchable" = "$desktop" ] || fail "launchable is $launchable"
binary=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$stage/$metainfo")
[ "$binary" = "$exec_name" ] || fail "the metainfo provides $binary"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate-tree --no-color --no-net --strict "$stage" >&2 || fail "validate-tree"
fi

# The version reaches the package, the newest AppStream release and the Windows
# resources, whose every variable must have been filled in.
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$stage/$metainfo" | head -n 1)
[ "$release" = "$version" ] || fail "the newest AppStream release is $release"
rc=$build/generated/windows/halvora.rc
[ "$(grep -cE "^(FILE|PRODUCT)VERSION $(echo "$version" | tr . ,),0$" "$rc")" = 2 ] ||
    fail "FILEVERSION or PRODUCTVERSION is not $version"
! grep -qE '@|""' "$rc" || fail "a value of $rc is empty or unsubstituted"
[ -f "$(sed -n 's/^1 ICON "\(.*\)"/\1/p' "$rc")" ] || fail "the icon of $rc is missing"

# shlibdeps finds the libraries; Qt's window plugins and its Hungarian texts are
# loaded at run time and must be named by hand. A fresh system needs them all.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n libc6 libstdc++6; do
    case ", $depends," in
    *", $package "* | *", $package,"*) ;;
    *) fail "Depends lacks $package: $depends" ;;
    esac
done

# The installed copy starts without the build tree: still running after two
# seconds is a start.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$stage/bin/halvora" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed program ended with status $status at start"
[ "$failures" -eq 0 ]

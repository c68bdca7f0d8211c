#!/bin/sh
# Builds the Debian package from the finished build and checks its control data
# and contents: name, version, section, the Qt libraries and Qt's translations
# among its dependencies, and the desktop files under /usr. (QtGui comes in
# through QtWidgets; shlibdeps lists it only when the program calls it directly.)
#   check_deb.sh BUILD_DIR WORK_DIR VERSION [CONFIG]
set -eu
build=$1
work=$2
version=$3
config=${4:-}

rm -rf "$work"
mkdir -p "$work"
if [ -n "$config" ]; then
    set -- -C "$config"
else
    set --
fi
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" "$@" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    exit 1
fi

deb=$(ls "$work"/halvora_*.deb)
echo "built $deb"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
field() {
    dpkg-deb -f "$deb" "$1"
}

[ "$(field Package)" = halvora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"

depends=$(field Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n libc6 libstdc++6; do
    case ", $depends," in
    *", $package "* | *", $package,"*) ;;
    *) fail "Depends lacks $package" ;;
    esac
done

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
for path in ./usr/bin/halvora \
    ./usr/share/applications/halvora.desktop \
    ./usr/share/icons/hicolor/32x32/apps/halvora.png \
    ./usr/share/icons/hicolor/scalable/apps/halvora.svg \
    ./usr/share/metainfo/hu.dorvanta.Halvora.metainfo.xml \
    ./usr/share/doc/halvora/copyright; do
    printf '%s\n' "$contents" | grep -qx "$path" || fail "the package lacks $path"
done

if [ "$failures" -ne 0 ]; then
    exit 1
fi

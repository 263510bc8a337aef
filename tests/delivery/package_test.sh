#!/usr/bin/env bash
# cmake --install puts the program, its desktop entry, metainfo and icons in place, and cpack
# builds a Debian package with them and with its run-time dependencies.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
for file in bin/riziko-infarktu lib/riziko-infarktu/riziko-infarktu-printing.so \
    share/applications/cz.rizikoinfarktu.RizikoInfarktu.desktop \
    share/metainfo/cz.rizikoinfarktu.RizikoInfarktu.metainfo.xml \
    share/icons/hicolor/scalable/apps/riziko-infarktu.svg \
    share/icons/hicolor/{16x16,32x32,48x48,256x256}/apps/riziko-infarktu.png; do
  [ -e "$work/root/usr/$file" ] || { echo "not installed: $file"; exit 1; }
done

command -v dpkg-shlibdeps >/dev/null || { echo "SKIPPED: no dpkg-shlibdeps (dpkg-dev)"; exit 77; }
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6svg6 libqt6printsupport6 qt6-qpa-plugins fonts-wine \
    fonts-lato; do
  [[ $depends == *"$needed"* ]] || { echo "the package does not depend on $needed"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/riziko-infarktu ./usr/lib/riziko-infarktu/riziko-infarktu-printing.so \
    ./usr/share/applications/cz.rizikoinfarktu.RizikoInfarktu.desktop \
    ./usr/share/icons/hicolor/256x256/apps/riziko-infarktu.png; do
  grep -qF "$file" <<<"$contents" || { echo "not packaged: $file"; exit 1; }
done
echo "packaged: $(basename "$deb")"

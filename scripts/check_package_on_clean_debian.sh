#!/usr/bin/env bash
# Builds the Debian package, installs it with apt into a fresh Debian 12 made by debootstrap,
# and starts the program there for five seconds. Needs root and the Debian mirror; takes a few
# minutes, so it is not part of the test command.
# Usage: scripts/check_package_on_clean_debian.sh [CHROOT_DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
target=${1:-$(mktemp -d /tmp/kvo-debian12.XXXXXX)}

"$ROOT/scripts/ensure-packages.sh" "${RUNTIME_PACKAGES[@]}" dpkg-dev debootstrap
configure_and_build "$ROOT/build/package" -DCMAKE_BUILD_TYPE=Release -DKVO_BUILD_TESTS=OFF \
  -DKVO_BUILD_BENCH=OFF >/dev/null
(cd "$ROOT/build/package" && cpack -G DEB >/dev/null)
deb=$(ls "$ROOT"/build/package/riziko-infarktu_*.deb)

[ -x "$target/bin/bash" ] || debootstrap --variant=minbase bookworm "$target" http://deb.debian.org/debian
cp "$deb" "$target/tmp/"
cp /etc/resolv.conf "$target/etc/"
mount -t proc proc "$target/proc"
trap 'umount "$target/proc"' EXIT
chroot "$target" /bin/bash -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq /tmp/$(basename "$deb") >/dev/null"
status=0
chroot "$target" /bin/bash -c 'cd /tmp && XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen \
  timeout 5 riziko-infarktu 2>/dev/null' || status=$?
if [ "$status" -eq 124 ]; then
  echo "installed with apt on a clean Debian 12 and still running after 5 s: good"
else
  echo "riziko-infarktu ended with status $status on the clean system"
  exit 1
fi

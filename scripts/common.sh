# Shared by the two commands of the README: the packages, and configure-and-build.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# To build and run the program.
RUNTIME_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  fonts-wine fonts-lato fonts-dejavu-core fontconfig
)
# To run every test as well.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev libx11-dev xvfb xauth x11-utils
  cups printer-driver-cups-pdf poppler-utils desktop-file-utils appstream dpkg-dev)

# configure_and_build BUILD_DIR [CMAKE_ARGS...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh, test.sh and package.sh: installs the Debian packages that are missing,
# then configures and builds the project in $BUILD_DIR.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
# The first two lines build the program (the second its English texts), the third the Python module
# (python3-distributed for its Dask example), the fourth builds the Debian package
# (dpkg-shlibdeps, file, help2man) and checks it (desktop-file-validate,
# appstreamcli, lintian); the fifth drives the real-desktop test.
PACKAGES=(g++ make cmake qt6-base-dev qt6-svg-dev libgl-dev libeigen3-dev libboost-math-dev qt6-translations-l10n
          qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
          pybind11-dev python3-dev python3-numpy python3-distributed
          dpkg-dev file help2man desktop-file-utils appstream lintian poppler-utils
          xvfb openbox xdotool x11-utils imagemagick)
# Debian's clang with its sanitizer and libFuzzer run-times: the sanitizer build
# and the fuzz targets (scripts/asan.sh, scripts/fuzz.sh).
SANITIZER_PACKAGES=(clang-14 libclang-rt-14-dev)

as_root() {
  if [[ $(id -u) -ne 0 ]]; then sudo "$@"; else "$@"; fi
}

# Installs the given packages (default: PACKAGES) that are not installed yet.
install_missing() {
  local wanted=("$@")
  ((${#wanted[@]})) || wanted=("${PACKAGES[@]}")
  local missing=()
  for p in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq "${missing[@]}"
  fi
}

# Generates the given locales (e.g. de_DE.UTF-8) that the C library lacks.
ensure_locales() {
  install_missing locales
  local generate=0
  for l in "$@"; do
    local short=${l/UTF-8/utf8}
    if ! locale -a 2>/dev/null | grep -qx -e "$l" -e "$short"; then
      as_root sed -i "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
      grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
      generate=1
    fi
  done
  if ((generate)); then as_root locale-gen >/dev/null; fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
  cmake --build "$BUILD_DIR" --parallel "$(nproc)" "$@"
}

#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# when any of them is missing. Run as root on Debian 12.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  clang libclang-rt-14-dev clang-format-14
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick openbox
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  shared-mime-info xdg-utils libfile-mimeinfo-perl desktop-file-utils
  dpkg-dev file lintian appstream librsvg2-bin
  python3
  emscripten node-acorn chromium nlohmann-json3-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

# Locales the tests switch to, so that numbers are seen to read the same in
# every one: Debian's locales package and two generated locales with a
# decimal comma.
if ! dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q "install ok installed"; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends locales
fi
for name in de_DE fr_FR; do
  locale -a 2>/dev/null | grep -qix "${name}.utf-\?8" || localedef -i "$name" -c -f UTF-8 "${name}.UTF-8"
done

# The browser tests' npm packages, exactly as the lock file pins them.
web_tests="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
if [[ -f "$web_tests/package-lock.json" ]] &&
  ! cmp -s "$web_tests/package-lock.json" "$web_tests/node_modules/.installed-lock.json"; then
  (cd "$web_tests" && npm ci --no-audit --no-fund --loglevel=error &&
    cp package-lock.json node_modules/.installed-lock.json)
fi

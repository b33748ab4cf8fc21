#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, if any is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config googletest libgtest-dev   # native build and unit tests
  ccache                                               # rebuilds and several checkouts
  fp-utils libchm-dev libchm-bin                       # compiled HTML Help guides
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64       # the Windows program
  wine wine64 xvfb locales fonts-noto-cjk fonts-wine   # running it on Linux
  nsis python3                                         # the installer and the zip
  openssl                                              # the tips signing key, signing in the tests
  osslsigncode                                         # signing a release
  imagemagick                                          # screenshots in the installer test
  faketime                                             # a midnight while it runs
  clang libclang-rt-14-dev llvm                        # fuzz targets: libFuzzer, sanitizers, symbolizer
  chromium poppler-utils                               # 就诊摘要 printed in a real browser
  clang-format                                         # the formatting check
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

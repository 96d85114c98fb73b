#!/usr/bin/env bash
# Installs the Debian packages Orbivale builds, runs and tests with, when any is missing.
# Needs root or sudo for the installation itself.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config python3 ca-certificates
    qt6-base-dev libqt6opengl6-dev qt6-declarative-dev qt6-speech-dev qt6-speech-flite-plugin
    qt6-qpa-plugins qt6-image-formats-plugins libgl-dev libgl1-mesa-dri libglx-mesa0 mesa-utils
    libgtest-dev libgmock-dev libbenchmark-dev libsdl2-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool fonts-liberation fonts-dejavu-core espeak-ng
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "These packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq >/dev/null
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null

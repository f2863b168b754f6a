#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need; only what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang libclang-rt-14-dev pkg-config clang-format
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
    python3-ezdxf
    xvfb xauth time
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"

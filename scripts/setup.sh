#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the demo need.
# Skips what is already installed; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qtbase5-dev qttools5-dev-tools
  libicu-dev libarchive-dev zlib1g-dev libgtest-dev
  libarchive-tools xvfb xauth
)
if [ "${1:-}" = "--with-tools" ]; then
  packages+=(hyperfine time twm)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"

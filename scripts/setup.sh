#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the demo and the
# Debian package with its repository and checks need (the tests and the demo without a
# display use Qt's offscreen platform).
# --with-tools adds what only the benchmarks and the screenshots use: bsdtar
# as the unpacking reference, an X server with a window manager that
# honours the buttons a window allows (icewm), and a Wayland compositor with
# a kiosk shell and an X11 back-end, and Qt's Wayland platform (weston,
# qtwayland5).
# Skips what is already installed; uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake g++ make
  qtbase5-dev qttools5-dev-tools
  libxcb1-dev pkgconf  # the dialog's first frame on X11
  libicu-dev libarchive-dev zlib1g-dev libgtest-dev
  liblzma-dev libzstd-dev libbz2-dev libxxhash-dev
  dpkg-dev file lintian desktop-file-utils
  gnupg apt-utils  # scripts/publish-repo.sh: signing, apt-ftparchive
  clang libclang-rt-14-dev llvm  # scripts/fuzz.sh: clang, libFuzzer, llvm-symbolizer
  # homes on real mounts in the tests (loop images, as root)
  e2fsprogs btrfs-progs exfatprogs exfat-fuse fuse3 bindfs
  # the journal entry of each outcome; the tests read it back from a private
  # journald, and record the notification on a private session bus
  libsystemd-dev systemd dbus-daemon
  # halvora-report's test reads a folder as a collecting server keeps it
  systemd-journal-remote
)
if [ "${1:-}" = "--with-tools" ]; then
  packages+=(libarchive-tools xvfb xauth icewm weston qtwayland5)
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

#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, play and test.
# Idempotent: only packages that are missing are installed. Extra packages may be named as
# arguments (the fuzzing build asks for clang this way, the tests and `make deb` for their tools).
set -euo pipefail

packages=(
  cmake g++ make pkg-config ninja-build
  libsdl2-dev libsdl2-ttf-dev libpng-dev fonts-terminus-otb fonts-dejavu-core fonts-paratype
  libncurses-dev ncurses-term tmux xvfb xauth
  libtomlplusplus-dev
  libspeechd-dev speech-dispatcher speech-dispatcher-espeak-ng espeak-ng sox
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  python3
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=600)
"${sudo_cmd[@]}" apt-get "${apt_opts[@]}" update -qq || true
"${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install -y --no-install-recommends "${missing[@]}"

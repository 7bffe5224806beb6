#!/usr/bin/env bash
# Installs what building, testing and playing the game needs on Debian 12.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake libgtest-dev libbenchmark-dev \
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n \
  fonts-noto-cjk xvfb xauth xdotool imagemagick >/dev/null

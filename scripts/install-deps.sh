#!/usr/bin/env bash
# Installs every Debian package the project needs. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  firebird3.0-server firebird3.0-utils firebird-dev libfbclient2
  zlib1g-dev libminizip-dev libcurl4-openssl-dev libcapstone-dev libdw-dev libelf-dev elfutils
  libgtest-dev libgmock-dev libbenchmark-dev
  xdg-utils xvfb x11-apps imagemagick fonts-dejavu-core fontconfig locales
  iproute2 procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then SUDO=sudo; else SUDO=; fi
  # The Firebird server package would start a system-wide service; the program
  # runs embedded and the tests start their own server, so keep it from starting.
  policy=/usr/sbin/policy-rc.d
  created_policy=0
  if [[ ! -e $policy ]]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null
    $SUDO chmod +x "$policy"
    created_policy=1
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
  ((created_policy)) && $SUDO rm -f "$policy"
fi

# pt_BR is the locale the pharmacy works in; the tests switch to it.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR.utf8$'; then
  if [[ $(id -u) -ne 0 ]]; then SUDO=sudo; else SUDO=; fi
  $SUDO sed -i 's/^# *pt_BR.UTF-8 UTF-8/pt_BR.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^pt_BR.UTF-8 UTF-8' /etc/locale.gen || echo 'pt_BR.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

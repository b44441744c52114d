#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
# Idempotent: does nothing when every package is already there.
set -euo pipefail

paquets=(
  cmake ninja-build g++ libgtest-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 wine32:i386
  libodbc2:i386 libodbcinst2:i386 libodbccr2:i386 unixodbc-dev:i386 libsqliteodbc:i386
  unixodbc libodbccr2 unixodbc-dev libsqliteodbc sqlite3
  xvfb x11-utils imagemagick fonts-wine clang-format locales
)

manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || manquants+=("$p")
done
[ ${#manquants[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages (${manquants[*]}): run this script as root." >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${manquants[@]}"

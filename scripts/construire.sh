# Sourced: installs the packages, then builds the build that runs here and sets $cible to it:
# the release build (win32) where the host runs 32-bit programs natively, win64 otherwise (an
# emulated 32-bit program starts in tens of seconds).
#   . scripts/construire.sh
bash scripts/install-packages.sh
. scripts/i386.sh
cible=win32
[ "$vidalto_i386" = natif ] || cible=win64
cmake --preset "$cible" >/dev/null
cmake --build --preset "$cible"

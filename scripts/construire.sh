# Sourced: installs the packages, then builds the build that runs here and sets $cible to it:
# the release build (win32), or win64 on a host that cannot run 32-bit programs.
#   . scripts/construire.sh
bash scripts/install-packages.sh
cible=win32
/lib/ld-linux.so.2 --version >/dev/null 2>&1 || cible=win64
cmake --preset "$cible" >/dev/null
cmake --build --preset "$cible"

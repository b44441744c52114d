# Sourced: makes 32-bit (i386) programs run here, natively or under user-mode emulation, and
# sets $vidalto_i386 to "natif", "emule" or "" (none: the 32-bit build can only be built).
#   . scripts/i386.sh
# Some hosts refuse i386 code ("Exec format error") although their kernels could run it: there
# Debian's qemu-user-static is registered for i386 ELF files through binfmt_misc, with the F flag
# so that the interpreter is opened once and serves every namespace. Idempotent; as root.

vidalto_binfmt=/proc/sys/fs/binfmt_misc
vidalto_i386=
if [ -f "$vidalto_binfmt/qemu-i386" ] && grep -qx enabled "$vidalto_binfmt/qemu-i386"; then
  vidalto_i386=emule
elif [ -z "${VIDALTO_I386_EMULE:-}" ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  vidalto_i386=natif
else
  if [ "$(id -u)" -eq 0 ]; then
    if ! dpkg-query -W -f='${Status}' qemu-user-static 2>/dev/null | grep -q 'install ok installed'; then
      DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends qemu-user-static \
        >/dev/null || { apt-get update -q >/dev/null &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends qemu-user-static >/dev/null; }
    fi
    [ -f "$vidalto_binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$vidalto_binfmt" 2>/dev/null || true
    if [ -w "$vidalto_binfmt/register" ] && [ ! -f "$vidalto_binfmt/qemu-i386" ]; then
      # The i386 ELF magic and mask (executables and shared objects), as qemu registers them.
      printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
        >"$vidalto_binfmt/register" 2>/dev/null || true
    fi
    [ -f "$vidalto_binfmt/qemu-i386" ] && echo 1 >"$vidalto_binfmt/qemu-i386" 2>/dev/null
  fi
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    vidalto_i386=emule
  fi
fi
unset vidalto_binfmt

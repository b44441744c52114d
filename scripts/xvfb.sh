# Sourced: starts an Xvfb display of our own (unless one is set) and stops it on exit.
#   . scripts/xvfb.sh
if [ -z "${DISPLAY:-}" ] || [ -n "${VIDALTO_XVFB_FORCE:-}" ]; then
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  vidalto_xvfb_pid=$!
  export DISPLAY=":$n"
  trap 'kill "$vidalto_xvfb_pid" 2>/dev/null; wait "$vidalto_xvfb_pid" 2>/dev/null' EXIT
  for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi

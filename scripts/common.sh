# Shared by the README's commands: installing what is missing, building, providing a display.

# Debian packages the build and the Wine test bed need.
CORVALIS_PACKAGES="cmake make g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 xvfb googletest xauth"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
  local missing=()
  for package in $CORVALIS_PACKAGES "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# build_preset PRESET [TARGET...]
build_preset() {
  local preset=$1
  shift
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" ${1:+--target "$@"}
}

# Starts Xvfb on a free display when none is set; stop_virtual_display ends it by its own PID.
XVFB_PID=""
ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number=99
  while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start" >&2
  return 1
}

stop_virtual_display() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}

# Ends the wineserver (and with it every Wine process) of a build folder's scratch prefix.
stop_wine() {
  local prefix=$1
  [ -d "$prefix" ] && WINEPREFIX=$prefix /usr/lib/wine/wineserver -k 2>/dev/null
  return 0
}

#!/usr/bin/env bash
# Installs what is missing, builds what a user runs (the editor, the
# companion ledfont and its import program), says where ledfont is, and opens
# the editor on this display. Run it as the desktop's user: what is missing
# is installed through sudo.
# Started as root through sudo, it builds and opens the editor as the user who
# called sudo, on that user's display.
set -euo pipefail
cd "$(dirname "$0")/.."

say() { echo "ledfont-designer: $*" >&2; }

desktop_user=""
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  desktop_user=$SUDO_USER
  # sudo drops the Wayland session's variables (it keeps DISPLAY and
  # XAUTHORITY): find the user's runtime folder and compositor again.
  user_runtime=/run/user/$(id -u "$desktop_user")
  if [ -d "$user_runtime" ]; then
    export XDG_RUNTIME_DIR=$user_runtime
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -S "$user_runtime/wayland-0" ]; then
      export WAYLAND_DISPLAY=wayland-0
    fi
  else
    unset XDG_RUNTIME_DIR
  fi
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  say "no display found (DISPLAY and WAYLAND_DISPLAY are unset); run it from a desktop session or under Xvfb"
  exit 1
fi

bash scripts/setup.sh

# Without an X server (no DISPLAY, so no XWayland either) Qt needs its Wayland
# plugin, and must be told to use it.
if [ -z "${DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  if dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'install ok installed'; then
    export QT_QPA_PLATFORM=wayland
  else
    say "this is a Wayland session without X, and Qt's Wayland plugin (Debian package qt6-wayland) is missing."
    say "Install it, or start XWayland and run again with DISPLAY set and QT_QPA_PLATFORM=xcb."
    exit 1
  fi
fi

# What the editor needs from the session, handed over when it runs as the user.
session=()
for name in DISPLAY XAUTHORITY WAYLAND_DISPLAY XDG_RUNTIME_DIR QT_QPA_PLATFORM; do
  [ -n "${!name:-}" ] && session+=("$name=${!name}")
done
as_user() {
  if [ -n "$desktop_user" ]; then
    runuser -u "$desktop_user" -- env "${session[@]}" "$@"
  else
    "$@"
  fi
}

# The build belongs to the user when the user may write here; otherwise root builds.
build_as=(as_user)
if [ -n "$desktop_user" ] && ! as_user test -w . -a \( ! -e build-run -o -w build-run \); then
  build_as=()
fi
# A folder of its own, so the test build keeps its tests and benchmarks. The
# programs are built by name: nothing else is needed to run them (the data
# files of share/ledfont/ are put in place when the build is configured).
"${build_as[@]}" cmake -S . -B build-run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEDFONT_BUILD_GUI=ON \
  -DLEDFONT_BUILD_TESTS=OFF -DLEDFONT_BUILD_BENCH=OFF >/dev/null
"${build_as[@]}" cmake --build build-run --target ledfont-designer ledfont ledfont-import -j"$(nproc)"

companion=$(find build-run -name CMakeFiles -prune -o -type f -name ledfont -perm -u+x -print -quit)
if [ -n "$companion" ]; then
  companion_dir=$PWD/$(dirname "$companion")
  echo "The command-line companion is built too: $companion_dir/ledfont"
  echo "To run it as ledfont, put its folder on the PATH:"
  echo "  export PATH=\"$companion_dir:\$PATH\""
  echo "or install the Debian package (README.md, \"Installing it as a Debian package\")."
fi

editor=./build-run/app/ledfont-designer
if [ -n "$desktop_user" ] && ! as_user test -x "$editor"; then
  say "$desktop_user cannot run $PWD/${editor#./}; put the repository in a folder $desktop_user can read"
  exit 1
fi
if [ -n "$desktop_user" ]; then
  exec runuser -u "$desktop_user" -- env "${session[@]}" "$editor"
fi
exec "$editor"

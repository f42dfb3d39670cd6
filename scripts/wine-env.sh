# Sourced by run.sh and test.sh: Wine prefix, virtual display and wineserver.
# Callers set WINEPREFIX before they use Wine.

export WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

XVFB_PID=""

# Configures build/win with the mingw-w64 toolchain and builds the given
# targets (all without any). Needs $top. win_build and win_config choose
# another folder and configuration (package.sh: build/release, Release).
build_windows() {
  local dir=${win_build:-$top/build/win}
  cmake -S "$top" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE="${win_config:-RelWithDebInfo}" >/dev/null &&
    cmake --build "$dir" -j"$(nproc 2>/dev/null || echo 2)" ${1:+--target "$@"}
}

# Starts Xvfb on the first free display from :91 and exports DISPLAY. Two
# runs may race for a number: a server that could not take it ends at once,
# and the next number is tried.
start_xvfb() {
  local n=91 i
  while [ "$n" -lt 191 ]; do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      Xvfb ":${n}" ${XVFB_SCREENS:--screen 0 1280x1024x24} -nolisten tcp >/dev/null 2>&1 &
      XVFB_PID=$!
      for i in $(seq 50); do
        kill -0 "$XVFB_PID" 2>/dev/null || break
        # The lock holds the owner's pid, blank-padded: compare it whole, as
        # pids wrap at 32768 and one may be a part of another.
        if [ -e "/tmp/.X11-unix/X${n}" ] &&
          [ "$(tr -d ' \n' <"/tmp/.X${n}-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
          export DISPLAY=":${n}"
          return 0
        fi
        sleep 0.1
      done
      kill "$XVFB_PID" 2>/dev/null
    fi
    n=$((n + 1))
  done
  echo "wine-env: Xvfb did not start" >&2
  return 1
}

stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
}

# wine reg add, quietly; the server is already up when this runs.
wine_reg() { wine reg add "$@" /f >/dev/null 2>&1; }

# Creates the prefix once, then (every time) sets what the program and its
# tests rely on: no window-manager waits, Japanese fonts, .txt documents.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX (about 20 s)"
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 </dev/null
    wineserver -w
  fi
  start_wineserver
  # Without a window manager Wine waits 2 s for every hidden window;
  # unmanaged windows also make X geometry equal the Win32 rectangle.
  wine_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
  local r='HKCU\Software\Wine\Fonts\Replacements'
  wine_reg "$r" /v 'ＭＳ Ｐゴシック' /d IPAPGothic
  wine_reg "$r" /v 'ＭＳ ゴシック' /d IPAGothic
  wine_reg "$r" /v 'MS UI Gothic' /d IPAPGothic
  wine_reg "$r" /v 'MS Shell Dlg' /d IPAPGothic
  wine_reg 'HKCR\.txt' /ve /d txtfile
  # 96 DPI, also after a stage (or a run cut short) that scaled the prefix;
  # the processes the server keeps take a new scale only from a new server.
  local desktop='HKCU\Control Panel\Desktop'
  if ! wine reg query "$desktop" /v LogPixels 2>/dev/null | grep -qw 0x60; then
    wine_reg "$desktop" /v LogPixels /t REG_DWORD /d 96
    restart_wineserver
  fi
}

# Changes the prepared prefix to `dpi` dots per inch, with the system
# dialog font left to Wine's fallback as where no font of that name exists:
# "MS Shell Dlg" stands for "MS UI Gothic" here, so neither is replaced.
# prepare_prefix puts all of it back.
scale_prefix() {
  local r='HKCU\Software\Wine\Fonts\Replacements'
  wine reg delete "$r" /v 'MS Shell Dlg' /f >/dev/null 2>&1
  wine reg delete "$r" /v 'MS UI Gothic' /f >/dev/null 2>&1
  wine_reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1"
  restart_wineserver
}

start_wineserver() {
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null
}

stop_wineserver() { wineserver -k >/dev/null 2>&1 || true; }

restart_wineserver() {
  stop_wineserver
  wineserver -w >/dev/null 2>&1
  start_wineserver
}

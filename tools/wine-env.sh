# Sourced by wine-run.sh and test.sh: the Wine settings every run shares, the
# prefix and the GBK locale made once, and a way to start a display of our own.

export WINEDEBUG="${WINEDEBUG:--all}"
# Ours come first; a test may add its own (CTest's ENVIRONMENT, "uxtheme=d").
vostrel_dll_overrides="mscoree,mshtml=;winemenubuilder.exe=d"
case "${WINEDLLOVERRIDES:-}" in
  "$vostrel_dll_overrides"*) ;;
  "") export WINEDLLOVERRIDES="$vostrel_dll_overrides" ;;
  *) export WINEDLLOVERRIDES="$vostrel_dll_overrides;$WINEDLLOVERRIDES" ;;
esac

vostrel_cache="${XDG_CACHE_HOME:-$HOME/.cache}/vostrel"

# The Windows build the tests and the start script use: 64-bit unless
# VOSTREL_WINE_BITS=32. Many x86_64 kernels cannot run 32-bit programs, and
# 32-bit Wine emulated there is too slow and crashes; set 32 where the kernel
# runs them natively.
vostrel_bits="${VOSTREL_WINE_BITS:-64}"
vostrel_build_dir() { [ "$vostrel_bits" = 32 ] && echo build/target || echo build/target64; }
vostrel_toolchain() { [ "$vostrel_bits" = 32 ] && echo cmake/mingw-i686.cmake || echo cmake/mingw-x86_64.cmake; }

# 32 or 64: the machine a Windows program file was built for.
vostrel_pe_bits() {
  local header machine
  header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  machine=$(od -An -tx2 -j$((${header:-0} + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  [ "$machine" = 8664 ] && echo 64 || echo 32
}

# Succeeds when this kernel runs 32-bit x86 programs itself: a tiny static
# i386 program that only exits is built and run. An emulator registered for
# such programs (binfmt_misc) does not count: 32-bit Wine is too slow under it.
vostrel_runs_32bit() {
  local dir handler rc=1
  for handler in /proc/sys/fs/binfmt_misc/*; do
    grep -qs '^enabled' "$handler" && grep -Eqs '^magic 7f454c460101.{20}02000[36]00' "$handler" && return 1
  done
  dir=$(mktemp -d)
  printf '.globl _start\n_start:\n  movl $1, %%eax\n  xorl %%ebx, %%ebx\n  int $0x80\n' >"$dir/probe.s"
  if as --32 -o "$dir/probe.o" "$dir/probe.s" && ld -m elf_i386 -o "$dir/probe" "$dir/probe.o"; then
    "$dir/probe" 2>/dev/null && rc=0
  fi
  rm -rf "$dir"
  return $rc
}

# Chooses the Wine loader, the prefix kind and the default prefix for 32- or
# 64-bit programs; the two never share a prefix.
vostrel_use_bits() {
  vostrel_bits=$1
  local prefix="$vostrel_cache/wineprefix"
  if [ "$1" = 64 ]; then
    export WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
    vostrel_loader=/usr/lib/wine/wine64
    prefix="$vostrel_cache/wineprefix64"
  else
    export WINEARCH=win32
    unset WINELOADER
    vostrel_loader=wine
  fi
  export WINEPREFIX="${VOSTREL_WINEPREFIX:-$prefix}"
  [ -z "$vostrel_desktop" ] || WINEPREFIX="$VOSTREL_DESKTOP_PREFIX$vostrel_desktop"
}

# A test that uses what a whole Wine session shares (the desktop, the
# clipboard, the system colours) gets one of the run's desktop sessions from
# CTest (resource "desktops", see test.sh): a copy of the prefix, named
# $VOSTREL_DESKTOP_PREFIX<id>, with a server and an Xvfb display of its own,
# so that no other program's window takes its foreground, cursor or clipboard.
vostrel_desktop=""
case "${VOSTREL_DESKTOP_PREFIX:+set}:${CTEST_RESOURCE_GROUP_0_DESKTOPS:-}" in
  set:id:*)
    vostrel_desktop=${CTEST_RESOURCE_GROUP_0_DESKTOPS#id:}
    vostrel_desktop=${vostrel_desktop%%,*}
    ;;
esac
vostrel_use_bits "$vostrel_bits"

# Wine maps Chinese file names to Linux ones through the Linux locale, so the
# GBK locale must really exist; we build our own rather than touch the system's.
vostrel_locales="$vostrel_cache/locale"

# Runs "$@" under an exclusive lock on the file $1 (the rest is the command).
# The command does not inherit the lock: a wineserver or a program it leaves
# running would otherwise hold it after the command ends.
vostrel_locked() {
  local lock=$1
  shift
  (
    flock 9
    "$@" 9>&-
  ) 9>"$lock"
}

vostrel_make_locale() {
  [ -f "$vostrel_locales/zh_CN.GBK/LC_CTYPE" ] && return 0
  mkdir -p "$vostrel_locales"
  # localedef warns about the GBK charmap and exits 1 while still writing it.
  localedef -i zh_CN -f GBK "$vostrel_locales/zh_CN.GBK" >/dev/null 2>&1 || true
  [ -f "$vostrel_locales/zh_CN.GBK/LC_CTYPE" ] || { echo "cannot build the zh_CN.GBK locale" >&2; return 1; }
}

vostrel_make_prefix() {
  [ -f "$WINEPREFIX/.vostrel-ready" ] && return 0
  rm -rf "$WINEPREFIX"
  vostrel_wine "$vostrel_loader" wineboot -i >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vostrel-ready"
}

# Wine with code page 936 and a year-month-day short date.
vostrel_wine() {
  env LOCPATH="$vostrel_locales" LC_ALL=zh_CN.GBK "$@"
}

vostrel_prepare() {
  mkdir -p "$vostrel_cache" "$(dirname "$WINEPREFIX")"
  [ -f "$vostrel_locales/zh_CN.GBK/LC_CTYPE" ] || vostrel_locked "$vostrel_cache/locale.lock" vostrel_make_locale
  [ -f "$WINEPREFIX/.vostrel-ready" ] || vostrel_locked "$WINEPREFIX.lock" vostrel_make_prefix
}

# Builds desktophold.exe ($1) for this bitness when missing or older than its source.
vostrel_make_holder() {
  local source compiler=x86_64-w64-mingw32-g++
  source="$(dirname "${BASH_SOURCE[0]}")/desktophold.cpp"
  [ "$vostrel_bits" = 32 ] && compiler=i686-w64-mingw32-g++
  [ -f "$1" ] && [ ! "$source" -nt "$1" ] && return 0
  "$compiler" -O2 -static -s -o "$1" "$source" -lshell32
}

# A whole run's Wine session: the server, kept after its last program, and
# the desktop held by desktophold.exe, both started here with streams of
# their own (see tools/desktophold.cpp); they last until vostrel_end_session.
# Run with the display the tests will use.
vostrel_start_session() {
  local holder="$vostrel_cache/desktophold$vostrel_bits.exe"
  vostrel_locked "$holder.lock" vostrel_make_holder "$holder"
  wineserver -p </dev/null >/dev/null 2>&1
  local fifo ready=""
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  vostrel_wine "$vostrel_loader" "$holder" </dev/null >"$fifo" 2>/dev/null &
  read -r ready <"$fifo" || true
  rm -f "$fifo"
  # The holder writes text-mode lines, ending in CR LF.
  [ "${ready%$'\r'}" = ready ] || { echo "the Wine desktop of $WINEPREFIX did not start" >&2; return 1; }
}

vostrel_end_session() {
  wineserver -k 2>/dev/null || true
}

# Builds wmstate ($1), the window manager's stand-in, when missing or older than its source.
vostrel_make_wmstate() {
  local source
  source="$(dirname "${BASH_SOURCE[0]}")/wmstate.c"
  [ -f "$1" ] && [ ! "$source" -nt "$1" ] && return 0
  cc -O2 -o "$1" "$source" -lX11
}

# Starts Xvfb on a free display number and exports DISPLAY; vostrel_stop_xvfb
# stops every one started. Each gets tools/wmstate.c's stand-in for a window
# manager, running before any window is mapped there: without it Wine spends
# 2 s on every framed window it hides.
vostrel_xvfb_pids=()
vostrel_start_xvfb() {
  local fifo display_number ready="" wmstate="$vostrel_cache/wmstate"
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  vostrel_xvfb_pids+=($!)
  read -r display_number <"$fifo"
  export DISPLAY=":$display_number"
  mkdir -p "$vostrel_cache"
  if vostrel_locked "$wmstate.lock" vostrel_make_wmstate "$wmstate"; then
    "$wmstate" </dev/null >"$fifo" 2>/dev/null &
    vostrel_xvfb_pids+=($!)
    read -r ready <"$fifo" || true
  fi
  [ "$ready" = ready ] || echo "no window manager stand-in on $DISPLAY: closing windows will be slow" >&2
  rm -f "$fifo"
}

vostrel_stop_xvfb() {
  local pid
  for pid in "${vostrel_xvfb_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  vostrel_xvfb_pids=()
}

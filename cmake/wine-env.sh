# Sourced by the scripts that run Wine: the environment of the test run's Wine session.
#   . wine-env.sh [SESSION_DIR]    (without one, Wine's own prefix of the user)
[ -n "${1:-}" ] && export WINEPREFIX="$1/prefix" WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko download prompts; a crash ends the program instead of waiting in
# the debugger; no menu entries or file types of the prefix's programs in the user's
# desktop (winemenubuilder writes them under ~/.local when a prefix boots).
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winemenubuilder.exe=d"
# On a machine that runs no 32-bit code, Wine's 32-bit half runs under qemu-i386
# (tools/wine-qemu/enable.sh registers it), with the preloaded fix that Wine's address
# space reservations need there and the emulator's fullest CPU model.
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
  export LD_PRELOAD='/usr/local/$LIB/libwine-noreplace.so' QEMU_CPU=max
  # The tests stretch their waits by this much, and know what cannot run there.
  export WINE_TEST_SLOWDOWN=4 WINE_CPU_EMULATED=1
fi

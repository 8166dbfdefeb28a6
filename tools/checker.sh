# Sourced by the scripts that run the Linux disc checker. find_checker prints its
# path: $AUTORUN_CHECK when set, else the host tree's, configured and built first
# when it is missing (its messages go to stderr).
#   . tools/checker.sh; checker=$(find_checker) || exit 2
find_checker() {
  if [ -n "${AUTORUN_CHECK:-}" ]; then echo "$AUTORUN_CHECK"; return; fi
  local repo
  repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local tool=$repo/build/host/tools/autorun-check/autorun-check
  if [ ! -x "$tool" ]; then
    echo "building autorun-check in build/host (once)" >&2
    (cd "$repo" && { cmake --preset host && cmake --build --preset host --target autorun-check; } >/dev/null) ||
      { echo "cannot build autorun-check (bash tools/setup.sh installs what it needs)" >&2; return 1; }
  fi
  echo "$tool"
}

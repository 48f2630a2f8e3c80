# shellcheck shell=bash
# Helpers for the figure scripts that watch a Windows program from outside Wine. Sourced.

# Wine's Z: drive is the Unix root.
windows_path() { local path; path=$(realpath "$1"); echo "Z:${path//\//\\}"; }

# The Unix process Wine runs a program in: its first argument is the Windows path $2 of the
# program file $1, its second, when given, $3. The newest such process is taken, as Wine may pass
# through short-lived ones while it starts a program.
wine_pid() {
  local pid found=""
  for pid in $(pgrep -f "$(basename "$1")"); do
    local arguments
    arguments=$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null) || continue
    [ "$(head -1 <<<"$arguments")" = "$2" ] || continue
    [ -z "${3:-}" ] || [ "$(sed -n 2p <<<"$arguments")" = "$3" ] || continue
    found=$pid
  done
  echo "$found"
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

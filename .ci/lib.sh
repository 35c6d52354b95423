# What the CI scripts share, sourced by each: installing the Debian packages
# a script needs and does not find, and reporting its checks.
#
#   need_command COMMAND [PACKAGE]   PACKAGE (default COMMAND) unless COMMAND is on PATH
#   need_path PATH PACKAGE           PACKAGE unless PATH (a glob may stand in it) exists
#   install_missing                  installs what the needs above found missing
#   pass TEXT / fail TEXT            one check passed (counted in $passed) / failed: exit 1

missing=()

need_command() {
  command -v "$1" >/dev/null 2>&1 || missing+=("${2:-$1}")
}

need_path() {
  compgen -G "$1" >/dev/null || missing+=("$2")
}

install_missing() {
  if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y "${missing[@]}"
  fi
}

passed=0
pass() {
  passed=$((passed + 1))
  echo "ok: $*"
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

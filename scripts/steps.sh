# shellcheck shell=bash
# Steps that say what they are doing and, when one fails, which one it was and
# how its log ends. Sourced by the scripts; messages go to standard error, each
# led by the script's name.
#
#   step WHAT                   says WHAT (a step that takes a while)
#   step_log LOG WHAT CMD...    runs CMD with its output appended to LOG; when
#                               CMD fails, names WHAT, shows the end of LOG and
#                               stops the script with CMD's status
#   step_run LOG WHAT CMD...    says WHAT, then does as step_log
#
# Any other command that stops a script under set -e is named too, with the
# step under way (the last WHAT said) and its line.

STEP_SCRIPT=$(basename "$0")
STEP_NOW=""
set -o errtrace
trap 'step_stopped $? "$BASH_COMMAND" "${BASH_SOURCE[0]##*/}:$LINENO"' ERR

step() {
  STEP_NOW=$1
  echo "$STEP_SCRIPT: $1" >&2
}

step_log() {
  local log=$1 what=$2 status=0
  mkdir -p "$(dirname "$log")"
  "${@:3}" >>"$log" 2>&1 </dev/null || status=$?
  ((status == 0)) && return 0
  echo "$STEP_SCRIPT: failed (status $status): $what" >&2
  echo "$STEP_SCRIPT: the end of its log, $log:" >&2
  tail -n 25 "$log" | sed 's/^/  | /' >&2
  exit "$status"
}

step_run() {
  step "$2"
  step_log "$@"
}

step_stopped() { # STATUS COMMAND WHERE
  # A subshell's failure is told once, by the shell that ran it.
  ((BASH_SUBSHELL == 0)) || return 0
  echo "$STEP_SCRIPT: stopped (status $1)${STEP_NOW:+ in the step \"$STEP_NOW\"}: $2 ($3)" >&2
}

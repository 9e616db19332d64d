# Sourced by the scripts that run the real game: they wait for what they check, never for a fixed
# time that hopes to be long enough, so they hold on a machine busy with other work.

# Seconds a wait may last before it fails: generous, for a sanitizer build on a busy machine.
patience=${QUORAX_PATIENCE:-60}

# wait_until WHAT COMMAND [ARG ...]: runs COMMAND every tenth of a second until it succeeds, and
# gives up at once when it exits with 2 (what it waits for can no longer happen) or after
# $patience seconds. Giving up says what it waited for and what COMMAND last printed.
wait_until() {
  local what=$1 seen status
  shift
  local deadline=$((SECONDS + patience))
  while true; do
    seen=$("$@" 2>&1) && return 0
    status=$?
    if [ $status -eq 2 ] || [ $SECONDS -ge $deadline ]; then
      echo "waited $((patience - deadline + SECONDS)) s for $what; last saw: ${seen:-nothing}" >&2
      return 1
    fi
    sleep 0.1
  done
}

# ended PID: succeeds once the process has ended.
ended() { ! kill -0 "$1" 2>/dev/null || { echo "process $1 still runs"; return 1; }; }

# said_ready PID FILE: succeeds once the game, started with QUORAX_TEST_READY set and its stdout
# in FILE, has finished start-up; exits 2 if it ended first.
said_ready() {
  # The Windows game ends its lines with CR LF.
  tr -d '\r' <"$2" | grep -q '^quorax: ready$' && return 0
  if ! kill -0 "$1" 2>/dev/null; then
    echo "the game ended during start-up"
    return 2
  fi
  echo "start-up not over"
  return 1
}

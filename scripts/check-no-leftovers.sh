#!/bin/sh
# Fails when a process started by this test run is still alive. Every
# process of the run inherits LEXILOOP_TEST_RUN, a token unique to the run,
# so a daemon that left its parent behind is still recognised by it, while
# the processes of any other run or of the user are not. Run it without
# the token in its own environment.
#   scripts/check-no-leftovers.sh TOKEN
TOKEN=$1
[ -n "$TOKEN" ] || { echo "check-no-leftovers: no token given" >&2; exit 2; }

leftovers() {
  for environ in $(grep -lzx "LEXILOOP_TEST_RUN=$TOKEN" /proc/[0-9]*/environ 2>/dev/null); do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    echo "$pid $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
  done
}

# A process that is just ending gets a few seconds to go.
tries=0
while [ -n "$(leftovers)" ] && [ "$tries" -lt 30 ]; do
  tries=$((tries + 1))
  sleep 0.1
done
left=$(leftovers)
if [ -n "$left" ]; then
  echo "check-no-leftovers: the test run left these processes running:" >&2
  echo "$left" >&2
  exit 1
fi
echo "check-no-leftovers: no process of the test run is left"

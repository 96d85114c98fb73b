#!/usr/bin/env bash
# Runs the program on a virtual display with the clock racing and prints its memory every
# so often, to show that a long run does not grow.
#   scripts/soak.sh [SECONDS] [SPEED] [PROGRAM]
# Defaults: ten minutes at 86400 times (a day a second) with build/orbivale. Prints one
# line per sample (seconds, resident KiB) and a last line with the growth from the first
# sample after start-up to the last; exits non-zero when the program dies before the end.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
speed=${2:-86400}
program=${3:-build/orbivale}
interval=${SOAK_INTERVAL:-30}

settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
xvfb-run -a -s "-screen 0 1600x1200x24" "$program" --settings-dir "$settings" \
    --speed "$speed" >"$settings/out.log" 2>&1 &
runner=$!

# xvfb-run starts the program as its child; wait until it is there (the anchor keeps
# xvfb-run's own command line, which holds the same words, from matching).
pid=
for _ in $(seq 1 100); do
    pid=$(pgrep -n -f -- "^$program --settings-dir $settings" || true)
    [ -n "$pid" ] && break
    sleep 0.2
done
if [ -z "$pid" ]; then
    echo "the program did not start" >&2
    cat "$settings/out.log" >&2
    exit 1
fi

rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null; }
first=
last=
for ((t = interval; t <= seconds; t += interval)); do
    sleep "$interval"
    now=$(rss)
    if [ -z "$now" ]; then
        echo "the program ended after about ${t}s" >&2
        cat "$settings/out.log" >&2
        exit 1
    fi
    echo "$t s  $now KiB"
    [ -z "$first" ] && first=$now
    last=$now
done
kill "$pid" 2>/dev/null
wait "$runner" 2>/dev/null
if [ -z "$first" ]; then
    echo "no sample taken: run longer than the ${interval} s between samples" >&2
    exit 1
fi
echo "growth from ${interval} s to ${seconds} s: $((last - first)) KiB ($first -> $last)"

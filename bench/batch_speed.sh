#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Speed of `orvalin-cli at --from` on a million mixed instants, one a line (half
# YEAR MONTH DAY HOUR, half ISO 8601 in its three forms; years 1800..2200), written
# as text to /dev/null: read from a file, through a real pipe (cat FILE | ...), and
# from a file on one processor (taskset -c 0). The yardstick is Debian's Python,
# /usr/bin/python3, merely splitting the same lines (for l in sys.stdin: l.split()),
# run in the same session; not whatever python3 comes first on PATH, whose speed
# depends on how it was built.
#
# hyperfine runs each command RUNS times in a row, so the commands are interleaved by
# running ROUNDS rounds of all of them; each round gives a ratio of each command's
# median to the yardstick's, and the median of those ratios is reported.
# Needs hyperfine (Debian package) and taskset (util-linux).
#   bench/batch_speed.sh [PATH/TO/orvalin-cli] [LINES]     (ROUNDS=5 RUNS=5)
set -euo pipefail
cli=$(realpath "${1:-build/src/cli/orvalin-cli}")
lines=${2:-1000000}
rounds=${ROUNDS:-5}
runs=${RUNS:-5}
python=/usr/bin/python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$python" - "$lines" >"$work/lines" <<'PY'
import random, sys
random.seed(20)
days = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
for i in range(int(sys.argv[1])):
    year = random.randint(1800, 2200)
    month = random.randint(1, 12)
    leap = year % 4 == 0 and (year % 100 != 0 or year % 400 == 0)
    day = random.randint(1, days[month - 1] + (month == 2 and leap))
    if i % 2 == 0:
        print(year, month, day, random.randint(0, 95) / 4)
        continue
    hh, mm, ss = random.randint(0, 23), random.randint(0, 59), random.randint(0, 59)
    date = f"{year:04d}-{month:02d}-{day:02d}"
    print(random.choice([date, f"{date}T{hh:02d}:{mm:02d}Z", f"{date}T{hh:02d}:{mm:02d}:{ss:02d}Z"]))
PY
printf 'import sys\nfor l in sys.stdin: l.split()\n' >"$work/split.py"
echo "$(wc -l <"$work/lines") lines, $(wc -c <"$work/lines") bytes; yardstick $python ($("$python" --version 2>&1))"
echo "$(nproc) processors ($(grep -m 1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')); load before: $(cut -d' ' -f1-3 /proc/loadavg)"

# The same shell (sh -c) starts every command, the yardstick too.
names=('python3 split <FILE' 'at --from FILE' 'cat FILE | at --from -' 'taskset -c 0 at --from FILE')
commands=("$python $work/split.py <$work/lines"
          "$cli at --from $work/lines"
          "cat $work/lines | $cli at --from -"
          "taskset -c 0 $cli at --from $work/lines")
args=()
for i in "${!names[@]}"; do args+=(-n "${names[$i]}" "${commands[$i]}"); done
for round in $(seq "$rounds"); do
  hyperfine --style none --warmup 1 --runs "$runs" --output null --export-json "$work/round$round.json" "${args[@]}" >/dev/null
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

"$python" - "$work" "$rounds" <<'PY'
import json, statistics, sys
work, rounds = sys.argv[1], int(sys.argv[2])
times, ratios = {}, {}
for r in range(1, rounds + 1):
    results = json.load(open(f"{work}/round{r}.json"))["results"]
    yardstick = statistics.median(results[0]["times"])
    for result in results:
        times.setdefault(result["command"], []).extend(result["times"])
        ratios.setdefault(result["command"], []).append(statistics.median(result["times"]) / yardstick)
print(f"{'command':30} {'median':>9} {'min':>9}  ratio to the yardstick (median of {rounds} rounds)")
for name in times:
    print(f"{name:30} {statistics.median(times[name]) * 1000:6.1f} ms {min(times[name]) * 1000:6.1f} ms"
          f"  {statistics.median(ratios[name]):.2f}x")
PY

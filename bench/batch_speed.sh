#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Speed of `orvalin-cli at --from`: a million instants, one a line
# (YEAR MONTH DAY HOUR, years 1800..2200, hours to a quarter), read from a file and
# written as text to /dev/null, beside a Python loop that merely splits the same
# lines. Needs hyperfine and python3.
#   bench/batch_speed.sh [PATH/TO/orvalin-cli] [LINES]
set -euo pipefail
cli=$(realpath "${1:-build/src/cli/orvalin-cli}")
lines=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$lines" >"$work/lines" <<'PY'
import random, sys
random.seed(20)
days = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
for _ in range(int(sys.argv[1])):
    year = random.randint(1800, 2200)
    month = random.randint(1, 12)
    leap = year % 4 == 0 and (year % 100 != 0 or year % 400 == 0)
    day = random.randint(1, days[month - 1] + (month == 2 and leap))
    print(year, month, day, random.randint(0, 95) / 4)
PY
echo "$(wc -l <"$work/lines") lines, $(wc -c <"$work/lines") bytes"

# The shell hyperfine starts is the same for both: its few milliseconds count in each.
hyperfine --warmup 2 --runs "${RUNS:-15}" --output null --export-json "$work/times.json" \
  -n 'python3 split' "python3 -c 'import sys
for l in sys.stdin: l.split()' <$work/lines" \
  -n 'orvalin-cli at --from -' "$cli at --from - <$work/lines" \
  -n 'orvalin-cli at --from FILE' "$cli at --from $work/lines"

# The median of each, which a busy machine moves least.
python3 - "$work/times.json" <<'PY'
import json, sys
for result in json.load(open(sys.argv[1]))["results"]:
    print(f"median {result['median'] * 1000:6.1f} ms  {result['command']}")
PY

#!/bin/bash
# SPDX-License-Identifier: MIT
# Start-up time of orvalin-cli's commands as whole processes, beside a program that
# only starts QtCore and parses its arguments (qtcore_start) and a plain C program
# (/bin/true). Needs hyperfine (Debian package) and a build with
# -DORVALIN_BENCHMARKS=ON.
#   bench/start_time.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
build=${1:-build}
cli=$build/src/cli/orvalin-cli
export TZ=UTC
table=$(mktemp)
trap 'rm -f "$table" "$table.svg"' EXIT
hyperfine --shell=none --warmup 20 --runs 200 --style none --export-markdown "$table" \
  "$build/bench/qtcore_start 2002 2 11 12" \
  "$cli at 2002 2 11 12" \
  "$cli table 2002 --csv" \
  "$cli noon 2026 --longitude 139.7667 --zone Asia/Tokyo" \
  "$cli --help" \
  "$cli chart --help" \
  "$cli chart 2002 -o $table.svg" \
  "/bin/true"
cat "$table"

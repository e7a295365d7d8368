#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the built orvalin-cli as a script or a person would: argument vectors with
# their exit status and stream, then what happens to every kind of output.
#   cli_binary_test.sh PATH/TO/orvalin-cli
set -uo pipefail
cli=$(realpath "$1")
completion=$(realpath "$(dirname "$0")/completion/orvalin-cli.bash")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
cd "$work" || exit 1
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS STREAM TEXT ARG...: exit status STATUS; TEXT in STREAM (out or
# err); the other stream empty; stderr one line when it says anything.
expect() {
  local status=$1 stream=$2 text=$3
  shift 3
  "$cli" "$@" >out.txt 2>err.txt
  local got=$? row="$status $stream $(printf '%q ' "$@")"
  [ "$got" -eq "$status" ] || fail "$row: exit status $got"
  local other=err.txt; [ "$stream" = err ] && other=out.txt
  grep -qF -- "$text" "$stream.txt" || fail "$row: '$text' not in $stream: $(head -c 300 "$stream.txt")"
  [ -s "$other" ] && fail "$row: unexpected $other: $(head -c 300 "$other")"
  [ "$stream" = out ] || [ "$(wc -l <err.txt)" -eq 1 ] || fail "$row: stderr is not one line"
}

expect 0 out '- 14 16.3 -14.271947' at 2002 2 11 12
expect 0 out '- 14 16.3 -14.271947' at -- 2002 2 11 12
expect 0 out '- 14 16.3 -14.271947' at 2002-02-11T12:00Z
expect 0 out '{"date":"2002-02-11","hour":12,"sign":"-","minutes":14,"seconds":16.3,"decimal_minutes":-14.271947}' at 2002 2 11 12 --json
expect 0 out '0005-01-01,-,8,17.5,-8.291671' table 5 --csv
expect 0 out '-0500-01-01' table -500
expect 0 out '-0500-01-01' table --hour=0 -- -500
for flag in -V --version; do
  "$cli" $flag | grep -Eqx 'orvalin-cli [0-9]+\.[0-9]+\.[0-9]+' || fail "$flag: $("$cli" $flag)"
done
expect 0 out 'Usage: orvalin-cli at ' at 2002 --help
expect 0 out 'Usage: orvalin-cli table ' table 2002 --bogus -h
expect 0 out 'Usage: orvalin-cli COMMAND' --help
expect 2 err 'orvalin-cli: a command is needed'
expect 2 err "orvalin-cli: unknown command 'when'" when
expect 2 err "orvalin-cli: at: unknown option '--x'" at 2002 2 11 --x
expect 2 err 'orvalin-cli: at needs YEAR MONTH DAY' at 2002 2
expect 2 err "not also '0'" at 2002 2 11 12 0
expect 2 err 'orvalin-cli: chart needs --output' chart 2002
expect 2 err 'orvalin-cli: chart --output - needs --format' chart 2002 --output -
expect 0 out '2026-03-29,13:11:07,4267' noon 2026 --longitude 13.4050 --zone Europe/Berlin --csv
expect 0 out '2026-01-01   11:44:19  -15 m 41 s' noon 2026 -l 139.7667 -z Asia/Tokyo
expect 0 out '"date":"2026-06-21","noon":"12:33:21"' noon 2026 -l=-157.8583 -z Pacific/Honolulu --json
expect 1 err "orvalin-cli: ZONE 'Nowhere/Else' is not a time-zone name" noon 2026 -l 0 -z Nowhere/Else
# The zone from TZ when no --zone is given, held to the same names.
TZ=Asia/Tokyo expect 0 out '2026-01-01,11:44:19,-941' noon 2026 -l 139.7667 --csv
TZ=:Japan expect 0 out '2026-01-01,11:44:19,-941' noon 2026 -l 139.7667 --csv
TZ=JST-9 expect 1 err "orvalin-cli: TZ 'JST-9' is not a time-zone name" noon 2026 -l 139.7667
# Names that mislead: a tz Etc/GMT+9 is UTC-09:00, and three files of the zone
# folder are no place's zone (posixrules is New York's rules under another name).
expect 1 err "orvalin-cli: ZONE 'GMT+9' is not a time-zone name; did you mean UTC+09:00? (Etc/GMT-9 is the tz name for UTC+09:00" noon 2026 -l 135 -z GMT+9
expect 1 err "orvalin-cli: ZONE '+09:00' is not a time-zone name; did you mean UTC+09:00?" noon 2026 -l 135 -z +09:00
expect 1 err "orvalin-cli: ZONE 'Z' is not a time-zone name; did you mean UTC?" noon 2026 -l 0 -z Z
expect 1 err "orvalin-cli: ZONE 'Asia/Tokyo ' is not a time-zone name; did you mean Asia/Tokyo?" noon 2026 -l 135 -z 'Asia/Tokyo '
for name in posixrules localtime Factory; do
  expect 1 err "orvalin-cli: ZONE '$name' is not a place's zone but " card 2026 -l 0 -z $name -o x.pdf
  TZ=$name expect 1 err "orvalin-cli: TZ '$name' is not a place's zone but " noon 2026 -l 0
  "$cli" zones | grep -qx "$name" && fail "zones lists $name"
done
[ ! -e x.pdf ] || fail "a refused zone left a card"
expect 0 out 'Asia/Tokyo' zones
expect 0 out 'US/Pacific' zones
expect 0 out '<svg' chart 2002 -o - --format svg
expect 1 err "orvalin-cli: HOUR '1e30'" at 2002 2 11 1e30
expect 1 err "orvalin-cli: DAY '30'" at 2002 2 30
expect 1 err "orvalin-cli: MONTH '13'" at 2002 13 1
expect 1 err "orvalin-cli: YEAR '2002abc'" at 2002abc 2 11
expect 1 err "orvalin-cli: --hour '1e9'" table 2026 --hour 1e9
expect 1 err "orvalin-cli: DAY '11\\n'" at 2002 2 $'11\n'
expect 1 err "orvalin-cli: YEAR 'xxxxxxxxxx" at "$(head -c 100000 /dev/zero | tr '\0' x)" 1 1
[ "$(wc -c <err.txt)" -lt 200 ] || fail "a 100 kB argument gave a $(wc -c <err.txt)-byte message"

# The locale does not change how numbers are read or written.
for locale in de_DE.UTF-8 fr_FR.UTF-8 C.UTF-8; do
  LC_ALL=$locale "$cli" chart 2002 -o missing/x.png 2>err.txt
  grep -qx "orvalin-cli: cannot write 'missing/x.png': No such file or directory" err.txt || fail "$locale: $(cat err.txt)"
  [ "$(LC_ALL=$locale "$cli" at 2002 2 11 12.5)" = "$("$cli" at 2002 2 11 12.5)" ] || fail "$locale: 12.5 read differently"
  LC_ALL=$locale "$cli" at 2002 2 11 12,5 >/dev/null 2>&1; [ $? -eq 1 ] || fail "$locale: 12,5 accepted"
  [ "$(LC_ALL=$locale "$cli" table 2002 --csv | md5sum)" = "$("$cli" table 2002 --csv | md5sum)" ] || fail "$locale: table differs"
done

# at --from: good, bad, blank and comment lines, ISO forms; the rows are those of
# one `at` each, the bad lines are named by number and the status is 1.
printf '%s\n' $'\xef\xbb\xbf# observations' '2002 2 11 12' '' '2002-11-03T12:00Z' '2002 13 1' $'  2002\t5\t14\t9  \r' \
  'noon' '-0500-01-01' >instants.txt
for args in "at 2002 2 11 12" "at 2002 11 3 12" "at 2002 5 14 9" "at -- -500 1 1"; do
  # shellcheck disable=SC2086
  "$cli" $args
done >expected.txt
"$cli" at --from instants.txt >out.txt 2>err.txt; status=$?
[ $status -eq 1 ] && cmp -s out.txt expected.txt || fail "at --from: status $status, rows $(head -c 300 out.txt)"
printf '%s\n' "orvalin-cli: line 5: MONTH '13' is not a month 1..12" \
  "orvalin-cli: line 7: 'noon' is not an instant (YEAR MONTH DAY [HOUR] or YYYY-MM-DD[THH:MM[:SS][Z]])" \
  | cmp -s - err.txt || fail "at --from: complaints $(cat err.txt)"
# On one processor the lines are evaluated in turn, with the same rows.
if command -v taskset >/dev/null; then
  taskset -c 0 "$cli" at --from instants.txt >out.txt 2>/dev/null
  cmp -s out.txt expected.txt || fail "at --from on one processor: $(head -c 300 out.txt)"
fi
"$cli" at --from - --csv <instants.txt >out.txt 2>/dev/null
[ "$(head -n 1 out.txt)" = $'date,hour,sign,minutes,seconds,decimal_minutes\r' ] \
  && grep -qx $'2002-11-03,12,+,16,28.2,16.470496\r' out.txt && [ "$(wc -l <out.txt)" -eq 5 ] \
  || fail "at --from - --csv: $(head -c 300 out.txt)"
expect 1 err "orvalin-cli: cannot read 'missing.txt': No such file or directory" at --from missing.txt
# A closed standard input once read as an empty one: no rows, status 0.
expect 1 err "orvalin-cli: cannot read '-': Bad file descriptor" at --from - <&-
expect 2 err "orvalin-cli: at --from takes no YEAR MONTH DAY [HOUR], not also '2002'" at 2002 --from -

# strace, with LeakSanitizer off in a sanitizer build: it cannot work under ptrace.
traced() { ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0" strace "$@"; }

# A read that fails after data: the rows and complaints of the lines read before it
# are written, then the failure (they were once dropped, up to 64 KiB of them).
if strace -o /dev/null true 2>/dev/null; then
  { echo '2002 13 1'; for i in $(seq 4000); do echo "# observation $i, noon at Greenwich"; echo '2002 2 11 12'; done; } \
    >commented.txt
  "$cli" at --from - <commented.txt >all-rows.txt 2>/dev/null
  traced -o reads.txt -e trace=read "$cli" at --from - <commented.txt >/dev/null 2>&1
  first=$(grep -n '^read(0,' reads.txt | head -n 1 | cut -d: -f1)
  traced -o /dev/null -e inject=read:error=EIO:when=$((first + 1)) "$cli" at --from - <commented.txt >out.txt 2>err.txt
  status=$?
  rows=$(wc -l <out.txt)
  [ $status -eq 1 ] && [ "$rows" -gt 1000 ] && [ "$rows" -lt 4000 ] && cmp -s out.txt <(head -n "$rows" all-rows.txt) \
    && printf '%s\n' "orvalin-cli: line 1: MONTH '13' is not a month 1..12" "orvalin-cli: cannot read '-': Input/output error" \
    | cmp -s - err.txt || fail "at --from -, a read error after data: status $status, $rows rows, $(cat err.txt)"
else
  echo "SKIP: a read error after data (no strace, or tracing not allowed)"
fi

# A pipe that feeds one line at a time gets each answer before it sends the next.
# (Bash unsets batch_PID once the coprocess has ended, perhaps before the wait.)
coproc batch { "$cli" at --from -; }
batch_pid=$batch_PID
echo '2002 2 11 12' >&"${batch[1]}"
read -t 10 -r row <&"${batch[0]}" && [ "$row" = '- 14 16.3 -14.271947' ] || fail "at --from -: no answer to one line"
exec {batch[1]}>&-
wait "$batch_pid" || fail "at --from -: status $? after one line"

# Memory does not grow with the input: the peak while 2,000,000 lines wait for more
# input is that of 1,000 lines, give or take 16 MB.
peak_after() {
  local lines=$1 pid
  mkfifo feed
  "$cli" at --from - <feed >rows.txt & pid=$!
  exec {feed}>feed
  yes '2002 2 11 12' | head -n "$lines" >&"$feed"
  for _ in $(seq 600); do [ "$(stat -c %s rows.txt)" -ge $((lines * 21)) ] && break; sleep 0.1; done
  awk '/^VmHWM/ {print $2}' "/proc/$pid/status"
  exec {feed}>&-
  wait "$pid"
  rm -f feed
}
small=$(peak_after 1000)
large=$(peak_after 2000000)
echo "at --from: peak memory ${small} kB for 1,000 lines, ${large} kB for 2,000,000"
[ "$(stat -c %s rows.txt)" -eq 42000000 ] && [ $((large - small)) -lt 16384 ] \
  || fail "at --from: peak ${small} kB for 1,000 lines, ${large} kB for 2,000,000"

# A full disk mid-stream is one line and status 1; a reader that stops early is not
# an error, with SIGPIPE or without.
yes '2002 2 11 12' | head -n 100000 | "$cli" at --from - >/dev/full 2>err.txt; status=$?
[ $status -eq 1 ] && [ "$(cat err.txt)" = 'orvalin-cli: write error: No space left on device' ] \
  || fail "at --from - >/dev/full: status $status, $(cat err.txt)"
yes '2002 2 11 12' | head -n 1000000 | "$cli" at --from - 2>err.txt | head -n 1 >/dev/null
[ -s err.txt ] && fail "at --from - | head: $(cat err.txt)"
yes '2002 2 11 12' | head -n 1000000 | (trap '' PIPE; "$cli" at --from - 2>err.txt) | head -n 1 >/dev/null
[ -s err.txt ] && fail "at --from - | head, SIGPIPE ignored: $(cat err.txt)"

# Standard output is checked: a full disk or a closed stdout is an error, a reader
# that stops early is not.
for args in "table 2026" "at 2002 2 11 12" "--help" "chart 2002 --output - --format png"; do
  # shellcheck disable=SC2086
  "$cli" $args >/dev/full 2>err.txt; status=$?
  [ $status -eq 1 ] && grep -qx 'orvalin-cli: write error: No space left on device' err.txt \
    || fail "$args >/dev/full: status $status, $(cat err.txt)"
  # shellcheck disable=SC2086
  "$cli" $args >&- 2>err.txt; status=$?
  [ $status -eq 1 ] && grep -q '^orvalin-cli: write error: ' err.txt || fail "$args >&-: status $status, $(cat err.txt)"
done
# A name of the closed standard output is not the /dev/null that holds its place.
for name in /dev/stdout /dev/fd/1 /proc/self/fd/1; do
  "$cli" chart 2002 -o $name -f png >&- 2>err.txt; status=$?
  [ $status -eq 1 ] && [ "$(cat err.txt)" = "orvalin-cli: cannot write '$name': Bad file descriptor" ] \
    || fail "-o $name >&-: status $status, $(cat err.txt)"
done
"$cli" chart 2002 -o /dev/null -f png >&- 2>err.txt || fail "-o /dev/null >&-: $(cat err.txt)"
{ sleep 0.3; "$cli" table 2026 2>err.txt; } | true
[ -s err.txt ] && fail "a reader closing early: $(cat err.txt)"
{ trap '' PIPE; sleep 0.3; "$cli" table 2026 2>err.txt; } | true
[ -s err.txt ] && fail "a reader closing early, SIGPIPE ignored: $(cat err.txt)"

# The image to standard output, to a file, through a link, into a FIFO and a device.
leftovers() { find "$work" -name '.orvalin-*' | grep -q . && fail "$1: a temporary file was left"; }
"$cli" chart 2002 --output reference.png 2>err.txt || fail "chart to a file: $(cat err.txt)"
[ "$(head -c 8 reference.png | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "reference.png is not a PNG"
"$cli" chart 2002 --output - --format png >stdout.png && cmp -s stdout.png reference.png || fail "--output - differs"
"$cli" chart 2002 -o /dev/stdout -f png | cmp -s - reference.png || fail "/dev/stdout differs"
# A name of standard output is written through it, at its offset: what the shell
# wrote before and after stays, with `>` and with `>>` (it once replaced the file).
"$cli" chart 2002 -o - -f svg >reference.svg
for name in /dev/stdout /dev/fd/1 /proc/self/fd/1; do
  { echo H; "$cli" chart 2002 -o $name -f svg; echo F; } >all.txt 2>err.txt \
    && { echo H; cat reference.svg; echo F; } | cmp -s - all.txt || fail "{ H; -o $name; F; } > file: $(cat err.txt)"
  echo OLD >appended.txt
  "$cli" chart 2002 -f svg -o $name >>appended.txt 2>err.txt \
    && { echo OLD; cat reference.svg; } | cmp -s - appended.txt || fail "-o $name >> file: $(cat err.txt)"
  { echo H; "$cli" chart 2002 -o $name -f svg; echo F; } | cat >piped.txt \
    && cmp -s all.txt piped.txt || fail "{ H; -o $name; F; } | cat"
done
leftovers "-o /dev/stdout into a file"

echo old >target.png && ln -s target.png link.png
"$cli" chart 2002 -o link.png && [ -L link.png ] && cmp -s target.png reference.png || fail "symlink: link replaced or target not written"
ln -s not-yet.png dangling.png
"$cli" chart 2002 -o dangling.png && [ -L dangling.png ] && cmp -s not-yet.png reference.png || fail "dangling symlink"

mkfifo pipe
cat pipe >from-pipe.png &
"$cli" chart 2002 -o pipe -f png; wait
[ -p pipe ] && cmp -s from-pipe.png reference.png || fail "FIFO replaced or not written"

"$cli" chart 2002 -o /dev/full -f png 2>err.txt; status=$?
[ -c /dev/full ] || fail "/dev/full IS NO LONGER A CHARACTER DEVICE"
[ $status -eq 1 ] && grep -qF "orvalin-cli: cannot write '/dev/full': No space left on device" err.txt \
  || fail "/dev/full: status $status, $(cat err.txt)"

mkdir folder
"$cli" chart 2002 -o folder -f png 2>err.txt; status=$?
[ $status -eq 1 ] && [ -d folder ] && [ -z "$(ls -A folder)" ] && grep -qF "'folder': it is a folder" err.txt \
  || fail "folder: status $status, $(cat err.txt)"
leftovers folder

# File names are bytes.
"$cli" chart 2002 -o $'\xff\xfe.png' && cmp -s $'\xff\xfe.png' reference.png || fail "a non-UTF-8 name was not written as given"
[ ! -e $'\xef\xbf\xbd\xef\xbf\xbd.png' ] || fail "non-UTF-8 name: written with U+FFFD in its place"

# A replaced file keeps its mode (and, as root, its owner). A file the caller may
# not write is refused though its folder is writable, as `cp` refuses it; root may.
echo old >readonly.png && chmod 0444 readonly.png
if [ "$(id -u)" -eq 0 ]; then
  "$cli" chart 2002 -o readonly.png && cmp -s readonly.png reference.png || fail "0444 file not replaced"
  [ "$(stat -c %a readonly.png)" = 444 ] || fail "0444 file now $(stat -c %a readonly.png)"
else
  "$cli" chart 2002 -o readonly.png 2>err.txt; status=$?
  [ $status -eq 1 ] && [ "$(cat err.txt)" = "orvalin-cli: cannot write 'readonly.png': Permission denied" ] \
    && [ "$(cat readonly.png)" = old ] || fail "0444 file: status $status, $(cat err.txt)"
fi
if [ "$(id -u)" -eq 0 ]; then
  echo old >owned.png && chown 65534:65534 owned.png && chmod 0640 owned.png
  "$cli" chart 2002 -o owned.png || fail "owned.png not replaced"
  [ "$(stat -c %u:%g:%a owned.png)" = 65534:65534:640 ] || fail "owned.png now $(stat -c %u:%g:%a owned.png)"
fi

# A folder we may not write to: as root, checked as the unprivileged user nobody.
mkdir readonly-folder && chmod 0555 readonly-folder
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --reset-env)
mkdir -m 0777 cache
if [ "$(id -u)" -ne 0 ] || command -v setpriv >/dev/null; then
  "${as_user[@]}" env XDG_CACHE_HOME="$work/cache" HOME="$work/cache" "$cli" chart 2002 -o readonly-folder/x.png 2>err.txt
  status=$?
  [ $status -eq 1 ] && [ "$(wc -l <err.txt)" -eq 1 ] && grep -qF "cannot write 'readonly-folder/x.png': a new file cannot be made in its folder 'readonly-folder' (Permission denied), where the file is replaced whole" err.txt \
    || fail "read-only folder: status $status, $(cat err.txt)"
  [ -z "$(ls -A readonly-folder)" ] || fail "read-only folder: something was written"
  # A file anyone may write, in that folder: the folder is named as the reason.
  chmod 0755 readonly-folder && echo old >readonly-folder/open.png && chmod 0666 readonly-folder/open.png && chmod 0555 readonly-folder
  "${as_user[@]}" env XDG_CACHE_HOME="$work/cache" HOME="$work/cache" "$cli" chart 2002 -o readonly-folder/open.png 2>err.txt
  status=$?
  [ $status -eq 1 ] && grep -qF "cannot write 'readonly-folder/open.png': a new file cannot be made in its folder 'readonly-folder'" err.txt \
    && [ "$(cat readonly-folder/open.png)" = old ] || fail "a writable file in a read-only folder: status $status, $(cat err.txt)"
  mkdir -m 0777 open-folder && echo old >open-folder/ro.png && chmod 0444 open-folder/ro.png
  (cd open-folder && "${as_user[@]}" env XDG_CACHE_HOME="$work/cache" HOME="$work/cache" "$cli" chart 2002 -o ro.png 2>../err.txt)
  status=$?
  [ $status -eq 1 ] && [ "$(cat err.txt)" = "orvalin-cli: cannot write 'ro.png': Permission denied" ] \
    && [ "$(cat open-folder/ro.png)" = old ] && [ "$(stat -c %u open-folder/ro.png)" = "$(id -u)" ] \
    || fail "another's 0444 file in an open folder: status $status, $(cat err.txt)"
  leftovers "another's 0444 file"
else
  echo "SKIP: read-only folder (root without setpriv)"
fi

# A write that fails half-way (file size limit) leaves nothing and says one line.
echo old >kept.png
for name in big.png kept.png; do
  bash -c 'ulimit -f 4; exec "$0" chart 2002 --output "$1"' "$cli" "$name" 2>err.txt; status=$?
  [ $status -eq 1 ] && [ "$(cat err.txt)" = "orvalin-cli: cannot write '$name': File too large" ] \
    || fail "size limit, $name: status $status, $(cat err.txt)"
done
[ ! -e big.png ] || fail "size limit: a partial big.png was left"
[ "$(cat kept.png)" = old ] || fail "size limit: kept.png was changed"
leftovers "size limit"

# A kill while the new content is written: the content is in an unnamed file, so
# nothing is left and the old file stays, even after SIGKILL. Once the new file has
# a name, a SIGTERM waits until it is in place.
if strace -o /dev/null true 2>/dev/null; then
  # A file system without unnamed files takes a named new file instead, which a
  # SIGKILL leaves behind: checked only where the folder has them.
  signals=SIGTERM
  traced -o unnamed.log -e trace=openat "$cli" chart 2002 -o probe.png 2>/dev/null
  grep -q 'O_TMPFILE.* = [0-9]' unnamed.log && signals="SIGTERM SIGKILL" \
    || echo "SKIP: SIGKILL in mid-write (no unnamed files in $work's file system)"
  for signal in $signals; do
    echo old >killed.png
    (traced -o /dev/null -e inject=fsync:signal=$signal "$cli" chart 2002 -o killed.png; :) 2>/dev/null
    [ "$(cat killed.png)" = old ] || fail "$signal at the sync: killed.png was changed"
    leftovers "$signal at the sync"
  done
  (traced -o /dev/null -e inject=rename:signal=SIGTERM "$cli" chart 2002 -o renamed.png; :) 2>/dev/null
  cmp -s renamed.png reference.png || fail "SIGTERM at the rename: renamed.png is not the chart"
  leftovers "SIGTERM at the rename"
else
  echo "SKIP: a kill in mid-write (no strace, or tracing not allowed)"
fi

# The correction card: a PDF whose text holds the standard-time corrections.
"$cli" card 2026 --longitude 13.4050 --zone Europe/Berlin -o berlin-card.pdf 2>err.txt || fail "card: $(cat err.txt)"
card_text=$(pdftotext -layout berlin-card.pdf - 2>/dev/null)
grep -Eq '^ *1 +\+9:56 ' <<<"$card_text" || fail "card: 1 January is not +9:56"
grep -Eq '^ *29 +\+19:30 +\+11:07 ' <<<"$card_text" || fail "card: 29 March is not +11:07"
expect 1 err "orvalin-cli: ZONE 'CET1' is not a time-zone name" card 2026 -l 13.4 -z CET1 -o x.pdf
expect 1 err "orvalin-cli: --lang 'de' is not ja or en" card 2026 -l 13.4 --lang de -o x.pdf

# The text commands start without Qt's GUI; the drawing commands load the drawing
# module when they draw. A copy of orvalin-cli without it still answers their
# help, refuses their wrong values, and says why it cannot draw.
ldd "$cli" | grep -q libQt6Gui && fail "orvalin-cli links Qt Gui"
mkdir lonely && cp "$cli" lonely/
lonely/orvalin-cli chart --help 2>&1 | grep -q '^Usage: orvalin-cli chart ' || fail "chart --help needs the drawing module"
lonely/orvalin-cli chart 2002x -o lonely.png 2>err.txt; status=$?
[ $status -eq 1 ] && grep -q "^orvalin-cli: YEAR '2002x' is not" err.txt || fail "chart 2002x without the module: $(cat err.txt)"
lonely/orvalin-cli chart 2002 -o lonely.png 2>err.txt; status=$?
[ $status -eq 1 ] && grep -q '^orvalin-cli: cannot load the drawing module .*: cannot open shared object file: No such file or directory$' err.txt \
  || fail "without the drawing module: status $status, $(cat err.txt)"
[ -e lonely.png ] && fail "without the drawing module: lonely.png was written"

# The noon mark. PyEphem puts the Sun at 31.1924 degrees, azimuth 184.2183 at
# Tokyo (35.6812 N, 139.7671 E) at 12:00 JST on 1 January 2026, without refraction.
"$cli" noonmark --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --height 1000 --year 2026 --no-refraction \
  -f csv >mark.csv 2>err.txt || fail "noonmark csv: $(cat err.txt)"
head -1 mark.csv | grep -q $'^date,x_mm,y_mm,altitude_deg,azimuth_deg\r$' || fail "noonmark csv header: $(head -1 mark.csv)"
awk -F, '$1 == "2026-01-01" { found = 1; bad = ($4 - 31.1924)^2 > 0.03^2 || ($5 - 184.2183)^2 > 0.03^2 }
         END { exit bad || !found }' mark.csv || fail "noonmark: 1 January is not the ephemeris's Sun: $(grep 2026-01-01 mark.csv)"
# True size: the page is A4 in points and the scale bar's 0 and 100 lie 100 mm (283.46 pt) apart.
"$cli" noonmark --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --height 120 -o mark.pdf 2>err.txt || fail "noonmark pdf: $(cat err.txt)"
pdfinfo mark.pdf | grep -q '^Page size: *595 x 842 pts (A4)' || fail "noonmark: the page is not A4"
pdftotext -bbox mark.pdf - | awk -F'"' '$4 > 700 && />0<\/word>/ { zero = ($2 + $6) / 2 } $4 > 700 && />100<\/word>/ { hundred = ($2 + $6) / 2 }
  END { d = hundred - zero - 283.4646; exit !(d * d < 0.3 * 0.3) }' || fail "noonmark: the scale bar is not 100 mm long"
"$cli" noonmark --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --height 100 --paper letter -f svg >mark.svg
grep -q 'width="215.9mm" height="279.4mm"' mark.svg || fail "noonmark: the SVG is not letter size in mm"
# A 1 m nodus needs pages: the first maps them and counts them all.
"$cli" noonmark --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --height 1000 --lang en -o big.pdf 2>err.txt || fail "noonmark 1 m: $(cat err.txt)"
pages=$(pdfinfo big.pdf | sed -n 's/^Pages: *//p')
map_text=$(pdftotext -f 1 -l 1 big.pdf - 2>/dev/null)
[ "${pages:-0}" -gt 2 ] && grep -qF "Map (page 1 of $pages)" <<<"$map_text" || fail "noonmark 1 m: $pages pages, no map of them"
expect 1 err "pages of a4, more than 200; use --format csv" noonmark --latitude 60 -l 0 -z UTC --height 100000 -o huge.pdf
expect 1 err "and an SVG holds 100 m at most" noonmark --latitude 60 -l 0 -z UTC --height 100000 -o huge.svg
[ ! -e huge.pdf ] || fail "noonmark: a refused figure left a file"
expect 2 err 'orvalin-cli: noonmark needs --height MM' noonmark --latitude 35 -l 0 -f csv
expect 1 err "orvalin-cli: --latitude '90.5' is not a latitude" noonmark --latitude 90.5 -l 0 --height 10 -f csv
expect 1 err "orvalin-cli: --latitude '-0.5' is within 1 degree of the equator" noonmark --latitude -0.5 -l 0 --height 10 --surface wall -f csv
expect 1 err "orvalin-cli: --height '0' is not a height 0.1 <= MM <= 100000" noonmark --latitude 35 -l 0 --height 0 -f csv
# A height the sheet could print only as 1e-21 was accepted; below 0.1 mm is refused.
expect 1 err "orvalin-cli: --height '0.000000000000000000001' is not a height" noonmark --latitude 35 -l 0 --height 0.000000000000000000001 -f csv
expect 1 err "orvalin-cli: --height '0.09'" noonmark --latitude 35 -l 0 --height 0.09 -f csv
expect 1 err "orvalin-cli: --height '100000.1'" noonmark --latitude 35 -l 0 --height 100000.1 -f csv
expect 1 err "orvalin-cli: --time '24:00' is not a clock time HH:MM" noonmark --latitude 35 -l 0 --height 10 --time 24:00 -f csv
expect 1 err "orvalin-cli: --time '7:30'" noonmark --latitude 35 -l 0 --height 10 --time 7:30 -f csv
expect 1 err "orvalin-cli: --surface 'ceiling' is not floor or wall" noonmark --latitude 35 -l 0 --height 10 --surface ceiling -f csv
expect 1 err "orvalin-cli: --paper 'a5' is not a4, a3 or letter" noonmark --latitude 35 -l 0 --height 10 --paper a5 -o x.pdf
expect 1 err "orvalin-cli: --format 'png' is not svg, pdf or csv" noonmark --latitude 35 -l 0 --height 10 -f png -o x.png
expect 1 err "orvalin-cli: ZONE 'JST' is not a time-zone name; did you mean Asia/Tokyo?" noonmark --latitude 35 -l 139 -z JST --height 10 -f csv

# The dial. On a horizontal plate at 35.6812 N the equinox's shadow runs along the
# line y = 100 tan 35.6812 = 71.81 mm, at x = 100 tan H / cos 35.6812 for the hour
# angle H of each standard hour at 139.7671 E (UTC+9); the centre is 100 / tan
# 35.6812 = 139.26 mm south of the foot.
"$cli" dial --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --year 2026 -f csv >dial.csv 2>err.txt || fail "dial csv: $(cat err.txt)"
head -1 dial.csv | grep -q $'^kind,time,date,declination_deg,x_mm,y_mm\r$' || fail "dial csv header: $(head -1 dial.csv)"
grep -q $'^foot,,,,0.00,0.00\r$' dial.csv && grep -q $'^centre,,,,0.00,-139.26\r$' dial.csv || fail "dial: foot or centre: $(head -3 dial.csv)"
awk -F, '$1 == "hour" && $4 == "0.00" { n++; h = (substr($2, 1, 2) + substr($2, 4, 2) / 60 - 12) * 15 + 4.7671
  r = 3.14159265358979 / 180; x = 100 * sin(h * r) / cos(h * r) / cos(35.6812 * r)
  bad += ($5 - x)^2 > 0.011^2 || ($6 - 71.81)^2 > 0.011^2 } END { exit bad || n < 9 }' dial.csv || fail "dial: the equinox's points are not Meeus's"
[ "$(grep -c $'^hour,12:00,2026-' <("$cli" dial --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --year 2026 --time mean -f csv))" -eq 365 ] \
  || fail "dial --time mean: not one 12:00 row a day"
# A plate parallel to the axis (tilted by the latitude, facing south) has no centre.
"$cli" dial --latitude 50 --tilt 50 --time apparent -f csv | grep -q '^centre' && fail "dial: a polar plate has a centre"
# csv and dxf never load the GUI libraries; a page does.
for format in csv dxf pdf; do
  LD_DEBUG=libs "$cli" dial --latitude 35 -l 135 -z Asia/Tokyo -f $format >dial.$format 2>libs.txt
  loads=no; grep -q 'init:.*libQt6Gui' libs.txt && loads=yes
  [ "$loads" = "$([ $format = pdf ] && echo yes || echo no)" ] || fail "dial -f $format: loads Qt Gui: $loads"
done
grep -q $'^\\$INSUNITS\n70\n4$' <(sed -n '/^\$INSUNITS$/,+2p' dial.dxf) || fail "dial dxf: no \$INSUNITS 4"
# The pages: the map, the tiles and the notes, each with a 100 mm scale bar.
"$cli" dial --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --height 120 --lang en -o dial.pdf 2>err.txt || fail "dial pdf: $(cat err.txt)"
pages=$(pdfinfo dial.pdf | sed -n 's/^Pages: *//p')
pdftotext -f "${pages:-1}" -l "${pages:-1}" dial.pdf - | grep -qF "Notes (page $pages of $pages)" || fail "dial: no notes on the last of $pages pages"
pdftotext -bbox dial.pdf - | awk -F'"' -v pages="${pages:-0}" '/<page/ { p++ } $4 > 700 && />0<\/word>/ { zero[p] = ($2 + $6) / 2 }
  $4 > 700 && />100<\/word>/ { hundred[p] = ($2 + $6) / 2 }
  END { for (i = 1; i <= p; i++) { d = hundred[i] - zero[i] - 283.4646; ok += d * d < 0.3 * 0.3 } exit !(p > 3 && ok == p && p == pages) }' \
  || fail "dial: not every one of $pages pages has a 100 mm scale bar"
"$cli" dial --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --height 20 --paper letter -f svg >dial.svg
grep -q 'width="215.9mm" height="279.4mm"' dial.svg || fail "dial: the SVG is not letter size in mm"
# Notes that are no complaint: exit 0, the output whole.
"$cli" dial --latitude 35 -l 135 -z Asia/Tokyo --summer -f csv >out.txt 2>err.txt || fail "dial --summer without summer time fails"
grep -qx 'orvalin-cli: dial: Asia/Tokyo has no summer time in [0-9]*: no summer-time numerals' err.txt && [ -s out.txt ] \
  || fail "dial --summer in Tokyo: $(cat err.txt)"
"$cli" dial --latitude 50 -l 8.68 -z Europe/Berlin --tilt 90 --facing 0 --year 2026 -f csv >out.txt 2>err.txt || fail "dial on a north wall fails"
grep -qx 'orvalin-cli: dial: no lines on 2026-01-01 to 2026-05-07: the Sun does not reach the plate then' err.txt \
  || fail "dial on a north wall: $(cat err.txt)"
expect 1 err "orvalin-cli: dial: a plate tilted 180 degrees faces straight down, and the Sun never reaches it" dial --latitude 35 --tilt 180 --time apparent -f csv
expect 1 err "orvalin-cli: --tilt '181' is not a tilt 0..180" dial --latitude 35 --tilt 181 --time apparent -f csv
expect 1 err "orvalin-cli: --facing '-10' is not an azimuth 0..360" dial --latitude 35 --facing -10 --time apparent -f csv
expect 1 err "orvalin-cli: --step '20' is not 60, 30, 15 or 10" dial --latitude 35 --step 20 --time apparent -f csv
expect 1 err "orvalin-cli: --dates 'weeks' is not none, seasons, zodiac or months" dial --latitude 35 --dates weeks --time apparent -f csv
expect 1 err "orvalin-cli: --time 'solar' is not apparent, standard or mean" dial --latitude 35 --time solar -f csv
expect 1 err "orvalin-cli: --format 'png' is not csv, svg, pdf or dxf" dial --latitude 35 --time apparent -f png
expect 1 err "orvalin-cli: --height '0' is not a height" dial --latitude 35 --height 0 --time apparent -f csv
expect 1 err "orvalin-cli: dial: the sheet needs" dial --latitude 35 --height 2000 --time apparent -o huge.pdf
grep -q "pages of a4, more than 200; use --format svg, dxf or csv" err.txt || fail "dial: a heap of pages: $(cat err.txt)"
expect 1 err "and an SVG holds 100 m at most; use --format dxf or csv" dial --latitude 35 --height 100000 --time apparent -o huge.svg
[ ! -e huge.pdf ] && [ ! -e huge.svg ] || fail "dial: a refused sheet left a file"
expect 2 err "orvalin-cli: dial needs --latitude DEG" dial -f csv
expect 2 err "orvalin-cli: dial needs --longitude DEG for standard time" dial --latitude 35 -f csv
expect 2 err "orvalin-cli: dial: --summer needs --time standard or mean" dial --latitude 35 --time apparent --summer -f csv
# A wall's facing from a rod's shadow, one reading or a file of them.
expect 0 out 'give dial and noonmark --facing 243.8' facing --latitude 35.6812 -l 139.7671 -z Asia/Tokyo \
  --at 2026-05-10T14:30 --shadow-angle 12.5
expect 1 err "never showed on Europe/Berlin's clocks" facing --latitude 52.5 -l 13.4 -z Europe/Berlin \
  --at 2026-03-29T02:30 --shadow-angle 0
printf '%s\n' '# a wall' '2026-05-10T14:30 12.5' '2026-05-10T14:30 13.1' 'at noon 5' >readings.txt
"$cli" facing --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --from - <readings.txt >out.txt 2>err.txt; status=$?
[ $status -eq 1 ] && grep -q '^mean of 2 readings: facing 243\.' out.txt \
  && grep -qx "orvalin-cli: line 4: 'at noon 5' is not a reading (YYYY-MM-DDTHH:MM\[:SS\] ANGLE)" err.txt \
  || fail "facing --from -: status $status, $(head -c 300 out.txt) $(cat err.txt)"

# The analemmatic dial: the CSV, and the plan at the scale it prints. The 1 m bar's
# ends, 0 and "1 m", lie 1000/N mm apart on the page.
"$cli" analemmatic --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --size 3 --year 2026 -f csv >dial.csv 2>err.txt \
  && head -1 dial.csv | grep -q $'^kind,label,x_m,y_m\r$' && grep -q $'^hour,12:00,0.249,1.744\r$' dial.csv \
  || fail "analemmatic csv: $(head -c 300 dial.csv) $(cat err.txt)"
"$cli" analemmatic --latitude 35.6812 -l 139.7671 -z Asia/Tokyo --size 3 --year 2026 -o dial.pdf 2>err.txt \
  || fail "analemmatic pdf: $(cat err.txt)"
pdfinfo dial.pdf | grep -q '^Page size: *595 x 842 pts (A4)' || fail "analemmatic: the page is not A4"
scale=$(pdftotext dial.pdf - | sed -n 's/.*縮尺 1:\([0-9]*\).*/\1/p' | head -1)
pdftotext -bbox dial.pdf - | awk -F'"' -v n="${scale:-0}" '
  />0<\/word>/ && $4 > 600 { zero = ($2 + $6) / 2; y = $4 }
  />1<\/word>/ && $4 > 600 && $4 == y { one = $2 }
  />m<\/word>/ && $4 > 600 && $4 == y && one > 0 && !end { end = (one + $6) / 2 }
  END { want = 1000 / n * 72 / 25.4; exit !(n > 0 && end > 0 && (end - zero - want)^2 < 1) }' \
  || fail "analemmatic: the 1 m bar is not 1000/${scale:-?} mm long"
expect 1 err "--summer: Asia/Tokyo keeps no summer time" analemmatic --latitude 35 -l 139 -z Asia/Tokyo --size 3 --summer -f csv

# The noon mark on a wall facing any way; the days without a point are named.
"$cli" noonmark --latitude 52.52 -l 13.405 -z Europe/Berlin --height 60 --facing 300 --time 17:00 --year 2026 \
  -o wnw.pdf 2>err.txt; status=$?
[ $status -eq 0 ] && grep -qx 'orvalin-cli: noonmark: no shadow on the plate at 17:00 on 110 days: 2026-01-01 to 2026-02-06, 2026-10-20 to 2026-12-31' err.txt \
  && pdftotext wnw.pdf - | grep -q '影のない日：110 日' || fail "noonmark --facing 300: status $status, $(cat err.txt)"
expect 1 err 'on no day of 2026 at 12:00' noonmark --latitude 35.68 -l 139.77 -z Asia/Tokyo --height 60 --facing 90 --year 2026 -f csv

# The card of a dial corrected for longitude: -E, +14:10.5 on 11 February by PyEphem.
"$cli" card 2026 -l 13.4050 -z Europe/Berlin --no-longitude -o e-card.pdf 2>err.txt || fail "card --no-longitude: $(cat err.txt)"
grep -Eq '^ *11 +[^ ]+ +\+14:(0[6-9]|1[0-5]) ' <<<"$(pdftotext -layout e-card.pdf - 2>/dev/null)" \
  || fail "card --no-longitude: 11 February is not within 5 s of +14:10.5"

# Completion: each row is a line that must be offered, then the words typed, the
# last one being completed. A value may follow its option as a word or after "="
# (which bash makes a word of its own, or leaves in the word).
complete_words() {
  COMP_WORDS=("$cli" "$@"); COMP_CWORD=$(($# )); COMPREPLY=()
  # shellcheck source=/dev/null
  source "$completion" && _orvalin_cli && printf '%s\n' "${COMPREPLY[@]}"
}
touch 'my chart.png'
while IFS='|' read -ra row; do
  offered=$(complete_words "${row[@]:1}")
  grep -qxF -- "${row[0]}" <<<"$offered" || fail "completion of '${row[*]:1}': '${row[0]}' not offered: $offered"
done <<'ROWS'
Japan|noon|2026|--zone|Ja
Asia/Tokyo|noon|-z|Asia/To
US/Pacific|noon|-z|US/Pac
Etc/GMT-9|noon|--zone|=|Etc/GMT-
--zone=Asia/Tokyo|noon|--zone=Asia/To
my chart.png|chart|2002|-o|my
my chart.png|chart|2002|-o|my\ ch
my chart.png|card|2026|-o|'my
my chart.png|chart|2002|--output|=|my
my chart.png|chart|2002|--output|=
--output=my\ chart.png|chart|2002|--output=my
pdf|card|--format|=|p
--legend|chart|2002|--le
wall|noonmark|--surface|w
csv|noonmark|-f|c
letter|noonmark|--paper|l
mean|dial|--time|m
zodiac|dial|--dates|z
dxf|dial|--format|d
--facing|dial|--fa
30|dial|--step|3
--shadow-angle|facing|--sh
facing|fa
analemmatic|ana
--summer|analemmatic|--su
csv|analemmatic|-f|c
--no-longitude|card|2026|--no
--tilt|noonmark|--ti
00|noon|--zone|UTC+09|:
30|noon|-z|UTC+05|:|3
00|noon|--zone|=|UTC+09|:
00|card|--zone=UTC+09|:
ROWS
# Every long option a command's help lists is offered after its name.
for command in $("$cli" --help | sed -n '/^Commands:/,/^$/p' | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p'); do
  offered=$(complete_words "$command" --)
  for option in $("$cli" "$command" --help | sed -n '/^Options:/,$p' | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qxF -- "$option" <<<"$offered" || fail "completion of '$command --' does not offer $option"
  done
done
[ -z "$(complete_words noon -z right/)" ] || fail "completion offers the right/ zones"
# Where ':' does not break words, the value is one word and the answer all of it.
[ "$(COMP_WORDBREAKS=${COMP_WORDBREAKS//:} complete_words noon --zone UTC+09:3)" = UTC+09:30 ] \
  || fail "completion of UTC+09:3 with ':' no word break"
[ "$(COMP_LINE='orvalin-cli noon --zone UTC+09:3' COMP_POINT=33 complete_words noon --zone UTC+09 : 3)" = 30 ] \
  || fail "completion of UTC+09:3 with COMP_LINE set"
[ "$(complete_words chart 2002 -o my | wc -l)" -eq 1 ] || fail "completion splits 'my chart.png'"

[ $failures -eq 0 ] && echo "all cases passed"
exit $((failures > 0))

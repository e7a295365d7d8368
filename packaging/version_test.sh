#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One version everywhere: the project's (CMakeLists.txt) is what orvalin and
# orvalin-cli print, what the newest changelog entry and AppStream release name,
# and what both manual pages carry. A release changes CMakeLists.txt, the changelog,
# the AppStream file and the manual pages; this says which of them was forgotten.
# (The package's own version is checked against the changelog by check-package.)
#     version_test.sh VERSION ORVALIN ORVALIN_CLI SOURCE_DIR
set -uo pipefail
version=$1 orvalin=$2 cli=$3 source=$4
failures=0
agree() {  # agree WHAT FOUND
  if [ "$2" != "$version" ]; then
    echo "FAIL: $1 says '$2', the project $version"
    failures=$((failures + 1))
  fi
}
agree "orvalin --version" "$(env -u DISPLAY -u WAYLAND_DISPLAY "$orvalin" --version | sed -n 's/^orvalin //p')"
agree "orvalin-cli --version" "$("$cli" --version | sed -n 's/^orvalin-cli //p')"
agree "the newest changelog entry" "$(sed -n '1s/^orvalin (\([^)]*\)).*/\1/p' "$source/packaging/changelog")"
agree "the newest AppStream release" \
  "$(grep -o '<release version="[^"]*"' "$source/packaging/io.github.orvalin.orvalin.metainfo.xml" | head -1 | cut -d'"' -f2)"
for page in orvalin orvalin-cli; do
  agree "$page(1)'s title line" "$(sed -n 's/^\.TH .* "Orvalin \([^"]*\)".*/\1/p' "$source/packaging/man/$page.1")"
done
agree "orvalin-cli(1)'s --version" "$(sed -n 's/^\.RB ( "orvalin\\-cli \([^"]*\)" )$/\1/p' "$source/packaging/man/orvalin-cli.1")"
[ $failures -eq 0 ] && echo "every place says $version"
exit $((failures > 0))

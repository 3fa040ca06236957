#!/usr/bin/env bash
# check_deb.sh BUILD_DIR
# Builds the Debian package from the build, unpacks it into a throwaway root
# and runs the packaged tool there: it writes a demo installation and lists
# its records exactly as the tool of the build does. Lintian, when installed,
# must find no error and no warning.
set -uo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    { cat "$work/cpack.log" >&2; echo "FAIL: cpack" >&2; exit 1; }
deb=$(echo "$work"/package/vantrel_*_amd64.deb)
[ -f "$deb" ] || { echo "FAIL: no package in $work/package" >&2; exit 1; }

# The libraries come from dpkg-shlibdeps, the run-time plugins by name.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libxml2 libstdc++6 qt6-qpa-plugins fonts-wine; do
    grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$work/root" || fail "dpkg -x"
tool=$work/root/usr/bin/vantrel-tool
[ "$("$tool" --version)" = "vantrel-tool $(dpkg-deb -f "$deb" Version)" ] || fail "the packaged tool's version"
(cd "$work" && "$tool" demo installation >/dev/null) || fail "the packaged tool's demo"
listed=$(cd "$work/installation" && "$tool" list --day 2024-05-13) || fail "the packaged tool's list"
expected=$(cd "$work/installation" && "$build/src/tool/vantrel-tool" list --day 2024-05-13)
[ -n "$listed" ] && [ "$listed" = "$expected" ] || fail "the packaged tool lists: $listed"

if command -v lintian >/dev/null; then
    verdict=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $verdict"
fi
[ $failures -eq 0 ]

#!/usr/bin/env bash
# Checks the Debian package built by tools/package-deb.sh.
#   bash tools/check-deb.sh DEB BUILD_DIR
# Always: lintian reports no error; the desktop entry and the AppStream
# metainfo inside the package validate.
# Then, only as root with CI=true or GRAVITARIA_PACKAGE_INSTALL_TEST=1 (it
# changes the system): installs the package with apt-get, drives the
# installed /usr/bin/gravitaria with the build tree's real-program test on
# the Xvfb display GRAVITARIA_XVFB_DISPLAY, checks the installed table tool,
# purges the package and checks that none of its files remain.
set -euo pipefail
DEB=$(realpath "$1")
BUILD=$(realpath "$2")
status=0
fail() { echo "FAILED: $*" >&2; status=1; }

echo "-- lintian"
lintian --allow-root --fail-on error "$DEB" || fail "lintian reports errors"

echo "-- desktop entry and metainfo"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$DEB" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"

if [ "$(id -u)" -ne 0 ] || { [ "${CI:-}" != "true" ] && [ "${GRAVITARIA_PACKAGE_INSTALL_TEST:-}" != "1" ]; }; then
  echo "-- install, start and purge skipped (they need root and CI=true or GRAVITARIA_PACKAGE_INSTALL_TEST=1)"
  exit $status
fi

# One install-and-purge at a time on this machine.
exec 9>/var/lock/gravitaria-package-test.lock
flock 9

# The package's own files (directories aside), to look for after the purge.
mapfile -t files < <(dpkg-deb -c "$DEB" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }')
APT=(apt-get -y -q -o DPkg::Lock::Timeout=600)
export DEBIAN_FRONTEND=noninteractive

echo "-- apt-get install $(basename "$DEB")"
"${APT[@]}" install "$DEB" >/dev/null || fail "apt-get install"
version=$(dpkg-query -W -f='${Version}' gravitaria 2>/dev/null || true)
deb_version=$(dpkg-deb -f "$DEB" Version)
[ "$version" = "$deb_version" ] || fail "installed version '$version', package $deb_version"

echo "-- the installed program on its start window"
if [ -n "${GRAVITARIA_XVFB_DISPLAY:-}" ]; then
  GRAVITARIA_PROGRAM_UNDER_TEST=/usr/bin/gravitaria "$BUILD/tests/app/program_xvfb_test" \
    --gtest_brief=1 || fail "the installed program under Xvfb"
else
  fail "no Xvfb display (GRAVITARIA_XVFB_DISPLAY) to start the installed program on"
fi

echo "-- the installed table tool"
installed_table=$(LC_ALL=fr_FR.UTF-8 /usr/bin/gravitaria-table 6e24 6380 30000 40000 0 0 200 100) ||
  fail "gravitaria-table exit code"
built_table=$(LC_ALL=fr_FR.UTF-8 "$BUILD/tools/gravitaria-table/gravitaria-table" 6e24 6380 30000 40000 0 0 200 100)
lines=$(printf '%s\n' "$installed_table" | wc -l)
[ "$lines" -eq 108 ] || fail "gravitaria-table printed $lines lines for the Earth defaults, not 108"
[ "$installed_table" = "$built_table" ] || fail "the installed table tool differs from the build tree's"
man -w gravitaria-table >/dev/null || fail "man gravitaria-table"

echo "-- apt-get purge gravitaria"
"${APT[@]}" purge gravitaria >/dev/null || fail "apt-get purge"
if dpkg-query -W gravitaria >/dev/null 2>&1; then fail "dpkg still knows gravitaria"; fi
for f in "${files[@]}"; do
  [ -e "$f" ] && fail "left behind: $f"
done
[ -e /usr/share/doc/gravitaria ] && fail "left behind: /usr/share/doc/gravitaria"
[ $status -eq 0 ] && echo "-- package installed, started and purged without a trace (${#files[@]} files)"
exit $status

#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh wrote, without installing it: lintian (no
# error), then in a temporary folder with the package unpacked: every program's libraries
# resolve (ldd), systemd-analyze verify accepts the service units, wetterpult --help runs.
# Argument: the package (default build/package/wetterpult_*.deb).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh lintian systemd man-db

deb=${1:-$(ls build/package/wetterpult_*.deb)}
echo "== lintian $deb"
lintian --fail-on error "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== ldd"
for program in wetterpult wetterpult-decode wetterpult-sim wetterpult-server; do
  file="$root/usr/bin/$program"
  [ -x "$file" ] || { echo "$program fehlt im Paket" >&2; exit 1; }
  if ldd "$file" | grep 'not found'; then
    echo "$program: Bibliotheken fehlen" >&2
    exit 1
  fi
done

# verify reads the units and their programs below --root; the system's targets they name
# (multi-user.target, network-online.target, ...) are copied in beside them, and the manual
# pages of Documentation= are looked up in the unpacked tree. verify does not need systemd
# running (it also works in a container); it reports bad lines only as messages, so any
# message fails the check.
echo "== systemd-analyze verify"
units="$root/usr/lib/systemd/system"
cp -n /usr/lib/systemd/system/*.target "$units/"
messages=$(MANPATH="$root/usr/share/man" systemd-analyze verify --root="$root" \
  wetterpult.service wetterpult@pi.service 2>&1) || { echo "$messages" >&2; exit 1; }
if [ -n "$messages" ]; then
  echo "$messages" >&2
  exit 1
fi

echo "== wetterpult --help"
help=$("$root/usr/bin/wetterpult" --help)
sed -n 1p <<<"$help"
echo "Paket geprüft: $deb"

#!/usr/bin/env bash
# Installs the build into a temporary root, makes the program folder read-only and runs
# the installed program offscreen with a fresh home: it opens a list given on its command
# line, is asked to end, and must have written its category names into the user's data
# folder and nothing into the installed tree. Root may write anywhere, so it is the
# installed layout, not the permissions, that must send the files to the user's folders.
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log"
id=example.quillmere.Provendo
for file in bin/provendo share/provendo/Help/PROVENDO.hlp share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png \
  share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png \
  share/man/man1/provendo.1.gz; do
  [ -f "$root/usr/$file" ] || fail "not installed: /usr/$file"
done
[ -z "$(find "$root" -path "$root/usr" -prune -o -print | grep -v "^$root\$")" ] ||
  fail "installed outside the prefix"

program="$root/usr/bin/provendo"
[ "$("$program" --version)" = "Provendo 1.1.0.2" ] || fail "--version"

home="$work/home"
mkdir -p "$home"
printf '//Milk things\r\nMilk\t2\r\n//Butcher\r\nSteak\t1\r\n' >"$home/week.slf"
chmod -R a-w "$root/usr"
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)

# Asked to end after a few seconds (SIGTERM; one that comes while it starts is kept), the
# program closes its window the normal way; an error box on the way out would keep it
# open until the KILL 30 s later.
status=0
env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen \
  timeout --preserve-status -k 30 3 "$program" "$home/week.slf" >"$work/out" 2>&1 || status=$?
[ "$status" -eq 0 ] || { cat "$work/out" >&2; fail "exit status $status"; }

names="$home/.local/share/provendo/Defaults.slf"
[ -f "$names" ] || fail "no $names"
expected=$(printf '//Milk things\r\n//Butcher\r\n//Vegetables\r\n')
[ "$(head -c ${#expected} "$names")" = "$expected" ] || fail "category names not kept: $(od -c "$names" | head)"
after=$(cd "$root" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the installed tree changed: $(diff <(echo "$before") <(echo "$after"))"
if grep -q "Cannot create\|Permission denied" "$work/out"; then
  cat "$work/out" >&2
  fail "an error was reported"
fi
echo "installed program kept its files in $home/.local/share/provendo"

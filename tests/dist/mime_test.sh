#!/usr/bin/env bash
# The list file type: well-formed XML that the MIME database compiles into a glob for
# *.slf, an icon and a text/plain parent.
set -euo pipefail
package="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

xmllint --noout "$package"
mkdir -p "$work/mime/packages"
cp "$package" "$work/mime/packages/"
XDG_DATA_DIRS="$work" update-mime-database "$work/mime" 2>"$work/errors"
if [ -s "$work/errors" ]; then
  cat "$work/errors" >&2
  exit 1
fi
grep -qx '50:application/x-provendo-list:\*\.slf' "$work/mime/globs2"
grep -qx 'application/x-provendo-list text/plain' "$work/mime/subclasses"
grep -qx 'application/x-provendo-list:example.quillmere.Provendo' "$work/mime/icons"
test -f "$work/mime/application/x-provendo-list.xml"
echo "application/x-provendo-list registers for *.slf"

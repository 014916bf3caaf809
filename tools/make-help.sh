#!/usr/bin/env bash
# Makes the link table's help documents: each page tools/help/QuortGOTab<LANG>.html (LANG as
# the language files give it) becomes QuortGOTab<LANG>.pdf in the given folder, converted
# by LibreOffice headless. The build runs it for the program folder's Data/.
#
# Without LibreOffice it says so and makes nothing: the program then tells the user that
# the help document is missing, and the build goes on.
# Usage: tools/make-help.sh OUT_DIR [PAGE.html ...]   (default: every page in tools/help)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out_dir="${1:?usage: make-help.sh OUT_DIR [PAGE.html ...]}"
shift
pages=("$@")
if [ "${#pages[@]}" -eq 0 ]; then
  pages=("$here"/help/QuortGOTab*.html)
fi
soffice="${SOFFICE:-soffice}"

if ! command -v "$soffice" >/dev/null 2>&1; then
  echo "make-help: '$soffice' not found (install libreoffice-writer-nogui):" \
       "the link table's help documents are not made" >&2
  exit 0
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/quorttrans-help.XXXXXX")"
# A private profile, so a running LibreOffice (or a broken user profile) neither blocks
# nor changes the conversion.
profile="$work/profile"
trap 'rm -rf "$work"' EXIT

# Read as a Writer document, not as a web page: LibreOffice's web view lays a page out
# for the screen and prints it blank.
timeout 300 "$soffice" -env:UserInstallation="file://$profile" --headless --norestore \
  --infilter="HTML (StarWriter)" --convert-to pdf:writer_pdf_Export \
  --outdir "$work" "${pages[@]}" >/dev/null 2>&1 || true

# soffice exits 0 even when a conversion failed: check every output is there and is a PDF.
mkdir -p "$out_dir"
status=0
for page in "${pages[@]}"; do
  name="$(basename "$page" .html)"
  pdf="$work/$name.pdf"
  if [ ! -s "$pdf" ] || [ "$(head -c 5 "$pdf")" != "%PDF-" ]; then
    echo "make-help: LibreOffice did not write $name.pdf" >&2
    status=1
    continue
  fi
  mv -f "$pdf" "$out_dir/$name.pdf"
  echo "wrote $out_dir/$name.pdf"
done
exit $status

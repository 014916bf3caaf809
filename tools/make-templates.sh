#!/usr/bin/env bash
# Regenerates the two Word templates QuortTrans pastes a whole web page into
# when it exports a page to Word:
#   data/Data/Template.Doc   landscape A4, for "Word document, landscape"
#   data/Data/TemplateH.Doc  portrait A4 (H for Hochformat), for "Word document, portrait"
#
# The templates are written as flat ODF text (.fodt) here, so everything about
# them (page size, margins, fonts, header, footer) is readable in this one
# file, and LibreOffice headless turns them into binary Word 97-2003 files.
# Run from anywhere: tools/make-templates.sh
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(dirname "$here")"
out_dir="$root/data/Data"
soffice="${SOFFICE:-soffice}"

if ! command -v "$soffice" >/dev/null 2>&1; then
  echo "make-templates: '$soffice' not found (install libreoffice-writer-nogui)" >&2
  exit 1
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/quorttrans-templates.XXXXXX")"
# A private profile, so a running LibreOffice (or a broken user profile)
# neither blocks nor changes the conversion.
profile="/tmp/lo-profile-$$"
cleanup() { rm -rf "$work" "$profile"; }
trap cleanup EXIT

# write_fodt FILE WIDTH HEIGHT ORIENTATION
# Body text starts 2 cm from every page edge. The header sits in the top 2 cm:
# 1.2 cm page margin + 0.8 cm header (LibreOffice counts the 0.3 cm gap below
# the header inside that height); the footer mirrors it at the bottom. In the
# Word file this becomes margins of 2 cm with header/footer 1.2 cm from the
# edge. The body is one empty paragraph: the pasted page is the content.
write_fodt() {
  local file="$1" width="$2" height="$3" orientation="$4"
  cat >"$file" <<FODT
<?xml version="1.0" encoding="UTF-8"?>
<office:document
    xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
    xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
    xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
    xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
    xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
    xmlns:dc="http://purl.org/dc/elements/1.1/"
    xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0"
    office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
  <office:meta>
    <dc:title>QuortTrans</dc:title>
    <meta:generator>QuortTrans make-templates.sh</meta:generator>
  </office:meta>
  <office:font-face-decls>
    <style:font-face style:name="DejaVu Sans" svg:font-family="'DejaVu Sans'"
        style:font-family-generic="swiss" style:font-pitch="variable"/>
  </office:font-face-decls>
  <office:styles>
    <style:default-style style:family="paragraph">
      <style:paragraph-properties fo:hyphenation-ladder-count="no-limit"
          style:writing-mode="lr-tb"/>
      <style:text-properties style:font-name="DejaVu Sans" fo:font-size="11pt"
          fo:language="en" fo:country="GB" fo:color="#1f2328"
          fo:hyphenate="false"/>
    </style:default-style>
    <style:style style:name="Standard" style:family="paragraph" style:class="text">
      <style:paragraph-properties fo:margin-top="0cm" fo:margin-bottom="0.2cm"
          fo:line-height="115%"/>
    </style:style>
    <style:style style:name="Header" style:family="paragraph"
        style:parent-style-name="Standard" style:class="extra">
      <style:paragraph-properties fo:text-align="end" fo:margin-bottom="0cm"
          fo:line-height="100%"/>
      <style:text-properties fo:font-size="9pt" fo:color="#6a737d"
          fo:letter-spacing="0.02cm"/>
    </style:style>
    <style:style style:name="Footer" style:family="paragraph"
        style:parent-style-name="Standard" style:class="extra">
      <style:paragraph-properties fo:text-align="center" fo:margin-bottom="0cm"
          fo:line-height="100%"/>
      <style:text-properties fo:font-size="9pt" fo:color="#6a737d"/>
    </style:style>
  </office:styles>
  <office:automatic-styles>
    <style:page-layout style:name="pm1">
      <style:page-layout-properties fo:page-width="$width" fo:page-height="$height"
          style:print-orientation="$orientation" style:num-format="1"
          fo:margin-top="1.2cm" fo:margin-bottom="1.2cm"
          fo:margin-left="2cm" fo:margin-right="2cm" style:writing-mode="lr-tb"/>
      <style:header-style>
        <style:header-footer-properties fo:min-height="0.8cm" fo:margin-bottom="0.3cm"
            fo:margin-left="0cm" fo:margin-right="0cm" style:dynamic-spacing="false"/>
      </style:header-style>
      <style:footer-style>
        <style:header-footer-properties fo:min-height="0.8cm" fo:margin-top="0.3cm"
            fo:margin-left="0cm" fo:margin-right="0cm" style:dynamic-spacing="false"/>
      </style:footer-style>
    </style:page-layout>
  </office:automatic-styles>
  <office:master-styles>
    <style:master-page style:name="Standard" style:page-layout-name="pm1">
      <style:header>
        <text:p text:style-name="Header">QuortTrans</text:p>
      </style:header>
      <style:footer>
        <text:p text:style-name="Footer">Page <text:page-number text:select-page="current">1</text:page-number></text:p>
      </style:footer>
    </style:master-page>
  </office:master-styles>
  <office:body>
    <office:text>
      <text:p text:style-name="Standard"/>
    </office:text>
  </office:body>
</office:document>
FODT
}

write_fodt "$work/Template.fodt"  29.7cm 21cm   landscape
write_fodt "$work/TemplateH.fodt" 21cm   29.7cm portrait

"$soffice" -env:UserInstallation="file://$profile" --headless --norestore \
  --convert-to 'doc:MS Word 97' --outdir "$work" \
  "$work/Template.fodt" "$work/TemplateH.fodt" >/dev/null

# soffice exits 0 even when a conversion fails: check every output is there
# and starts with the OLE2 compound-file signature of a binary .doc.
mkdir -p "$out_dir"
for name in Template TemplateH; do
  doc="$work/$name.doc"
  if [ ! -s "$doc" ]; then
    echo "make-templates: LibreOffice did not write $name.doc" >&2
    exit 1
  fi
  magic="$(od -An -tx1 -N8 "$doc" | tr -d ' \n')"
  if [ "$magic" != "d0cf11e0a1b11ae1" ]; then
    echo "make-templates: $name.doc is not a Word 97-2003 file" >&2
    exit 1
  fi
  mv -f "$doc" "$out_dir/$name.Doc"
  echo "wrote $out_dir/$name.Doc"
done

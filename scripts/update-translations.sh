#!/usr/bin/env bash
# Brings the translations up to date with the texts in src/:
#   update-translations.sh            every language in translations/LINGUAS
#   update-translations.sh pt         also starts translations/varnholt-slots_pt.ts for a new
#                                     language and adds it to LINGUAS, which the build reads
# New texts come in unfinished, texts gone from the sources are dropped (the completeness test
# tells when a translated text lost its match). Translate with Qt Linguist or a text editor.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)/lupdate}"
linguas=translations/LINGUAS

for language in "$@"; do
  if ! [[ "$language" =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]]; then
    echo "update-translations.sh: '$language' is not a language code such as pt or pt_BR" >&2
    exit 2
  fi
  grep -qx "$language" "$linguas" || { echo "$language" >>"$linguas"; sort -o "$linguas" "$linguas"; }
done

while read -r language; do
  [ -n "$language" ] || continue
  ts="translations/varnholt-slots_${language}.ts"
  args=(src -locations relative -no-obsolete -target-language "$language" -ts "$ts")
  "$lupdate" -silent "${args[@]}"
done <"$linguas"

# English needs only the two forms of each text with a count ("%n spin(s)"): built into the program.
"$lupdate" -silent src -locations relative -no-obsolete -pluralonly -target-language en \
  -ts translations/varnholt-slots_en.ts

#!/usr/bin/env bash
# Brings the translation sources in step with the code: new texts appear as
# unfinished entries to translate, texts no longer used are dropped. The
# English file translates every text to itself.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
ts=resources/translations
lupdate -no-obsolete -locations none common app roster displays speech homework \
    -ts "$ts/simplify.ts" "$ts/traditional.ts" "$ts/english.ts"
# English: the source text is the translation.
lconvert -i "$ts/english.ts" -o "$ts/english.ts" -target-language en
perl -0pi -e 's{<source>([^<]*)</source>(\s*)<translation type="unfinished">[^<]*</translation>}{<source>$1</source>$2<translation>$1</translation>}g' "$ts/english.ts"
echo "unfinished: simplify $(grep -c 'type="unfinished"' $ts/simplify.ts || true)," \
     "traditional $(grep -c 'type="unfinished"' $ts/traditional.ts || true)"

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text the sources hand to the translation system has its English
# translation: lupdate, run over a copy of the translation file, must find
# nothing new or unfinished.
set -euo pipefail
quelle=$1
lupdate=$2
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
cp "$quelle/translations/kalvion_en.ts" "$arbeit/probe.ts"
ordner=()
for o in app cli common engine export input messung numbers plot sprache; do
  [[ -d $quelle/$o ]] && ordner+=("$quelle/$o")
done
"$lupdate" -silent -locations none -no-obsolete "${ordner[@]}" -ts "$arbeit/probe.ts"
offen=$(grep -c 'type="unfinished"' "$arbeit/probe.ts" || true)
if [[ $offen -ne 0 ]]; then
  echo "texts without an English translation: $offen"
  grep -B3 'type="unfinished"' "$arbeit/probe.ts" | grep '<source>' | sed 's/^ *//'
  exit 1
fi

# One English name for each thing, in the window, the exported graph and the
# command line alike: a spelling on the left is retired for the one on the right.
uebersetzungen=$(awk '/<translation/ { drin = 1 } drin { print } /<\/translation>/ { drin = 0 }' \
  "$quelle/translations/kalvion_en.ts")
fehler=0
while IFS='|' read -r alt neu; do
  if grep -qF -- "$alt" <<<"$uebersetzungen"; then
    echo "English text uses \"$alt\"; the name used everywhere else is \"$neu\":"
    grep -F -- "$alt" <<<"$uebersetzungen" | sed 's/^ *//'
    fehler=1
  fi
done <<'TABELLE'
Do*1000|D0·1000
D0 · 1000|D0·1000
Sinter temp|Sintering temp
Sinter time|Sintering time
sofort|immediate
tep by step|stepwise
hold time|hold
TABELLE
exit $fehler

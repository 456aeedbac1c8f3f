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

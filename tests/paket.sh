#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from an existing build tree into a temporary folder
# and checks what a user gets from it: every file, the dependencies, clean
# desktop metadata, manual pages in English and German, the copyright and
# changelog Debian asks for, no complaint from lintian, and programs that start
# from the unpacked tree.
# Usage: paket.sh BUILD_DIR CPACK VERSION PROGRAM...
# The first PROGRAM is the window program; each further one is a command-line
# program that must answer --version. Empty names are ignored.
set -euo pipefail
build_dir=$1
cpack=$2
version=$3
shift 3
programme=()
for p in "$@"; do [[ -n $p ]] && programme+=("$p"); done

if ! command -v dpkg-deb >/dev/null; then
  echo "SKIPPED: dpkg-deb is not installed (Debian package dpkg), so there is no package to check"
  exit 77
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
fehlt() { echo "FAIL: $*"; fehler=1; }

# --- build ---------------------------------------------------------------
if ! "$cpack" -G DEB -B "$tmp/paket" --config "$build_dir/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1; then
  cat "$tmp/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi
debs=("$tmp"/paket/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { ls "$tmp/paket"; echo "FAIL: expected one .deb"; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

# --- control fields --------------------------------------------------------
[[ $(dpkg-deb -f "$deb" Package) == kalvion ]] || fehlt "package name is not kalvion"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fehlt "package version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for bibliothek in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg; do
  [[ $depends == *"$bibliothek"* ]] || fehlt "Depends does not name $bibliothek: $depends"
done

# --- contents --------------------------------------------------------------
inhalt=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's#^\./##')
desktop=usr/share/applications/kalvion.desktop
metainfo=usr/share/metainfo/de.kalvion.Kalvion.metainfo.xml
dokumentation=usr/share/doc/kalvion
erwartet=("$desktop" "$metainfo" usr/share/icons/hicolor/scalable/apps/kalvion.svg
          "$dokumentation/copyright" "$dokumentation/changelog.gz")
# English manual pages where man looks by default, German ones where it looks
# for a German locale.
for p in "${programme[@]}"; do
  erwartet+=("usr/bin/$p" "usr/share/man/man1/$p.1.gz" "usr/share/man/de/man1/$p.1.gz")
done
for f in "${erwartet[@]}"; do
  grep -qxF "$f" <<<"$inhalt" || fehlt "package lacks $f"
done
# Every program the package ships needs its manual page, whoever added it.
for f in $(grep '^usr/bin/.' <<<"$inhalt" || true); do
  grep -qxF "usr/share/man/man1/${f#usr/bin/}.1.gz" <<<"$inhalt" || fehlt "no manual page for $f"
  grep -qxF "usr/share/man/de/man1/${f#usr/bin/}.1.gz" <<<"$inhalt" || fehlt "no German manual page for $f"
done

wurzel=$tmp/wurzel
dpkg-deb -x "$deb" "$wurzel"

# --- desktop entry and software-centre entry -------------------------------
if [[ -f $wurzel/$desktop ]]; then
  grep -qx 'Icon=kalvion' "$wurzel/$desktop" || fehlt "desktop entry names another icon"
  programm=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$wurzel/$desktop")
  [[ -x $wurzel/usr/bin/$programm ]] || fehlt "desktop entry starts '$programm', which the package lacks"
  if command -v desktop-file-validate >/dev/null; then
    meldungen=$(desktop-file-validate "$wurzel/$desktop" 2>&1) || true
    [[ -z $meldungen ]] || fehlt "desktop-file-validate: $meldungen"
  else
    echo "desktop-file-validate not installed (desktop-file-utils): desktop entry not validated"
  fi
fi
if [[ -f $wurzel/$metainfo ]]; then
  grep -qF '<launchable type="desktop-id">kalvion.desktop</launchable>' "$wurzel/$metainfo" ||
    fehlt "metainfo does not launch kalvion.desktop"
  for f in $(grep '^usr/bin/.' <<<"$inhalt" || true); do
    grep -qF "<binary>${f#usr/bin/}</binary>" "$wurzel/$metainfo" || fehlt "metainfo does not provide ${f#usr/bin/}"
  done
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$wurzel/$metainfo" >"$tmp/appstream.log" 2>&1 ||
      fehlt "appstreamcli validate: $(cat "$tmp/appstream.log")"
  else
    echo "appstreamcli not installed (appstream): metainfo not validated"
  fi
fi

# --- manual pages ----------------------------------------------------------
# Each in its language: the name section is called NAME in English and
# BEZEICHNUNG in German.
for p in "${programme[@]}"; do
  for sprache in en de; do
    if [[ $sprache == en ]]; then ordner=man1 name=NAME; else ordner=de/man1 name=BEZEICHNUNG; fi
    seite=$wurzel/usr/share/man/$ordner/$p.1.gz
    [[ -f $seite ]] || continue
    text=$(zcat "$seite")
    grep -qiE "^\.TH \"?$p\"? \"?1" <<<"$text" || fehlt "$ordner/$p.1.gz is no section-1 page for $p"
    grep -qE "^\.SH \"?$name\"?$" <<<"$text" || fehlt "$ordner/$p.1.gz has no section $name, so it is not in its language"
    if command -v man >/dev/null; then
      warnungen=$(man --warnings -E UTF-8 -l "$seite" 2>&1 >/dev/null) || true
      [[ -z $warnungen ]] || fehlt "man warns about $ordner/$p.1.gz: $warnungen"
    fi
  done
done

# --- copyright and changelog -----------------------------------------------
copyright=$wurzel/$dokumentation/copyright
if [[ -f $copyright ]]; then
  # Machine-readable: the format line first, the licence by its short name,
  # and its full text where every Debian system keeps it.
  head -1 "$copyright" | grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fehlt "copyright does not start with the machine-readable format line"
  grep -qx 'License: GPL-3.0-or-later' "$copyright" || fehlt "copyright does not name GPL-3.0-or-later"
  grep -qF '/usr/share/common-licenses/GPL-3' "$copyright" || fehlt "copyright does not refer to /usr/share/common-licenses/GPL-3"
fi
changelog=$wurzel/$dokumentation/changelog.gz
if [[ -f $changelog ]]; then
  if ! gzip -t "$changelog" 2>/dev/null; then
    fehlt "changelog.gz is not gzip"
  else
    # The newest entry is the package's version; the software centre lists it too.
    neueste=$(zcat "$changelog" | sed -n '1s/^kalvion (\([^)]*\)) .*/\1/p')
    [[ $neueste == "$version" ]] || fehlt "the newest changelog entry is '$neueste', not $version"
    if [[ -f $wurzel/$metainfo ]]; then
      for v in $(zcat "$changelog" | sed -n 's/^kalvion (\([^)]*\)) .*/\1/p'); do
        grep -qF "<release version=\"$v\"" "$wurzel/$metainfo" || fehlt "metainfo has no release $v"
      done
    fi
  fi
fi

# --- lintian ---------------------------------------------------------------
if command -v lintian >/dev/null; then
  # Errors and warnings fail; the informational tags are shown but allowed.
  if ! lintian --fail-on error,warning --display-info "$deb" >"$tmp/lintian.log" 2>&1; then
    fehlt "lintian: $(cat "$tmp/lintian.log")"
  elif [[ -s $tmp/lintian.log ]]; then
    echo "lintian (informational only):"
    cat "$tmp/lintian.log"
  fi
else
  echo "lintian not installed: package not checked against Debian's policy"
fi

# --- the programs start from the unpacked tree -----------------------------
fenster=${programme[0]}
if [[ -x $wurzel/usr/bin/$fenster ]]; then
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 "$wurzel/usr/bin/$fenster" || status=$?
  [[ $status -eq 124 ]] || fehlt "$fenster ended by itself with status $status"
fi
for p in "${programme[@]:1}"; do
  [[ -x $wurzel/usr/bin/$p ]] || continue
  # A command-line program needs no display.
  status=0
  ausgabe=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$wurzel/usr/bin/$p" --version) || status=$?
  [[ $status -eq 0 ]] || fehlt "$p --version ended with status $status"
  [[ $ausgabe == *"$version"* ]] || fehlt "$p --version does not print $version: $ausgabe"
done

# --- the Python module imports from the unpacked tree -----------------------
# KALVION_PYTHON names the interpreter the module was built for, where it was.
if [[ -n ${KALVION_PYTHON:-} ]]; then
  modul=usr/lib/python3/dist-packages/kalvion
  for f in __init__.py __init__.pyi py.typed; do
    grep -qxF "$modul/$f" <<<"$inhalt" || fehlt "package lacks $modul/$f"
  done
  grep -qE "^$modul/_kalvion\.cpython-[0-9]+-.*\.so$" <<<"$inhalt" || fehlt "package lacks the extension $modul/_kalvion"
  [[ $(dpkg-deb -f "$deb" Recommends) == *python3-numpy* ]] || fehlt "Recommends does not name python3-numpy"
  ausgabe=$(PYTHONPATH=$wurzel/usr/lib/python3/dist-packages "$KALVION_PYTHON" -c \
    'import kalvion; print(kalvion.__file__); print(kalvion.run().steps)' 2>&1) || fehlt "import kalvion failed: $ausgabe"
  [[ $ausgabe == "$wurzel/$modul/__init__.py"$'\n'6140 ]] || fehlt "the unpacked module did not run: $ausgabe"
fi

((fehler == 0)) || exit 1
echo "package holds ${programme[*]} with desktop entry, icon, metainfo, manual pages, copyright and changelog${KALVION_PYTHON:+ and the Python module}; programs start"

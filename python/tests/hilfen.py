# SPDX-License-Identifier: GPL-3.0-or-later
"""What the module's tests share: the real kalvion-cli in a chosen locale."""
import datetime
import os
import subprocess

CLI = os.environ["KALVION_CLI"]
BEISPIELE = os.environ.get("KALVION_BEISPIELE", "")

# The locale whose numbers the module writes for each decimal sign.
LOCALES = {",": "de_DE.UTF-8", ".": "C.UTF-8"}


def cli(*argumente, dezimal=".", englisch=False, pruefen=True, ordner=None):
    """Runs kalvion-cli with the locale of `dezimal` (and English texts)."""
    umgebung = dict(os.environ)
    for name in ("LANGUAGE", "LC_MESSAGES", "LC_NUMERIC"):
        umgebung.pop(name, None)
    umgebung["LC_ALL"] = umgebung["LANG"] = LOCALES[dezimal]
    if englisch:
        umgebung["LANGUAGE"] = "en"
    return subprocess.run([CLI, *map(str, argumente)], env=umgebung, capture_output=True,
                          check=pruefen, cwd=ordner)


def cli_meldung(*argumente):
    """The English message of a command the command line refuses, without its
    "kalvion-cli: " and the help line after it."""
    lauf = cli(*argumente, englisch=True, pruefen=False)
    assert lauf.returncode == 2, (lauf.returncode, lauf.stderr)
    text = lauf.stderr.decode()
    assert text.startswith("kalvion-cli: "), text
    return text[len("kalvion-cli: "):].rsplit("\n", 2)[0]


def mit_heutigem_datum(aufgabe):
    """Calls aufgabe(today) until the date did not change meanwhile (midnight)."""
    while True:
        heute = datetime.date.today()
        ergebnis = aufgabe(heute)
        if datetime.date.today() == heute:
            return ergebnis

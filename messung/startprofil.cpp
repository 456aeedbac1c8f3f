// SPDX-License-Identifier: GPL-3.0-or-later
#include "startprofil.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "anfang.h"
#include "anfangswahl.h"
#include "ergebnisdatei.h"

namespace kalvion {

namespace {

// A results file's number: digits with one decimal sign, a point or a comma
// (the locale's it was written in). The C library's locale plays no part.
std::optional<double> zahl(QByteArrayView feld)
{
    constexpr qsizetype Laengste = 400;  // longer than any number written out in full
    if (feld.isEmpty() || feld.size() > Laengste)
        return std::nullopt;
    char zeichen[Laengste];
    qsizetype n = 0;
    int dezimalzeichen = 0;
    for (const char c : feld) {
        const bool ziffer = c >= '0' && c <= '9';
        if (!ziffer && c != '.' && c != ',' && !(c == '-' && n == 0))
            return std::nullopt;
        dezimalzeichen += c == '.' || c == ',';
        zeichen[n++] = c == ',' ? '.' : c;
    }
    if (dezimalzeichen > 1)
        return std::nullopt;
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(zeichen, zeichen + n, wert, std::chars_format::fixed);
    if (fehler != std::errc{} || ende != zeichen + n || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

// A profile row "12,5000 3,1416 ": two numbers parted by blanks.
std::optional<Messpunkt> profilzeile(QByteArrayView zeile)
{
    const QByteArrayView inhalt = zeile.trimmed();
    const qsizetype luecke = inhalt.indexOf(' ');
    if (luecke < 0)
        return std::nullopt;
    const auto x = zahl(inhalt.first(luecke));
    const auto konz = zahl(inhalt.sliced(luecke).trimmed());
    if (!x || !konz)
        return std::nullopt;
    return Messpunkt{*x, *konz};
}

// The file's lines without their CR LF; the end of the last, if the file
// ends with one, leaves an empty piece behind.
std::vector<QByteArrayView> zeilen(QByteArrayView inhalt)
{
    std::vector<QByteArrayView> liste;
    for (qsizetype anfang = 0;;) {
        const qsizetype ende = inhalt.indexOf("\r\n", anfang);
        if (ende < 0) {
            liste.push_back(inhalt.sliced(anfang));
            return liste;
        }
        liste.push_back(inhalt.sliced(anfang, ende - anfang));
        anfang = ende + 2;
    }
}

QString als_text(QByteArrayView zeile)
{
    // Windows-1252 as written; a line of another encoding is only quoted.
    return QString::fromLatin1(zeile.first(std::min<qsizetype>(zeile.size(), 200)));
}

}  // namespace

Messlesung ergebnisdatei_lesen(const QByteArray& inhalt)
{
    Messlesung lesung;
    const std::vector<QByteArrayView> z = zeilen(inhalt);
    const auto anzahl = static_cast<qsizetype>(z.size());
    const QByteArray titel = profiltitel();
    auto fehler = [&](qsizetype i, const QString& vorlage) {
        lesung.fehler = vorlage.arg(i + 1).arg(als_text(z[i]));
        lesung.profil = {};
        return lesung;
    };
    // A block starts at i where line i + 1 is a block's line 2.
    auto blockanfang = [&](qsizetype i) { return i + 1 < anzahl && !z[i].isEmpty() && ist_blockkopf(z[i + 1]); };

    qsizetype i = 0;
    while (i < anzahl) {
        if (!blockanfang(i))
            return fehler(i + 1 < anzahl ? i + 1 : i,
                          QCoreApplication::translate("Messprofil", "Zeile %1 ist nicht der Anfang eines Ergebnisblocks:\n%2"));
        const qsizetype titelzeile = i + Blockkopfzeilen - 2;
        if (titelzeile >= anzahl || z[titelzeile] != QByteArrayView(titel))
            return fehler(std::min(titelzeile, anzahl - 1),
                          QCoreApplication::translate("Messprofil", "Zeile %1 sollte die Spaltenköpfe eines Ergebnisblocks "
                                                          "(„ort x [µm] … Konzentration“) enthalten:\n%2"));
        ++lesung.block;
        lesung.profil.punkte.clear();
        lesung.profil.zeilen.clear();
        i += Blockkopfzeilen;
        // The rows up to the next block or the file's end.
        for (; i < anzahl; ++i) {
            if (i == anzahl - 1 && z[i].isEmpty()) {
                i = anzahl;  // the file's last line end
                break;
            }
            const std::optional<Messpunkt> punkt = profilzeile(z[i]);
            if (!punkt) {
                if (blockanfang(i) && !lesung.profil.punkte.empty())
                    break;
                return fehler(i, QCoreApplication::translate("Messprofil",
                                                             "Zeile %1 ist weder eine Zeile „x Konzentration“ eines "
                                                   "Ergebnisblocks noch der Anfang des nächsten:\n%2"));
            }
            if (!(punkt->konz >= Startwert_min && punkt->konz <= Startwert_max)) {
                return fehler(i, QCoreApplication::translate("Messprofil", "Zeile %1: eine Konzentration unter %3 "
                                                                           "oder über %4 Mol% kann kein Ergebnis "
                                                                           "sein:\n%2")
                                     .replace(QStringLiteral("%3"), QString::number(Startwert_min))
                                     .replace(QStringLiteral("%4"), QString::number(Startwert_max)));
            }
            lesung.profil.punkte.push_back(*punkt);
            lesung.profil.zeilen.push_back(static_cast<int>(i + 1));
        }
        if (lesung.profil.punkte.empty())
            return fehler(std::min(i, anzahl - 1),
                          QCoreApplication::translate("Messprofil", "Zeile %1: der Ergebnisblock hat keine Zeilen:\n%2"));
    }
    if (lesung.block == 0) {
        lesung.fehler = QCoreApplication::translate("Messprofil", "Die Datei enthält keine Messpunkte.");
        return lesung;
    }
    lesung.spalten = {{2, QString()}};
    lesung.gewaehlt = lesung.vorgabe = 0;
    lesung.ok = true;
    return lesung;
}

Messlesung startprofil_lesen(const QByteArray& inhalt, const Spaltenwahl& wahl)
{
    if (!inhalt.isEmpty() && beginnt_wie_ergebnisdatei(QByteArrayView(inhalt).first(
                                 std::min<qsizetype>(inhalt.size(), Ergebnisdatei_pruefbytes)))) {
        Messlesung lesung = ergebnisdatei_lesen(inhalt);
        const std::size_t punkte = lesung.profil.punkte.size();
        const std::size_t tiefen = lesung.ok ? verschiedene_tiefen(lesung.profil.punkte) : 0;
        if (lesung.ok && (punkte < Startpunkte_min || tiefen < Startpunkte_min)) {
            lesung.ok = false;
            // The same words as for any other file a start is read from.
            lesung.fehler = punkte < Startpunkte_min
                                ? QCoreApplication::translate("Messprofil", "Zu wenige Messpunkte: %1 (mindestens %2).")
                                      .arg(punkte)
                                      .arg(Startpunkte_min)
                                : QCoreApplication::translate("Messprofil",
                                                              "Zu wenige verschiedene Tiefen: %1 Messpunkte bei nur %2 "
                                                              "verschiedenen x (mindestens %3).")
                                      .arg(punkte)
                                      .arg(tiefen)
                                      .arg(Startpunkte_min);
            // A refused file gives no points, as every refusal of the readers.
            lesung.profil = {};
            lesung.gewaehlt = -1;
        }
        return lesung;
    }
    return messprofil_lesen(inhalt, wahl, static_cast<int>(Startpunkte_min));
}

Messlesung startprofil_laden(const QString& pfad, const Spaltenwahl& wahl)
{
    return profildatei_lesen(pfad, [&wahl](const QByteArray& inhalt) { return startprofil_lesen(inhalt, wahl); });
}

QString startprofil_pruefen(const Messlesung& lesung, double x_max, const QLocale& locale)
{
    return messprofil_pruefen(lesung.profil, x_max, locale, Startprofil_rundung);
}

QString startprofil_beschreibung(const QString& dateiname, int punkte, int block)
{
    if (block > 0)
        return QCoreApplication::translate("Messprofil", "%1, Block %2 von %2: %n Punkte", nullptr, punkte)
            .arg(dateiname)
            .arg(block);
    return QCoreApplication::translate("Messprofil", "%1: %n Punkte", nullptr, punkte).arg(dateiname);
}

QString startprofil_beschreibung(const Messlesung& lesung)
{
    return startprofil_beschreibung(lesung.profil.dateiname, static_cast<int>(lesung.profil.punkte.size()),
                                    lesung.block);
}

}  // namespace kalvion

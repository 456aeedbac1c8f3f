// SPDX-License-Identifier: GPL-3.0-or-later
#include "ergebnisdatei.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <charconv>

#include "bedingungen.h"
#include "feldpruefung.h"
#include "zahlen.h"

namespace kalvion {

namespace {

// Windows-1252, with "?" for each character it cannot hold (a Greek or
// Chinese folder name, an emoji), as the platform's own conversion to the
// 8-bit code page writes it. The encoder would put the byte 0x1A there, the
// old end-of-file mark that makes text-mode readers stop.
std::optional<QByteArray> in_cp1252(const QString& text)
{
    QStringEncoder cp1252("windows-1252");
    if (!cp1252.isValid())
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(text.size());
    const QChar* zeichen = text.constData();
    const qsizetype laenge = text.size();
    for (qsizetype i = 0; i < laenge; ++i) {
        // ASCII is the same in Windows-1252: the common case, byte for byte.
        if (zeichen[i].unicode() < 0x80) {
            bytes += static_cast<char>(zeichen[i].unicode());
            continue;
        }
        // Any other character on its own, a pair of surrogates together.
        const bool paar = zeichen[i].isHighSurrogate() && i + 1 < laenge && zeichen[i + 1].isLowSurrogate();
        const QByteArray b(cp1252(QStringView(zeichen + i, paar ? 2 : 1)));
        bytes += b == QByteArray(1, '\x1a') ? QByteArray("?") : b;
        i += paar;
    }
    return bytes;
}

// One profile row "12,5000 3,1416 \r\n": both numbers with four decimals
// as zahlen::festkomma writes them, `komma` the decimal separator already in
// Windows-1252. Written straight into bytes: the 200 rows are most of a block.
void profilzeile(QByteArray& ziel, double x, double konz, const QByteArray& komma)
{
    char zeile[1000];  // two numbers of at most 400 characters, and their separators
    char* ende = zeile;
    for (const double wert : {x, konz}) {
        char zahl[400];
        const auto [zahlende, fehler] = std::to_chars(zahl, zahl + sizeof zahl, wert, std::chars_format::fixed, 4);
        if (fehler != std::errc()) {
            *ende++ = '?';
        } else {
            for (const char* p = zahl; p != zahlende; ++p) {
                if (*p != '.') {
                    *ende++ = *p;
                    continue;
                }
                ende = std::copy(komma.begin(), komma.end(), ende);
            }
        }
        *ende++ = ' ';
    }
    *ende++ = '\r';
    *ende++ = '\n';
    ziel.append(zeile, ende - zeile);
}

// Line 2 is the model's text and the date; the start and surface
// conditions, where they are not the default, go between the two.
constexpr char Datumsvorsatz[] = "Daten berechnet am: ";

// The model's part of line 2: "Diffusion im linearen Fall, ".
QString modelltext(Geometrie g)
{
    const QString kopf = QString::fromUtf8(beschreibung(g).kopfzeile);
    return kopf.left(kopf.lastIndexOf(QLatin1String(Datumsvorsatz)));
}

QString zeile2(const Modell& m, const QDate& datum, const QLocale& locale)
{
    QString bedingungen;
    for (const QString& teil : bedingungen_ergebnisdatei(m, locale))
        bedingungen += teil + QStringLiteral(", ");
    return modelltext(m.Geometrie) + bedingungen + QLatin1String(Datumsvorsatz) +
           locale.toString(datum, QLocale::ShortFormat);
}

// Line 16 of a block, over the profile's rows.
constexpr char Profiltitel[] = "ort x [µm]      Konzentration      ";

// Line 2 of a block begins with the model's text, in Windows-1252.
bool beginnt_mit_modelltext(QByteArrayView zeile2)
{
    for (const Geometriebeschreibung& g : Geometrien) {
        const std::optional<QByteArray> kopf = in_cp1252(modelltext(g.geometrie));
        if (kopf && zeile2.startsWith(*kopf))
            return true;
    }
    return false;
}

// A typed parameter goes out exactly as typed; a start-up value in print form.
QString wert_wie_gehalten(const Eingabewert& w, const QLocale& locale)
{
    return w.text ? QString::fromStdString(*w.text) : zahlen::druckform(w.wert, locale);
}

}  // namespace

std::optional<QByteArray> ergebnisblock(const Modell& m, const QString& dateipfad, const QDate& datum,
                                        const QLocale& locale)
{
    const QString strich(35, QLatin1Char('-'));
    QStringList zeilen{
        dateipfad,
        zeile2(m, datum, locale),
        // With an open surface the balance, otherwise empty.
        bilanz_ergebnisdatei(m, locale),
    };

    // Lines 4 to 13: the typed parameters where the field table puts them,
    // between the values derived from them.
    struct Zeile {
        int nummer;
        QString text;
    };
    QList<Zeile> werte{
        {5, zahlen::druckform(m.Zellen, locale) + QStringLiteral(" Rechenschritte/Weg")},
        {10, zahlen::druckform(m.Sintertemp_K, locale) + QStringLiteral(" Sintertemperatur [Kelvin]")},
        {11, zahlen::druckform(m.D, locale) + QStringLiteral("Diffusionskoeffizient D [cm^2/s]")},
        {13, zahlen::druckform(m.Molprozent, locale) + QStringLiteral(" Gesamtmol% des diffundierenden Stoffes")},
    };
    for (const Feldregel& r : Feldtabelle)
        werte << Zeile{r.ergebniszeile, (r.ziel ? wert_wie_gehalten(m.*r.ziel, locale)
                                                : zahlen::druckform(m.i_Diff, locale)) +
                                            QString::fromUtf8(r.ergebnistext)};
    std::stable_sort(werte.begin(), werte.end(), [](const Zeile& a, const Zeile& b) { return a.nummer < b.nummer; });
    for (const Zeile& z : werte)
        zeilen << z.text;

    zeilen << QString() << strich << QString::fromUtf8(Profiltitel) << strich;
    std::optional<QByteArray> block = in_cp1252(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    const std::optional<QByteArray> komma = in_cp1252(locale.decimalPoint());
    if (!block || !komma)
        return std::nullopt;
    const int zellen = m.Zellen;
    block->reserve(block->size() + 40 * zellen);
    for (int i = 1; i <= zellen && i < Feldgroesse; ++i)
        profilzeile(*block, i * m.x_max.wert / m.Zellen, m.Konz[i], *komma);
    return block;
}

bool block_anhaengen(const QString& dateipfad, const QByteArray& block, QString* grund)
{
    const bool gab_es = QFileInfo::exists(dateipfad);
    QFile datei(dateipfad);
    // Unbuffered: a failing write is seen at once, not at some later flush.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (grund)
            *grund =
                QCoreApplication::translate("Ergebnisdatei", "Öffnen fehlgeschlagen: %1").arg(datei.errorString());
        return false;
    }
    const qint64 vorher = datei.size();

    bool gut = datei.write(block) == block.size();
    if (!gut && grund)
        *grund = QCoreApplication::translate("Ergebnisdatei", "Schreiben fehlgeschlagen: %1").arg(datei.errorString());
    datei.close();
    if (gut && datei.error() != QFileDevice::NoError) {
        gut = false;
        if (grund)
            *grund =
                QCoreApplication::translate("Ergebnisdatei", "Schließen fehlgeschlagen: %1").arg(datei.errorString());
    }
    if (!gut) {
        // The old content stays as it was: no half block is left behind.
        if (gab_es)
            QFile::resize(dateipfad, vorher);
        else
            QFile::remove(dateipfad);
    }
    return gut;
}

bool beginnt_wie_ergebnisdatei(QByteArrayView anfang)
{
    if (anfang.isEmpty())
        return true;
    const QByteArrayView zeilenende("\r\n");
    const qsizetype ende1 = anfang.indexOf(zeilenende);
    if (ende1 <= 0)
        return false;
    // Line 1: a path, so it holds a separator and no control character.
    const QByteArrayView pfad = anfang.first(ende1);
    if (!pfad.contains('/') && !pfad.contains('\\'))
        return false;
    for (const char c : pfad)
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f')
            return false;
    // Line 2: the model's text, the date after the conditions, if any; as
    // the block writes it in Windows-1252.
    // A line cut off by the end of what was read is judged by its start.
    const QByteArrayView zeile2 = anfang.sliced(ende1 + zeilenende.size());
    const qsizetype ende2 = zeile2.indexOf(zeilenende);
    return ende2 >= 0 ? ist_blockkopf(zeile2.first(ende2)) : beginnt_mit_modelltext(zeile2);
}

bool ist_blockkopf(QByteArrayView zeile2)
{
    return beginnt_mit_modelltext(zeile2) && zeile2.contains(QByteArrayView(Datumsvorsatz));
}

QByteArray profiltitel()
{
    return in_cp1252(QString::fromUtf8(Profiltitel)).value_or(QByteArray());
}

bool fremde_datei(const QString& dateipfad)
{
    // Only a regular file is read: a FIFO or a device could block or never end.
    if (!QFileInfo(dateipfad).isFile())
        return false;
    QFile datei(dateipfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;  // the append reports what is wrong
    return !beginnt_wie_ergebnisdatei(datei.read(Ergebnisdatei_pruefbytes));
}

QString pfad_zusammensetzen(const QString& ordner, const QString& dateiname)
{
    // Only this platform's separators end a folder: on Linux a backslash is
    // part of a folder's name.
    if (ordner.endsWith(QLatin1Char('/')) || ordner.endsWith(QDir::separator()))
        return ordner + dateiname;
    return ordner + QDir::separator() + dateiname;
}

Speicherergebnis speichere(const Modell& m, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad, Fremde_datei fremd)
{
    if (m.Berechnung_laeuft)
        return Speicherergebnis::berechnung_laeuft;
    if (!m.Berechnung_aktuell)
        return Speicherergebnis::keine_berechnung;
    if (dateiname.isEmpty())
        return Speicherergebnis::kein_dateiname;
    const QString pfad = pfad_zusammensetzen(ordner, dateiname);
    if (dateipfad)
        *dateipfad = pfad;
    if (fremd == Fremde_datei::nachfragen && fremde_datei(pfad))
        return Speicherergebnis::keine_ergebnisdatei;
    const std::optional<QByteArray> block = ergebnisblock(m, QDir::toNativeSeparators(pfad), datum, locale);
    if (!block || !block_anhaengen(pfad, *block))
        return Speicherergebnis::fehlgeschlagen;
    return Speicherergebnis::gespeichert;
}

Speicherergebnis speichere(const Ergebnisstand& stand, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad, Fremde_datei fremd)
{
    if (stand.laeuft)
        return Speicherergebnis::berechnung_laeuft;
    if (!stand.aktuell)
        return Speicherergebnis::keine_berechnung;
    return speichere(stand.aktuell->modell, ordner, dateiname, datum, locale, dateipfad, fremd);
}

}  // namespace kalvion

#include "ergebnisdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>

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
    QString darstellbar;
    darstellbar.reserve(text.size());
    for (const char32_t zeichen : text.toUcs4()) {
        const QString z = QString::fromUcs4(&zeichen, 1);
        const bool ersetzt = zeichen != 0x1A && QByteArray(cp1252(z)) == QByteArray(1, '\x1a');
        darstellbar += ersetzt ? QStringLiteral("?") : z;
    }
    return QByteArray(cp1252(darstellbar));
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
        QString::fromUtf8(beschreibung(m.Geometrie).kopfzeile) + locale.toString(datum, QLocale::ShortFormat),
        QString(),
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

    zeilen << QString() << strich << QString::fromUtf8("ort x [µm]      Konzentration      ") << strich;
    const int zellen = m.Zellen;
    for (int i = 1; i <= zellen && i < Feldgroesse; ++i)
        zeilen << zahlen::festkomma(i * m.x_max.wert / m.Zellen, 4, locale) + QLatin1Char(' ') +
                      zahlen::festkomma(m.Konz[i], 4, locale) + QLatin1Char(' ');

    return in_cp1252(zeilen.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool block_anhaengen(const QString& dateipfad, const QByteArray& block, QString* grund)
{
    const bool gab_es = QFileInfo::exists(dateipfad);
    QFile datei(dateipfad);
    // Unbuffered: a failing write is seen at once, not at some later flush.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (grund)
            *grund = QStringLiteral("Öffnen fehlgeschlagen: ") + datei.errorString();
        return false;
    }
    const qint64 vorher = datei.size();

    bool gut = datei.write(block) == block.size();
    if (!gut && grund)
        *grund = QStringLiteral("Schreiben fehlgeschlagen: ") + datei.errorString();
    datei.close();
    if (gut && datei.error() != QFileDevice::NoError) {
        gut = false;
        if (grund)
            *grund = QStringLiteral("Schließen fehlgeschlagen: ") + datei.errorString();
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

QString pfad_zusammensetzen(const QString& ordner, const QString& dateiname)
{
    // Only this platform's separators end a folder: on Linux a backslash is
    // part of a folder's name.
    if (ordner.endsWith(QLatin1Char('/')) || ordner.endsWith(QDir::separator()))
        return ordner + dateiname;
    return ordner + QDir::separator() + dateiname;
}

Speicherergebnis speichere(const Modell& m, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad)
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
    const std::optional<QByteArray> block = ergebnisblock(m, QDir::toNativeSeparators(pfad), datum, locale);
    if (!block || !block_anhaengen(pfad, *block))
        return Speicherergebnis::fehlgeschlagen;
    return Speicherergebnis::gespeichert;
}

Speicherergebnis speichere(const Ergebnisstand& stand, const QString& ordner, const QString& dateiname,
                           const QDate& datum, const QLocale& locale, QString* dateipfad)
{
    if (stand.laeuft)
        return Speicherergebnis::berechnung_laeuft;
    if (!stand.aktuell)
        return Speicherergebnis::keine_berechnung;
    return speichere(stand.aktuell->modell, ordner, dateiname, datum, locale, dateipfad);
}

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#include "kurvendatei.h"

#include <QSaveFile>
#include <algorithm>
#include <functional>

#include "bedingungen.h"
#include "vergleich.h"
#include "zahlen.h"

namespace kalvion {

namespace {

const Zellfeld Modell::*const Profile[] = {&Modell::Konz_Start, &Modell::Konz_10, &Modell::Konz_100,
                                           &Modell::Konz_1000, &Modell::Konz};

// A field that holds the separator or a quote is quoted, its quotes doubled.
QString als_feld(QString text, QChar trenner)
{
    if (text.contains(trenner) || text.contains(QLatin1Char('"')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

// One column of a table: its heading and its field in the row of cell i.
struct Spalte {
    QString kopf;
    std::function<QString(int zelle)> feld;
};

Spalte x_spalte(QString kopf, double x_max, int zellen, const QLocale& locale)
{
    return {std::move(kopf), [x_max, zellen, &locale](int i) {
                return i <= zellen ? zahlen::kuerzeste_form(i * x_max / zellen, locale) : QString();
            }};
}

// Cells 1 … zeilen, one row each. Written row by row, so that a table of
// many runs is held once, as its bytes.
QByteArray tabelle(const QStringList& vorzeilen, const std::vector<Spalte>& spalten, int zeilen, QChar trenner)
{
    const QString zeilenende = QStringLiteral("\r\n");
    QStringList koepfe;
    for (const Spalte& s : spalten)
        koepfe << als_feld(s.kopf, trenner);
    QByteArray bytes("\xEF\xBB\xBF");
    for (const QString& vorzeile : vorzeilen)
        bytes += (als_feld(vorzeile, trenner) + zeilenende).toUtf8();
    bytes += (koepfe.join(trenner) + zeilenende).toUtf8();
    for (int i = 1; i <= zeilen && i < Feldgroesse; ++i) {
        QStringList felder;
        for (const Spalte& s : spalten)
            felder << s.feld(i);
        bytes += (felder.join(trenner) + zeilenende).toUtf8();
    }
    return bytes;
}

// A compared run's column, after an x column of its own where its cells lie
// elsewhere than those of the table's x column.
void vergleichsspalten_anhaengen(std::vector<Spalte>& spalten, const Profilspalte& p, double x_max, int zellen,
                                 const QLocale& locale)
{
    if (p.x_max != x_max || p.zellen != zellen)
        spalten.push_back(
            x_spalte(QString::fromUtf8("x [µm] (") + p.name + QLatin1Char(')'), p.x_max, p.zellen, locale));
    spalten.push_back({p.name + QStringLiteral(" [Mol%]"), [&p, &locale](int i) {
                           return i <= p.zellen ? zahlen::kuerzeste_form(p.konz[i - 1], locale) : QString();
                       }});
}

int meiste_zellen(int zellen, const std::vector<Profilspalte>& spalten)
{
    for (const Profilspalte& p : spalten)
        zellen = std::max(zellen, p.zellen);
    return zellen;
}

}  // namespace

QChar feldtrenner(const QLocale& locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QStringList vorzeilen(const Modell& m, const QLocale& locale)
{
    // Quoted where they hold the field separator.
    QStringList zeilen;
    if (m.programm)
        zeilen << QString::fromStdString(m.programm->zeile);
    if (const QString bedingungen = bedingungszeile(m, locale, Namenssprache::datei); !bedingungen.isEmpty())
        zeilen << bedingungen;
    return zeilen;
}

QStringList kurvenspalten()
{
    return {QStringLiteral("Zelle"),
            QString::fromUtf8("x [µm]"),
            QStringLiteral("Start [Mol%]"),
            QStringLiteral("nach 10 Schritten [Mol%]"),
            QStringLiteral("nach 100 Schritten [Mol%]"),
            QStringLiteral("nach 1000 Schritten [Mol%]"),
            QStringLiteral("Ende [Mol%]")};
}

Profilspalte profilspalte(const Modell& m, const QString& name)
{
    Profilspalte p{name, m.x_max.wert, m.Zellen, {}};
    p.konz.assign(m.Konz.begin() + 1, m.Konz.begin() + 1 + std::clamp<int>(m.Zellen, 0, Feldgroesse - 1));
    return p;
}

std::vector<Profilspalte> vergleichsspalten(const Modell& aktuell, const std::vector<Ergebniszeiger>& behalten,
                                            const QLocale& locale)
{
    std::vector<const Modell*> modelle;
    for (const Ergebniszeiger& e : behalten)
        modelle.push_back(&e->modell);
    const Vergleichsnamen namen = vergleichsnamen(aktuell, modelle, locale, Namenssprache::datei);
    std::vector<Profilspalte> spalten;
    for (std::size_t k = 0; k < modelle.size(); ++k)
        spalten.push_back(profilspalte(*modelle[k], namen.behalten[static_cast<qsizetype>(k)]));
    return spalten;
}

QByteArray kurventabelle(const Modell& m, const QLocale& locale, const std::vector<Profilspalte>& behalten)
{
    const QStringList koepfe = kurvenspalten();
    std::vector<Spalte> spalten{{koepfe[0], [](int i) { return QString::number(i); }},
                                x_spalte(koepfe[1], m.x_max.wert, m.Zellen, locale)};
    for (std::size_t k = 0; k < std::size(Profile); ++k) {
        const auto profil = Profile[k];
        const bool leer = profil == &Modell::Konz_1000 && !mit_konz_1000(m);
        spalten.push_back({koepfe[2 + static_cast<qsizetype>(k)], [&m, &locale, profil, leer](int i) {
                               return leer || i > m.Zellen ? QString() : zahlen::kuerzeste_form((m.*profil)[i], locale);
                           }});
    }
    for (const Profilspalte& p : behalten)
        vergleichsspalten_anhaengen(spalten, p, m.x_max.wert, m.Zellen, locale);
    return tabelle(vorzeilen(m, locale), spalten, meiste_zellen(m.Zellen, behalten), feldtrenner(locale));
}

QByteArray vergleichstabelle(const std::vector<Profilspalte>& spalten, const QLocale& locale,
                             const QStringList& vorzeilen)
{
    const double x_max = spalten.empty() ? 0 : spalten.front().x_max;
    const int zellen = spalten.empty() ? 0 : spalten.front().zellen;
    const QStringList koepfe = kurvenspalten();
    std::vector<Spalte> tabellenspalten{{koepfe[0], [](int i) { return QString::number(i); }},
                                        x_spalte(koepfe[1], x_max, zellen, locale)};
    for (const Profilspalte& p : spalten)
        vergleichsspalten_anhaengen(tabellenspalten, p, x_max, zellen, locale);
    return tabelle(vorzeilen, tabellenspalten, meiste_zellen(0, spalten), feldtrenner(locale));
}

bool kurven_schreiben(const QString& dateipfad, const Modell& m, const QLocale& locale,
                      const std::vector<Profilspalte>& behalten)
{
    return datei_ersetzen(dateipfad, kurventabelle(m, locale, behalten));
}

bool datei_ersetzen(const QString& dateipfad, const QByteArray& inhalt)
{
    // The old file is replaced only once everything is written. Unbuffered:
    // a buffered QSaveFile takes up to 16 KiB at once and loses a failing
    // write at its final flush (a full disk), then commits a cut-off file.
    QSaveFile datei(dateipfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (datei.write(inhalt) != inhalt.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

}  // namespace kalvion

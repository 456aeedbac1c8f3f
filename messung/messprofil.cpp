// SPDX-License-Identifier: GPL-3.0-or-later
#include "messprofil.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>

#include "eingabedatei.h"
#include "kurvendatei.h"

namespace kalvion {

namespace {

// A file saved as UTF-16 (or another encoding with zero bytes) would be
// decoded as Windows-1252 into lines full of zero characters: say what it is.
std::optional<QString> keine_textdatei(const QByteArray& inhalt)
{
    const QString utf16 = QCoreApplication::translate(
        "Messprofil",
        "Die Datei ist in UTF-16 gespeichert. UTF-16 wird nicht gelesen; bitte als UTF-8 oder "
        "Windows-1252 speichern.");
    if (inhalt.startsWith("\xFF\xFE") || inhalt.startsWith("\xFE\xFF"))
        return utf16;
    if (!inhalt.contains('\0'))
        return std::nullopt;
    // UTF-16 without its mark: a zero byte beside every Latin letter and
    // digit, so all of them at even or all at odd places.
    const qsizetype n = std::min<qsizetype>(inhalt.size(), 4096);
    qsizetype gerade = 0, ungerade = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (inhalt[i] == '\0')
            ++(i % 2 ? ungerade : gerade);
    if ((gerade == 0) != (ungerade == 0) && gerade + ungerade >= n / 4)
        return utf16;
    return QCoreApplication::translate("Messprofil",
                                       "Die Datei enthält Nullbytes und ist keine Textdatei; bitte als "
                                       "UTF-8 oder Windows-1252 speichern.");
}

QString entschluesseln(QByteArray inhalt)
{
    if (inhalt.startsWith("\xEF\xBB\xBF"))
        inhalt.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(inhalt);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: the 8-bit code page the results file uses too.
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi.decode(inhalt);
    return QString::fromLatin1(inhalt);
}

// A number with a decimal point, or with a decimal comma where the comma
// does not part the fields; the C library's locale plays no part.
std::optional<double> zahl(QStringView feld, bool komma_erlaubt)
{
    feld = feld.trimmed();
    if (feld.startsWith(u'+'))
        feld = feld.mid(1);
    // Longer than any number written out in full: no number.
    constexpr qsizetype Laengste = 400;
    if (feld.isEmpty() || feld.size() > Laengste || feld.front() == u'+')
        return std::nullopt;
    const bool komma = komma_erlaubt && feld.count(u',') == 1 && !feld.contains(u'.');
    char zeichen[Laengste];
    qsizetype n = 0;
    for (const QChar c : feld) {
        if (c.unicode() > 0x7F)
            return std::nullopt;
        zeichen[n++] = komma && c == u',' ? '.' : static_cast<char>(c.unicode());
    }
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(zeichen, zeichen + n, wert);
    if (fehler != std::errc{} || ende != zeichen + n || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

enum class Trenner { semikolon, tabulator, komma, leerraum };

// The fields of a line; between blanks no field is empty. On the stack for
// the few fields of a line of points: a file holds hundreds of thousands.
using Felder = QVarLengthArray<QStringView, 8>;

Felder felder(QStringView zeile, Trenner t)
{
    Felder liste;
    if (t != Trenner::leerraum) {
        const QChar trenner = t == Trenner::semikolon ? u';' : t == Trenner::tabulator ? u'\t' : u',';
        qsizetype anfang = 0;
        for (qsizetype i = 0; i <= zeile.size(); ++i)
            if (i == zeile.size() || zeile[i] == trenner) {
                liste.append(zeile.mid(anfang, i - anfang));
                anfang = i + 1;
            }
        return liste;
    }
    qsizetype anfang = -1;
    for (qsizetype i = 0; i <= zeile.size(); ++i) {
        const bool leer = i == zeile.size() || zeile[i].isSpace();
        if (!leer && anfang < 0)
            anfang = i;
        if (leer && anfang >= 0) {
            liste.append(zeile.mid(anfang, i - anfang));
            anfang = -1;
        }
    }
    return liste;
}

bool komma_erlaubt(Trenner t)
{
    return t != Trenner::komma;
}

// The ways a line of two columns may be parted, the likeliest first: at most
// two, blanks and then commas.
struct Zerlegungen {
    Trenner erste = Trenner::leerraum;
    bool auch_komma = false;
};

Zerlegungen zerlegungen(QStringView zeile)
{
    if (zeile.contains(u';'))
        return {Trenner::semikolon, false};
    if (zeile.contains(u'\t'))
        return {Trenner::tabulator, false};
    return {Trenner::leerraum, zeile.contains(u',')};
}

std::optional<Messpunkt> messpunkt(QStringView zeile)
{
    const Zerlegungen z = zerlegungen(zeile);
    for (const Trenner t : {z.erste, Trenner::komma}) {
        if (t == Trenner::komma && !z.auch_komma)
            break;
        const Felder f = felder(zeile, t);
        if (f.size() != 2)
            continue;
        const auto x = zahl(f[0], komma_erlaubt(t));
        const auto c = zahl(f[1], komma_erlaubt(t));
        if (x && c)
            return Messpunkt{*x, *c};
    }
    return std::nullopt;
}

// A header line names the columns: it holds a letter and does not begin with
// a number.
bool kopfzeile(QStringView zeile)
{
    if (std::none_of(zeile.begin(), zeile.end(), [](QChar c) { return c.isLetter(); }))
        return false;
    const Trenner t = zerlegungen(zeile).erste;
    const Felder f = felder(zeile, t);
    return f.isEmpty() || !zahl(f.front(), komma_erlaubt(t));
}

// The separator of a header row with three or more names; blanks only where
// nothing else parts them, since names hold blanks ("x [µm]").
Trenner kopftrenner(QStringView kopf)
{
    if (kopf.contains(u';'))
        return Trenner::semikolon;
    if (kopf.contains(u'\t'))
        return Trenner::tabulator;
    if (kopf.count(u',') >= 2)
        return Trenner::komma;
    return Trenner::leerraum;
}

QString spaltenname(QStringView feld)
{
    QStringView name = feld.trimmed();
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        name = name.mid(1, name.size() - 2).trimmed();
    return name.toString();
}

// "x", "x [µm]", "X (um)": the depth.
bool heisst_x(const QString& name)
{
    if (name.isEmpty() || name.front().toLower() != u'x')
        return false;
    const QStringView rest = QStringView(name).mid(1).trimmed();
    return rest.isEmpty() || rest.startsWith(u'[') || rest.startsWith(u'(');
}

// "Ende [Mol%]" → "Ende".
QString ohne_einheit(const QString& name)
{
    const auto klammer = std::find_if(name.begin(), name.end(), [](QChar c) { return c == u'[' || c == u'('; });
    return name.left(klammer - name.begin()).trimmed();
}

// How the lines of a file are built, found in a first pass over it.
struct Gliederung {
    bool tabelle = false;  // false: two columns, each line parted as it comes
    Trenner trenner = Trenner::semikolon;
    int spaltenzahl = 2;
    int x_spalte = 0;                  // from 0
    std::vector<Wertespalte> spalten;  // the value columns that hold a number
    int erste_zeile = 0;               // the first line of points, from 1
    Messprofil punkte;                 // of a file of two columns, read on the way
};

// Each line of the text with its number from 1, without its line end;
// `je_zeile` returns false to stop.
template <class Je_zeile>
void zeilenweise(const QString& text, Je_zeile&& je_zeile)
{
    qsizetype anfang = 0;
    for (int nummer = 1; anfang <= text.size(); ++nummer) {
        qsizetype ende = text.indexOf(u'\n', anfang);
        if (ende < 0)
            ende = text.size();
        QStringView zeile = QStringView(text).mid(anfang, ende - anfang);
        if (zeile.endsWith(u'\r'))
            zeile.chop(1);
        if (!je_zeile(nummer, zeile))
            return;
        anfang = ende + 1;
    }
}

bool uebergangen(QStringView inhalt)
{
    return inhalt.isEmpty() || inhalt.startsWith(u'#');
}

QString weder_noch(int nummer, QStringView inhalt)
{
    return QCoreApplication::translate("Messprofil", "Zeile %1 ist weder Kopfzeile noch Messpunkt (zwei Zahlen):\n%2")
        .arg(nummer)
        .arg(inhalt.toString());
}

// A row of a table, untrimmed: as many fields as the header, the x a number,
// every other field a number or empty.
bool tabellenzeile(QStringView zeile, const Gliederung& g, std::vector<bool>* mit_zahl = nullptr)
{
    const Felder f = felder(zeile, g.trenner);
    if (f.size() != g.spaltenzahl || !zahl(f[g.x_spalte], komma_erlaubt(g.trenner)))
        return false;
    for (int i = 0; i < g.spaltenzahl; ++i) {
        if (i == g.x_spalte || f[i].trimmed().isEmpty())
            continue;
        if (!zahl(f[i], komma_erlaubt(g.trenner)))
            return false;
        if (mit_zahl)
            (*mit_zahl)[static_cast<std::size_t>(i)] = true;
    }
    return true;
}

// The first pass: where the points begin, whether the file is a table, and
// every line either skipped, a header before the points, or a point.
std::optional<Gliederung> gliedern(const QString& text, QString& fehler)
{
    Gliederung g;
    QString letzter_kopf;
    std::vector<bool> mit_zahl;
    bool gefunden = false;
    std::optional<Messpunkt> punkt;  // the first point, once found
    zeilenweise(text, [&](int nummer, QStringView zeile) {
        const QStringView inhalt = zeile.trimmed();
        if (uebergangen(inhalt))
            return true;
        if (!gefunden) {
            if (!letzter_kopf.isEmpty()) {
                Gliederung t;
                t.tabelle = true;
                t.trenner = kopftrenner(letzter_kopf);
                const Felder namen = felder(letzter_kopf, t.trenner);
                t.spaltenzahl = static_cast<int>(namen.size());
                for (int i = 0; i < t.spaltenzahl; ++i)
                    if (heisst_x(spaltenname(namen[i]))) {
                        t.x_spalte = i;
                        break;
                    }
                if (t.spaltenzahl >= 3 && t.x_spalte + 1 < t.spaltenzahl && tabellenzeile(zeile, t)) {
                    g = t;
                    for (int i = g.x_spalte + 1; i < g.spaltenzahl; ++i)
                        g.spalten.push_back({i + 1, spaltenname(namen[i])});
                    mit_zahl.assign(static_cast<std::size_t>(g.spaltenzahl), false);
                }
            }
            if (!g.tabelle && !(punkt = messpunkt(inhalt))) {
                if (kopfzeile(inhalt)) {
                    // Untrimmed: a tab at either end parts off an empty name.
                    letzter_kopf = zeile.toString();
                    return true;
                }
                fehler = weder_noch(nummer, inhalt);
                return false;
            }
            if (!g.tabelle) {
                // The value column's name, where the header has two.
                QString name;
                if (!letzter_kopf.isEmpty())
                    if (const Felder namen = felder(letzter_kopf, zerlegungen(letzter_kopf).erste); namen.size() == 2)
                        name = spaltenname(namen[1]);
                g.spalten = {{2, name}};
            }
            gefunden = true;
            g.erste_zeile = nummer;
        }
        if (g.tabelle) {
            if (tabellenzeile(zeile, g, &mit_zahl))
                return true;
            fehler = QCoreApplication::translate(
                         "Messprofil",
                         "Zeile %1 passt nicht zu den %2 Spalten der Kopfzeile (je Spalte eine Zahl oder "
                         "nichts):\n%3")
                         .arg(nummer)
                         .arg(g.spaltenzahl)
                         .arg(inhalt.toString());
            return false;
        }
        if (!punkt)
            punkt = messpunkt(inhalt);
        if (!punkt) {
            fehler = weder_noch(nummer, inhalt);
            return false;
        }
        g.punkte.punkte.push_back(*punkt);
        g.punkte.zeilen.push_back(nummer);
        punkt.reset();
        return true;
    });
    if (!fehler.isEmpty())
        return std::nullopt;
    if (g.tabelle)
        std::erase_if(g.spalten,
                      [&](const Wertespalte& s) { return !mit_zahl[static_cast<std::size_t>(s.nummer - 1)]; });
    return g;
}

// In a curve table, its final profile; else the only value column.
int vorgabespalte(const std::vector<Wertespalte>& spalten)
{
    const QString endprofil = kurvenspalten().last();
    for (std::size_t i = 0; i < spalten.size(); ++i)
        if (spalten[i].name == endprofil)
            return static_cast<int>(i);
    return spalten.size() == 1 ? 0 : -1;
}

// The index of the value column chosen, or the message why there is none.
int gewaehlte_spalte(const Messlesung& l, const Spaltenwahl& wahl, int x_nummer, QString& fehler)
{
    switch (wahl.art) {
    case Spaltenwahl::Art::vorgabe:
        if (l.vorgabe < 0)
            fehler = QCoreApplication::translate("Messprofil",
                                                 "Die Datei hat mehrere Wertespalten: %1. Bitte eine davon wählen.")
                         .arg(spaltenliste(l.spalten));
        return l.vorgabe;
    case Spaltenwahl::Art::name: {
        const QString gesucht = wahl.name.trimmed();
        for (std::size_t i = 0; i < l.spalten.size(); ++i) {
            const QString& name = l.spalten[i].name;
            if (name.compare(gesucht, Qt::CaseInsensitive) == 0 ||
                (!name.isEmpty() && ohne_einheit(name).compare(gesucht, Qt::CaseInsensitive) == 0))
                return static_cast<int>(i);
        }
        fehler =
            QCoreApplication::translate("Messprofil", "Die Datei hat keine Wertespalte „%1“; ihre Wertespalten: %2.")
                .arg(gesucht, spaltenliste(l.spalten));
        return -1;
    }
    case Spaltenwahl::Art::nummer:
        for (std::size_t i = 0; i < l.spalten.size(); ++i)
            if (l.spalten[i].nummer == wahl.nummer)
                return static_cast<int>(i);
        fehler = (wahl.nummer == x_nummer
                      ? QCoreApplication::translate("Messprofil", "Spalte %1 ist die Tiefe x; die Wertespalten: %2.")
                      : QCoreApplication::translate("Messprofil",
                                                    "Die Datei hat keine Wertespalte %1; ihre Wertespalten: %2."))
                     .arg(wahl.nummer)
                     .arg(spaltenliste(l.spalten));
        return -1;
    }
    return -1;
}

// The points of one value column, in a second pass over a table. A row
// without a value there is no point of it; a value no measurement of mol%
// can give refuses the file.
bool punkte_lesen(const QString& text, Gliederung& g, const Wertespalte& spalte, Messprofil& profil, QString& fehler)
{
    auto unmoeglich = [&](int nummer, QStringView inhalt) {
        fehler = QCoreApplication::translate("Messprofil",
                                             "Zeile %1: eine Konzentration unter %2 oder über %3 Mol% "
                                             "kann keine Messung sein:\n%4")
                     .arg(nummer)
                     .arg(QString::number(Konzentration_min), QString::number(Konzentration_max), inhalt.toString());
    };
    auto moeglich = [](double c) { return c >= Konzentration_min && c <= Konzentration_max; };
    if (!g.tabelle) {
        for (std::size_t i = 0; i < g.punkte.punkte.size(); ++i)
            if (!moeglich(g.punkte.punkte[i].konz)) {
                zeilenweise(text, [&](int nummer, QStringView zeile) {
                    if (nummer < g.punkte.zeilen[i])
                        return true;
                    unmoeglich(nummer, zeile.trimmed());
                    return false;
                });
                return false;
            }
        profil = std::move(g.punkte);
        return true;
    }
    zeilenweise(text, [&](int nummer, QStringView zeile) {
        const QStringView inhalt = zeile.trimmed();
        if (nummer < g.erste_zeile || uebergangen(inhalt))
            return true;
        const Felder f = felder(zeile, g.trenner);
        const auto c = zahl(f[spalte.nummer - 1], komma_erlaubt(g.trenner));
        if (!c)
            return true;
        if (!moeglich(*c)) {
            unmoeglich(nummer, inhalt);
            return false;
        }
        profil.punkte.push_back({*zahl(f[g.x_spalte], komma_erlaubt(g.trenner)), *c});
        profil.zeilen.push_back(nummer);
        return true;
    });
    return fehler.isEmpty();
}

}  // namespace

QString spaltentitel(const Wertespalte& spalte)
{
    return spalte.name.isEmpty() ? QCoreApplication::translate("Messprofil", "Spalte %1").arg(spalte.nummer)
                                 : spalte.name;
}

QString spaltenliste(const std::vector<Wertespalte>& spalten)
{
    QStringList namen;
    for (const Wertespalte& s : spalten)
        namen << (s.name.isEmpty() ? spaltentitel(s)
                                   : QCoreApplication::translate("Messprofil", "„%1“ (%2)").arg(s.name).arg(s.nummer));
    return namen.join(QStringLiteral(", "));
}

Messlesung messprofil_lesen(const QByteArray& inhalt, const Spaltenwahl& wahl, int mindestens)
{
    Messlesung lesung;
    if (const auto grund = keine_textdatei(inhalt)) {
        lesung.fehler = *grund;
        return lesung;
    }
    const QString text = entschluesseln(inhalt);
    std::optional<Gliederung> g = gliedern(text, lesung.fehler);
    if (!g)
        return lesung;
    if (g->erste_zeile == 0) {
        lesung.fehler = QCoreApplication::translate("Messprofil", "Die Datei enthält keine Messpunkte.");
        return lesung;
    }
    lesung.spalten = g->spalten;
    lesung.vorgabe = vorgabespalte(lesung.spalten);
    const int i = gewaehlte_spalte(lesung, wahl, g->x_spalte + 1, lesung.fehler);
    if (i < 0) {
        lesung.wahl_fehlt = wahl.art == Spaltenwahl::Art::vorgabe;
        return lesung;
    }
    Messprofil profil;
    if (!punkte_lesen(text, *g, lesung.spalten[static_cast<std::size_t>(i)], profil, lesung.fehler))
        return lesung;
    // A fit needs the profile at three depths at least; the same depth
    // measured again adds none. Counted up to that many.
    const auto mindestzahl = static_cast<std::size_t>(std::max(mindestens, 1));
    std::vector<double> tiefen;
    for (const Messpunkt& p : profil.punkte) {
        if (tiefen.size() == mindestzahl)
            break;
        if (std::find(tiefen.begin(), tiefen.end(), p.x) == tiefen.end())
            tiefen.push_back(p.x);
    }
    const auto anzahl = profil.punkte.size();
    if (anzahl == 0) {
        lesung.fehler = QCoreApplication::translate("Messprofil", "Die Datei enthält keine Messpunkte.");
        return lesung;
    }
    if (anzahl < mindestzahl) {
        lesung.fehler = QCoreApplication::translate("Messprofil", "Zu wenige Messpunkte: %1 (mindestens %2).")
                            .arg(anzahl)
                            .arg(mindestzahl);
        return lesung;
    }
    if (tiefen.size() < mindestzahl) {
        lesung.fehler =
            QCoreApplication::translate("Messprofil",
                                        "Zu wenige verschiedene Tiefen: %1 Messpunkte bei nur %2 verschiedenen x "
                                        "(mindestens %3).")
                .arg(anzahl)
                .arg(tiefen.size())
                .arg(mindestzahl);
        return lesung;
    }
    lesung.gewaehlt = i;
    lesung.profil = std::move(profil);
    lesung.ok = true;
    return lesung;
}

Messlesung profildatei_lesen(const QString& pfad, const std::function<Messlesung(const QByteArray&)>& lesen)
{
    const Eingabedatei datei = eingabedatei_lesen(pfad, Messdateigrenze);
    Messlesung lesung;
    switch (datei.ergebnis) {
    case Eingabedatei::Ergebnis::gelesen: break;
    case Eingabedatei::Ergebnis::nicht_lesbar:
        lesung.fehler = QCoreApplication::translate("Messprofil", "Die Datei kann nicht gelesen werden:\n%1").arg(pfad);
        return lesung;
    case Eingabedatei::Ergebnis::keine_datei:
        lesung.fehler = QCoreApplication::translate("Messprofil", "Nicht gelesen: %1 ist %2.").arg(pfad, datei.art);
        return lesung;
    case Eingabedatei::Ergebnis::zu_gross:
        lesung.fehler = QCoreApplication::translate("Messprofil", "Nicht gelesen: %1 ist zu groß (mehr als %2).")
                            .arg(pfad, groessenangabe(Messdateigrenze));
        return lesung;
    }
    lesung = lesen(datei.inhalt);
    if (lesung.ok)
        lesung.profil.dateiname = QFileInfo(pfad).fileName();
    return lesung;
}

Messlesung messprofil_laden(const QString& pfad, const Spaltenwahl& wahl)
{
    return profildatei_lesen(pfad, [&wahl](const QByteArray& inhalt) { return messprofil_lesen(inhalt, wahl); });
}

Spaltenfrage spaltenfrage(const Messlesung& lesung, const QString& dateiname)
{
    Spaltenfrage f;
    f.text = QCoreApplication::translate("Messprofil", "„%1“ hat mehrere Wertespalten. Welche soll geladen werden?")
                 .arg(dateiname);
    for (const Wertespalte& s : lesung.spalten)
        f.namen << spaltentitel(s);
    f.vorgabe = std::max(lesung.vorgabe, 0);
    return f;
}

QString messprofil_pruefen(const Messprofil& profil, double x_max, const QLocale& locale, double toleranz)
{
    // The first few by name; a scan of a longer path than the model's would
    // otherwise fill the screen.
    constexpr int Genannt = 10;
    QStringList ausserhalb;
    int weitere = 0;
    for (std::size_t i = 0; i < profil.punkte.size(); ++i) {
        const double x = profil.punkte[i].x;
        if (x >= 0 && x <= x_max + toleranz)
            continue;
        if (ausserhalb.size() == Genannt) {
            ++weitere;
            continue;
        }
        ausserhalb << QCoreApplication::translate("Messprofil", "x = %1 µm (Zeile %2)")
                          .arg(locale.toString(x, 'g', QLocale::FloatingPointShortest))
                          .arg(profil.zeilen[i]);
    }
    if (ausserhalb.isEmpty())
        return {};
    if (weitere > 0)
        ausserhalb << QCoreApplication::translate("Messprofil", "… und %n weitere", nullptr, weitere);
    return QCoreApplication::translate("Messprofil", "Messpunkte außerhalb des Diffusionswegs 0 … %1 µm:\n%2")
        .arg(locale.toString(x_max, 'g', QLocale::FloatingPointShortest), ausserhalb.join(QStringLiteral("\n")));
}

}  // namespace kalvion

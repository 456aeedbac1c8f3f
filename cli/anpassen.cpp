// SPDX-License-Identifier: GPL-3.0-or-later
#include "anpassen.h"

#include <QFileInfo>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "anpassung.h"
#include "anpassungsbefund.h"
#include "eingabefehler.h"
#include "einzellauf.h"
#include "kurzform.h"
#include "messprofil.h"
#include "uebersetzen.h"
#include "zahlen.h"

namespace kalvion::cli {

namespace {

struct Messergebnis {
    Messauftrag auftrag;
    Modell modell;  // the parameters at the file's temperature
    Anpassung anpassung;
};

const char* befundname(Anpassungsbefund b)
{
    switch (b) {
    case Anpassungsbefund::eindeutig: return "eindeutig";
    case Anpassungsbefund::untere_grenze: return "untere_grenze";
    case Anpassungsbefund::obere_grenze: return "obere_grenze";
    case Anpassungsbefund::ohne_information: return "ohne_information";
    case Anpassungsbefund::nur_oben_begrenzt: return "nur_oben_begrenzt";
    case Anpassungsbefund::nur_unten_begrenzt: return "nur_unten_begrenzt";
    }
    return "";
}

// RFC 4180: a field with a comma, a quote or a line break goes in quotes.
std::string csv_feld(const QString& text)
{
    std::string t = text.toStdString();
    if (t.find_first_of(",\"\r\n") == std::string::npos)
        return t;
    std::string zitiert = "\"";
    for (char c : t)
        zitiert += c == '"' ? std::string("\"\"") : std::string(1, c);
    return zitiert + '"';
}

std::string csv_zeile(const std::vector<std::string>& felder)
{
    std::string zeile;
    for (std::size_t i = 0; i < felder.size(); ++i)
        zeile += (i ? "," : "") + felder[i];
    return zeile + "\r\n";
}

QString exponent(double wert, const QLocale& locale)
{
    return zahlen::exponentform(wert, locale);
}

QString zahl(double wert, const QLocale& locale)
{
    return zahlen::allgemein(wert, locale, 7);
}

QString personenzeilen(const Messergebnis& e, const QLocale& locale)
{
    const Anpassung& a = e.anpassung;
    auto grenze = [&](double wert, bool offen) {
        return exponent(wert, locale) + (offen ? tr(" (Suchgrenze)") : QString());
    };
    QString text = tr("%1, %2 °C: D = %3 cm²/s (95 %: %4 … %5), RMS %6 mol%, %n Punkte\n", nullptr, a.punkte)
                       .arg(QFileInfo(e.auftrag.datei).fileName(), zahl(e.auftrag.temperatur, locale),
                            exponent(a.D, locale), grenze(a.D_unten, a.unten_offen), grenze(a.D_oben, a.oben_offen),
                            zahlen::festkomma(a.rms, 4, locale));
    if (a.mit_randwert)
        text += tr("  c_s = %1 mol% (95 %: %2 … %3)%4\n")
                    .arg(zahlen::festkomma(a.c_s, 4, locale), zahlen::festkomma(a.c_s_unten, 4, locale),
                         zahlen::festkomma(a.c_s_oben, 4, locale),
                         a.c_s_offen ? tr(", nur auf einer Seite begrenzt") : QString());
    if (const QString befund = befundtext(a.befund); !befund.isEmpty())
        text += tr("  Hinweis: ") + befund + QLatin1Char('\n');
    return text;
}

}  // namespace

Messauftrag lies_messauftrag(const QString& option, const QString& text)
{
    const qsizetype at = text.lastIndexOf(QLatin1Char('@'));
    if (at <= 0 || at == text.size() - 1)
        throw Eingabefehler{tr("%1: \"%2\" hat nicht die Form DATEI@TEMPERATUR (etwa scan.csv@1100)")
                                .arg(option, text)};
    const Werteliste t = Werteliste::lesen(Feld::Sintertemp, option, text.mid(at + 1));
    if (t.anzahl() != 1)
        throw Eingabefehler{tr("%1: \"%2\": eine Datei gehört zu genau einer Temperatur").arg(option, text)};
    return {text.left(at), t.wert(0)};
}

Arrhenius arrhenius_aus(const std::vector<Arrheniuspunkt>& punkte)
{
    try {
        return arrhenius_anpassen(punkte);
    } catch (const std::invalid_argument&) {
        throw Eingabefehler{tr("--anpassen: für D0 und Q braucht es Messprofile bei mindestens zwei "
                               "verschiedenen Temperaturen")};
    }
}

QByteArray anpassung_ausgabe(const Studie& studie, const std::vector<Messauftrag>& auftraege, bool tabelle,
                             const QLocale& locale, const Spaltenwahl& spalte)
{
    if (studie.anzahl() != 1)
        throw Eingabefehler{tr("--anpassen braucht einen einzelnen Parametersatz; die Optionen ergeben %n Läufe",
                               nullptr, studie.anzahl())};
    // A fixed surface concentration given without its value is fitted too.
    const bool randwert = studie.oberflaechen.randwert_gesucht();
    std::vector<Messergebnis> ergebnisse;
    for (const Messauftrag& auftrag : auftraege) {
        const Messlesung lesung = messprofil_laden(auftrag.datei, spalte);
        if (!lesung.ok)
            throw Eingabefehler{QStringLiteral("%1: %2").arg(auftrag.datei, lesung.fehler) +
                                (lesung.wahl_fehlt ? tr(" (--spalte NAME oder --spalte NUMMER)") : QString())};
        Lauf lauf = studie.lauf(0);
        lauf.werte[static_cast<int>(Feld::Sintertemp)] = auftrag.temperatur;
        const Modell m = modell_fuer(lauf, locale);
        if (const QString fehler = messprofil_pruefen(lesung.profil, m.x_max.wert, locale); !fehler.isEmpty())
            throw Eingabefehler{QStringLiteral("%1: %2").arg(auftrag.datei, fehler)};
        // A run that steps through its programme has no final profile for
        // any D in one product: it cannot be fitted.
        if (durch_programm(m))
            throw Eingabefehler{tr("--anpassen: mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt "
                                   "für Schritt gerechnet; daran lässt sich D nicht anpassen")};
        ergebnisse.push_back({auftrag, m, d_anpassen(m, lesung.profil.punkte, randwert)});
    }

    std::optional<Arrhenius> arrhenius;
    if (ergebnisse.size() >= 2) {
        std::vector<Arrheniuspunkt> punkte;
        for (const Messergebnis& e : ergebnisse)
            punkte.push_back({e.modell.Sintertemp_K, e.anpassung.D, e.anpassung.ln_d_fehler});
        arrhenius = arrhenius_aus(punkte);
    }

    if (tabelle) {
        // The surface concentration's columns only where it was fitted.
        auto mit_rand = [randwert](std::vector<std::string> felder, std::vector<std::string> rand) {
            if (randwert)
                felder.insert(felder.end(), rand.begin(), rand.end());
            return csv_zeile(felder);
        };
        std::string aus = mit_rand({"art", "datei", "temperatur", "Kelvin", "punkte", "D", "D_unten", "D_oben", "RMS",
                                    "befund", "D0", "D0_fehler", "Q", "Q_fehler"},
                                   {"c_s", "c_s_unten", "c_s_oben"});
        for (const Messergebnis& e : ergebnisse) {
            const Anpassung& a = e.anpassung;
            aus += mit_rand({"anpassung", csv_feld(e.auftrag.datei), kurzform(e.auftrag.temperatur),
                             kurzform(e.modell.Sintertemp_K), kurzform(std::int64_t{a.punkte}), kurzform(a.D),
                             kurzform(a.D_unten), kurzform(a.D_oben), kurzform(a.rms), befundname(a.befund),
                             kurzform(a.D0), "", kurzform(e.modell.Q.wert), ""},
                            {kurzform(a.c_s), kurzform(a.c_s_unten), kurzform(a.c_s_oben)});
        }
        if (arrhenius)
            aus += mit_rand({"arrhenius", "", "", "", "", "", "", "", "", "", kurzform(arrhenius->D0),
                             kurzform(arrhenius->D0_fehler), kurzform(arrhenius->Q), kurzform(arrhenius->Q_fehler)},
                            {"", "", ""});
        return QByteArray::fromStdString(aus);
    }

    QString text;
    for (const Messergebnis& e : ergebnisse)
        text += personenzeilen(e, locale);
    if (!arrhenius) {
        const Messergebnis& e = ergebnisse.front();
        text += tr("D0 = %1 (1000 · cm²/s) bei Q = %2 J/mol\n")
                    .arg(zahl(e.anpassung.D0, locale), zahl(e.modell.Q.wert, locale));
    } else {
        text += tr("Arrhenius aus %n Messprofilen%1:\n", nullptr, ergebnisse.size())
                    .arg(arrhenius->gewichtet ? QString() : tr(" (ungewichtet: ein Intervall ist offen)"));
        text += QString::fromUtf8("D0 = %1 ± %2 (1000 · cm²/s)\n")
                    .arg(zahl(arrhenius->D0, locale), zahl(arrhenius->D0_fehler, locale));
        text += QString::fromUtf8("Q = %1 ± %2 J/mol\n").arg(zahl(arrhenius->Q, locale), zahl(arrhenius->Q_fehler, locale));
        // Diffusion is faster when hotter; a Q below 0 says the files and
        // their temperatures do not belong together.
        if (arrhenius->Q < 0)
            text += tr("  Hinweis: Q < 0 heißt, D fällt mit steigender Temperatur; gehören Dateien und Temperaturen "
                       "zusammen (vertauscht)?\n");
    }
    return text.toLocal8Bit();
}

}  // namespace kalvion::cli

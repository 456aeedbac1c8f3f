// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterdatei.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <memory>
#include <vector>

#include "anfangswahl.h"
#include "bedingungen.h"
#include "eingabedatei.h"
#include "feldpruefung.h"
#include "programmeingabe.h"
#include "zahlen.h"

namespace kalvion {

namespace {

QString komma_oder_punkt(const QLocale& locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? QStringLiteral(",") : QStringLiteral(".");
}

// The isothermal value of a field as typed: the one kept aside while a
// programme is in force.
QString isotherm_text(const Modell& m, Feld f, const QLocale& locale)
{
    if (m.programm && (f == Feld::Sintertemp || f == Feld::Sinterzeit)) {
        Modell ohne = m;
        ohne.Sintertemp = m.programm->temp_isotherm;
        ohne.Sinterzeit = m.programm->zeit_isotherm;
        return feldtext(ohne, f, locale);
    }
    return feldtext(m, f, locale);
}

QString zitat(const QString& s)
{
    return QCoreApplication::translate("Parameterdatei", "„%1“").arg(s);
}

QString nicht_erlaubt(const QString& schluessel, const QString& wert)
{
    return QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 = %2 ist nicht erlaubt.")
        .arg(zitat(schluessel), zitat(wert));
}

QString fehlt(const QString& schluessel)
{
    return QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 fehlt oder ist kein Text.")
        .arg(zitat(schluessel));
}

// A number typed with the file's decimal sign, in the locale's.
QString umgeschrieben(QString text, const QString& datei_zeichen, const QLocale& locale)
{
    const QString eigen = komma_oder_punkt(locale);
    if (datei_zeichen != eigen)
        text.replace(datei_zeichen, eigen);
    return text;
}

// What QJsonDocument does not keep: a key given twice in one object (it
// keeps the last) and a number as it was written.
struct Jsondurchsicht {
    QString doppelt;       // the first key given twice, as a path: "felder.zeit", "programm.segmente[2].rate"
    QByteArray formattext;  // the top-level "format" value as written
};

// The string token at `i` (at its opening quote), decoded; `i` ends behind it.
QString json_text(const QByteArray& d, qsizetype& i)
{
    QString text;
    QByteArray stueck;  // UTF-8 bytes not yet decoded
    auto ausgeben = [&] {
        text += QString::fromUtf8(stueck);
        stueck.clear();
    };
    for (++i; i < d.size() && d[i] != '"'; ++i) {
        if (d[i] != '\\') {
            stueck += d[i];
            continue;
        }
        ausgeben();
        if (++i >= d.size())
            break;
        switch (d[i]) {
        case 'b': text += QLatin1Char('\b'); break;
        case 'f': text += QLatin1Char('\f'); break;
        case 'n': text += QLatin1Char('\n'); break;
        case 'r': text += QLatin1Char('\r'); break;
        case 't': text += QLatin1Char('\t'); break;
        case 'u':
            text += QChar(static_cast<char16_t>(d.mid(i + 1, 4).toUShort(nullptr, 16)));
            i += 4;
            break;
        default: text += QLatin1Char(d[i]); break;  // " \ /
        }
    }
    ausgeben();
    ++i;
    return text;
}

// One pass over a document QJsonDocument has accepted (so its tokens are
// well formed and its nesting is bounded).
Jsondurchsicht json_durchsehen(const QByteArray& d)
{
    struct Rahmen {
        bool objekt = true;
        QString pfad;
        QSet<QString> schluessel;
        QString schluessel_jetzt;
        bool erwarte_schluessel = true;
        int index = 0;  // values so far in a list
    };
    std::vector<Rahmen> stapel;
    Jsondurchsicht ergebnis;
    // Where the value that starts now stands.
    auto wertpfad = [&]() -> QString {
        if (stapel.empty())
            return {};
        Rahmen& r = stapel.back();
        if (!r.objekt)
            return r.pfad + QStringLiteral("[%1]").arg(++r.index);
        return r.pfad.isEmpty() ? r.schluessel_jetzt : r.pfad + QLatin1Char('.') + r.schluessel_jetzt;
    };
    auto ist_format = [&] {
        return stapel.size() == 1 && stapel.back().objekt && stapel.back().schluessel_jetzt == QLatin1String("format");
    };
    // QJsonDocument skips a byte-order mark.
    for (qsizetype i = d.startsWith("\xEF\xBB\xBF") ? 3 : 0; i < d.size();) {
        const char c = d[i];
        switch (c) {
        case '{':
        case '[': {
            Rahmen neu;
            neu.objekt = c == '{';
            neu.pfad = wertpfad();
            stapel.push_back(std::move(neu));
            ++i;
            break;
        }
        case '}':
        case ']':
            if (!stapel.empty())
                stapel.pop_back();
            ++i;
            break;
        case ':':
            if (!stapel.empty())
                stapel.back().erwarte_schluessel = false;
            ++i;
            break;
        case ',':
            if (!stapel.empty())
                stapel.back().erwarte_schluessel = stapel.back().objekt;
            ++i;
            break;
        case '"': {
            if (!stapel.empty() && stapel.back().objekt && stapel.back().erwarte_schluessel) {
                Rahmen& r = stapel.back();
                const QString schluessel = json_text(d, i);
                if (r.schluessel.contains(schluessel)) {
                    ergebnis.doppelt = r.pfad.isEmpty() ? schluessel : r.pfad + QLatin1Char('.') + schluessel;
                    return ergebnis;
                }
                r.schluessel.insert(schluessel);
                r.schluessel_jetzt = schluessel;
                break;
            }
            const qsizetype anfang = i;
            const bool format = ist_format();
            wertpfad();
            json_text(d, i);
            if (format)
                ergebnis.formattext = d.mid(anfang, i - anfang);
            break;
        }
        default: {
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                ++i;
                break;
            }
            // A number, true, false or null.
            const qsizetype anfang = i;
            while (i < d.size() && !QByteArrayView(",}] \t\n\r").contains(d[i]))
                ++i;
            if (ist_format())
                ergebnis.formattext = d.mid(anfang, i - anfang);
            wertpfad();
            break;
        }
        }
    }
    return ergebnis;
}

QString art_text(const char* name)
{
    return QString::fromLatin1(name);
}

// "anfang": the start's kind by its command-line name, its base content as
// typed, or a profile's points ([x in µm, mol%], as numbers, exact) and the
// name of the file they came from.
QJsonObject anfangsdaten(const Modell& m, const QLocale& locale)
{
    QJsonObject anfang{{QStringLiteral("art"), art_text(beschreibung(m.Anfang).name)}};
    switch (m.Anfang) {
    case Anfangsart::stufe: break;
    case Anfangsart::grundgehalt:
        anfang.insert(QString::fromLatin1(regel(Feld::c0).name), feldtext(m, Feld::c0, locale));
        break;
    case Anfangsart::datei:
    case Anfangsart::ergebnis: {
        QJsonArray punkte;
        if (m.startprofil)
            for (const Messpunkt& p : m.startprofil->punkte)
                punkte.append(QJsonArray{p.x, p.konz});
        anfang.insert(QStringLiteral("quelle"),
                      m.startprofil ? QString::fromStdString(m.startprofil->quelle) : QString());
        anfang.insert(QStringLiteral("punkte"), punkte);
        break;
    }
    }
    return anfang;
}

// The values a surface of this kind has.
std::vector<Feld> oberflaechenwerte(Oberflaechenart art)
{
    switch (art) {
    case Oberflaechenart::geschlossen: return {};
    case Oberflaechenart::konzentration: return {Feld::c_s};
    case Oberflaechenart::austausch: return {Feld::beta, Feld::c_atm};
    }
    return {};
}

// "oberflaeche": the kind by its command-line name and its values as typed.
QJsonObject oberflaechendaten(const Modell& m, const QLocale& locale)
{
    QJsonObject o{{QStringLiteral("art"), art_text(beschreibung(m.Oberflaeche).name)}};
    for (Feld f : oberflaechenwerte(m.Oberflaeche))
        o.insert(QString::fromLatin1(regel(f).name), feldtext(m, f, locale));
    return o;
}

// What a file's "oberflaeche" holds, checked: its kind and each value as
// typed (in the locale's decimal sign), or the message naming the key.
struct Oberflaechenlesung {
    Oberflaechenart art = Oberflaechenart::geschlossen;
    std::vector<Parameterwert> werte;
    QString fehler;
};

Oberflaechenlesung oberflaeche_lesen(const QJsonValue& wert, const QString& datei_zeichen, const QLocale& locale)
{
    Oberflaechenlesung l;
    if (wert.isUndefined() || wert.isNull())
        return l;
    if (!wert.isObject()) {
        l.fehler = nicht_erlaubt(QStringLiteral("oberflaeche"), QStringLiteral("…"));
        return l;
    }
    const QJsonObject o = wert.toObject();
    const QJsonValue art = o.value(QStringLiteral("art"));
    if (!art.isString()) {
        l.fehler = fehlt(QStringLiteral("oberflaeche.art"));
        return l;
    }
    const auto b = std::find_if(Oberflaechenarten.begin(), Oberflaechenarten.end(), [&](const Oberflaechenbeschreibung& d) {
        return art.toString() == QLatin1String(d.name);
    });
    if (b == Oberflaechenarten.end()) {
        l.fehler = nicht_erlaubt(QStringLiteral("oberflaeche.art"), art.toString());
        return l;
    }
    l.art = b->art;
    for (Feld f : oberflaechenwerte(l.art)) {
        const Feldregel& r = regel(f);
        const QString schluessel = QStringLiteral("oberflaeche.") + QString::fromLatin1(r.name);
        const QJsonValue v = o.value(QString::fromLatin1(r.name));
        if (!v.isString()) {
            l.fehler = fehlt(schluessel);
            return l;
        }
        const QString text = umgeschrieben(v.toString().trimmed(), datei_zeichen, locale);
        const std::optional<double> zahl = gueltiger_wert(f, text, locale);
        if (!zahl) {
            l.fehler = nicht_erlaubt(schluessel, v.toString());
            return l;
        }
        l.werte.push_back({r.ziel, Eingabewert{*zahl, text.toStdString()}});
    }
    return l;
}

// What a file's "anfang" holds, checked; the message naming the key when not.
struct Anfangslesung {
    Anfangsart art = Anfangsart::stufe;
    std::optional<QString> c0;  // as typed, in the locale's decimal sign
    std::shared_ptr<const Startprofil> profil;
    QString fehler;
};

Anfangslesung anfang_lesen(const QJsonValue& wert, const QString& datei_zeichen, const QLocale& locale)
{
    Anfangslesung l;
    if (wert.isUndefined() || wert.isNull())
        return l;
    if (!wert.isObject()) {
        l.fehler = nicht_erlaubt(QStringLiteral("anfang"), QStringLiteral("…"));
        return l;
    }
    const QJsonObject a = wert.toObject();
    const QJsonValue art = a.value(QStringLiteral("art"));
    if (!art.isString()) {
        l.fehler = fehlt(QStringLiteral("anfang.art"));
        return l;
    }
    const auto b = std::find_if(Anfangsarten.begin(), Anfangsarten.end(),
                                [&](const Anfangsbeschreibung& d) { return art.toString() == QLatin1String(d.name); });
    if (b == Anfangsarten.end()) {
        l.fehler = nicht_erlaubt(QStringLiteral("anfang.art"), art.toString());
        return l;
    }
    l.art = b->art;
    switch (l.art) {
    case Anfangsart::stufe: break;
    case Anfangsart::grundgehalt: {
        const QString schluessel = QStringLiteral("anfang.") + QString::fromLatin1(regel(Feld::c0).name);
        const QJsonValue c0 = a.value(QString::fromLatin1(regel(Feld::c0).name));
        if (!c0.isString()) {
            l.fehler = fehlt(schluessel);
            return l;
        }
        const QString text = umgeschrieben(c0.toString().trimmed(), datei_zeichen, locale);
        if (!gueltiger_wert(Feld::c0, text, locale)) {
            l.fehler = nicht_erlaubt(schluessel, c0.toString());
            return l;
        }
        l.c0 = text;
        break;
    }
    case Anfangsart::datei:
    case Anfangsart::ergebnis: {
        const QJsonValue quelle = a.value(QStringLiteral("quelle"));
        if (!quelle.isString()) {
            l.fehler = fehlt(QStringLiteral("anfang.quelle"));
            return l;
        }
        const QJsonValue punkte = a.value(QStringLiteral("punkte"));
        if (!punkte.isArray()) {
            l.fehler = QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 fehlt oder ist keine Liste.")
                           .arg(zitat(QStringLiteral("anfang.punkte")));
            return l;
        }
        auto profil = std::make_shared<Startprofil>();
        profil->quelle = quelle.toString().toStdString();
        const QJsonArray liste = punkte.toArray();
        for (qsizetype i = 0; i < liste.size(); ++i) {
            const QString schluessel = QStringLiteral("anfang.punkte[%1]").arg(i + 1);
            const QJsonArray paar = liste[i].toArray();
            const bool zahlen = liste[i].isArray() && paar.size() == 2 && paar[0].isDouble() && paar[1].isDouble();
            const Messpunkt p{paar[0].toDouble(), paar[1].toDouble()};
            if (!zahlen || !(p.x >= 0) || !(p.konz >= Startwert_min && p.konz <= Startwert_max)) {
                l.fehler = nicht_erlaubt(schluessel, QString::fromUtf8(QJsonDocument(QJsonArray{liste[i]})
                                                                           .toJson(QJsonDocument::Compact)
                                                                           .mid(1)
                                                                           .chopped(1)));
                return l;
            }
            profil->punkte.push_back(p);
        }
        if (profil->punkte.size() < Startpunkte_min) {
            l.fehler = QCoreApplication::translate("Parameterdatei",
                                                   "Parameterdatei: %1 hat %2 Punkte, nötig sind mindestens %3.")
                           .arg(zitat(QStringLiteral("anfang.punkte")))
                           .arg(profil->punkte.size())
                           .arg(Startpunkte_min);
            return l;
        }
        if (const std::size_t tiefen = verschiedene_tiefen(profil->punkte); tiefen < Startpunkte_min) {
            l.fehler = QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 hat %2 Punkte bei nur %3 "
                                                                     "verschiedenen x, nötig sind mindestens %4.")
                           .arg(zitat(QStringLiteral("anfang.punkte")))
                           .arg(profil->punkte.size())
                           .arg(tiefen)
                           .arg(Startpunkte_min);
            return l;
        }
        l.profil = std::move(profil);
        break;
    }
    }
    return l;
}

}  // namespace

QString parameterschluessel(Feld f)
{
    return QString::fromLatin1(regel(f).option);
}

QByteArray parameterdaten(const Modell& m, const QLocale& locale)
{
    QJsonObject felder;
    for (Feld f : Alle_Felder)
        felder.insert(parameterschluessel(f), isotherm_text(m, f, locale));
    QJsonObject wurzel{
        {QStringLiteral("format"), standardbedingungen(m) ? Parameterformat : Parameterformat_bedingungen},
        {QStringLiteral("dezimalzeichen"), komma_oder_punkt(locale)},
        {QStringLiteral("modell"), QString::fromLatin1(beschreibung(m.Geometrie).name)},
        {QStringLiteral("felder"), felder},
    };
    if (m.programm) {
        QJsonArray segmente;
        for (const auto& s : m.programm->segmente)
            segmente.append(QJsonObject{{QStringLiteral("rate"), QString::fromStdString(s.rate)},
                                        {QStringLiteral("ziel"), QString::fromStdString(s.ziel)},
                                        {QStringLiteral("halten"), QString::fromStdString(s.halten)}});
        wurzel.insert(QStringLiteral("programm"),
                      QJsonObject{{QStringLiteral("start"), QString::fromStdString(m.programm->start)},
                                  {QStringLiteral("segmente"), segmente}});
    }
    if (m.Anfang != Anfangsart::stufe)
        wurzel.insert(QStringLiteral("anfang"), anfangsdaten(m, locale));
    if (m.Oberflaeche != Oberflaechenart::geschlossen)
        wurzel.insert(QStringLiteral("oberflaeche"), oberflaechendaten(m, locale));
    return QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
}

Parameterlesung parameter_lesen(const QByteArray& daten, const Modell& basis, const QLocale& locale)
{
    Parameterlesung l;
    auto abgelehnt = [&l](const QString& text) {
        l.fehler = text;
        return l;
    };
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(daten, &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isObject())
        return abgelehnt(
            QCoreApplication::translate("Parameterdatei", "Keine Kalvion-Parameterdatei (kein JSON-Objekt)."));
    const QJsonObject wurzel = dokument.object();
    const Jsondurchsicht durchsicht = json_durchsehen(daten);
    if (!durchsicht.doppelt.isEmpty())
        return abgelehnt(QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 ist mehrfach angegeben.")
                             .arg(zitat(durchsicht.doppelt)));

    const QJsonValue format = wurzel.value(QStringLiteral("format"));
    if (!format.isDouble())
        return abgelehnt(QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 fehlt oder ist keine Zahl.")
                             .arg(zitat(QStringLiteral("format"))));
    if (format.toDouble() != Parameterformat && format.toDouble() != Parameterformat_bedingungen)
        return abgelehnt(QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 = %2 ist eine unbekannte "
                                                                       "Version (erwartet %3 oder %4).")
                             .arg(zitat(QStringLiteral("format")), zitat(QString::fromUtf8(durchsicht.formattext)))
                             .arg(Parameterformat)
                             .arg(Parameterformat_bedingungen));

    const QJsonValue zeichen = wurzel.value(QStringLiteral("dezimalzeichen"));
    if (!zeichen.isString())
        return abgelehnt(fehlt(QStringLiteral("dezimalzeichen")));
    const QString datei_zeichen = zeichen.toString();
    if (datei_zeichen != QStringLiteral(",") && datei_zeichen != QStringLiteral("."))
        return abgelehnt(nicht_erlaubt(QStringLiteral("dezimalzeichen"), datei_zeichen));

    const QJsonValue modell = wurzel.value(QStringLiteral("modell"));
    if (!modell.isString())
        return abgelehnt(fehlt(QStringLiteral("modell")));
    const QString modellname = modell.toString();
    const Geometriebeschreibung* geometrie = nullptr;
    for (const Geometriebeschreibung& g : Geometrien)
        if (modellname == QLatin1String(g.name))
            geometrie = &g;
    if (!geometrie)
        return abgelehnt(nicht_erlaubt(QStringLiteral("modell"), modellname));

    const QJsonValue felder_wert = wurzel.value(QStringLiteral("felder"));
    if (!felder_wert.isObject())
        return abgelehnt(QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1 fehlt oder ist kein Objekt.")
                             .arg(zitat(QStringLiteral("felder"))));
    const QJsonObject felder = felder_wert.toObject();
    std::array<QString, Feldzahl> texte;
    for (Feld f : Alle_Felder) {
        const QString schluessel = parameterschluessel(f);
        const QJsonValue wert = felder.value(schluessel);
        if (!wert.isString())
            return abgelehnt(fehlt(schluessel));
        const QString text = umgeschrieben(wert.toString().trimmed(), datei_zeichen, locale);
        if (!gueltiger_wert(f, text, locale))
            return abgelehnt(nicht_erlaubt(schluessel, wert.toString()));
        texte[static_cast<int>(f)] = text;
    }

    std::optional<Programmeingabe> programm;
    const QJsonValue programm_wert = wurzel.value(QStringLiteral("programm"));
    if (!programm_wert.isUndefined() && !programm_wert.isNull()) {
        if (!programm_wert.isObject())
            return abgelehnt(nicht_erlaubt(QStringLiteral("programm"), QStringLiteral("…")));
        const QJsonObject p = programm_wert.toObject();
        Programmeingabe e;
        const QJsonValue start = p.value(QStringLiteral("start"));
        if (!start.isString())
            return abgelehnt(fehlt(QStringLiteral("programm.start")));
        e.start = umgeschrieben(start.toString(), datei_zeichen, locale);
        const QJsonValue segmente = p.value(QStringLiteral("segmente"));
        if (!segmente.isArray())
            return abgelehnt(QCoreApplication::translate("Parameterdatei",
                                                         "Parameterdatei: %1 fehlt oder ist keine Liste.")
                                 .arg(zitat(QStringLiteral("programm.segmente"))));
        const QJsonArray liste = segmente.toArray();
        for (int i = 0; i < liste.size(); ++i) {
            const QJsonObject s = liste[i].toObject();
            Programmzeile z;
            for (auto [name, ziel] : {std::pair{"rate", &z.rate}, {"ziel", &z.ziel}, {"halten", &z.halten}}) {
                const QString schluessel = QStringLiteral("programm.segmente[%1].%2").arg(i + 1).arg(QLatin1String(name));
                const QJsonValue wert = s.value(QLatin1String(name));
                if (!wert.isString())
                    return abgelehnt(fehlt(schluessel));
                *ziel = umgeschrieben(wert.toString(), datei_zeichen, locale);
            }
            e.zeilen.append(z);
        }
        const Programmlesung pl = programm_lesen(e, locale);
        if (!pl.programm)
            return abgelehnt(QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1: %2")
                                 .arg(zitat(QStringLiteral("programm")), pl.fehler));
        programm = e;
    }

    const Anfangslesung anfang = anfang_lesen(wurzel.value(QStringLiteral("anfang")), datei_zeichen, locale);
    if (!anfang.fehler.isEmpty())
        return abgelehnt(anfang.fehler);
    const Oberflaechenlesung oberflaeche =
        oberflaeche_lesen(wurzel.value(QStringLiteral("oberflaeche")), datei_zeichen, locale);
    if (!oberflaeche.fehler.isEmpty())
        return abgelehnt(oberflaeche.fehler);

    Modell m = basis;
    m.programm.reset();
    m.Geometrie = geometrie->geometrie;
    m.Anfang = anfang.art;
    m.startprofil = anfang.profil;
    m.Oberflaeche = oberflaeche.art;
    Parametersatz satz = parametersatz(texte, locale);
    satz.eingaben.insert(satz.eingaben.end(), oberflaeche.werte.begin(), oberflaeche.werte.end());
    if (anfang.c0)
        satz.eingaben.push_back({regel(Feld::c0).ziel, Eingabewert{*zahlen::lies(*anfang.c0, locale), anfang.c0->toStdString()}});
    // A profile's points beyond the path the file gives.
    if (m.startprofil) {
        const double x_max = zahlen::lies(texte[static_cast<int>(Feld::x_max)], locale).value_or(0);
        const std::vector<Messpunkt>& punkte = m.startprofil->punkte;
        for (std::size_t i = 0; i < punkte.size(); ++i)
            if (punkte[i].x > x_max + Startprofil_rundung)
                return abgelehnt(
                    QCoreApplication::translate("Parameterdatei",
                                                "Parameterdatei: %1: x = %2 µm liegt hinter x_max = %3 µm.")
                        .arg(zitat(QStringLiteral("anfang.punkte[%1]").arg(i + 1)),
                             zahlen::allgemein(punkte[i].x, locale), texte[static_cast<int>(Feld::x_max)]));
    }
    parameter_uebernehmen(m, satz);
    if (programm) {
        QString grund;
        if (!programm_setzen(m, *programm, locale, &grund))
            return abgelehnt(QCoreApplication::translate("Parameterdatei", "Parameterdatei: %1: %2")
                                 .arg(zitat(QStringLiteral("programm")), grund));
        parameter_uebernehmen(m, {});  // the initial profile of the equivalent run
    }
    l.modell = std::move(m);
    return l;
}

Parameterlesung parameter_laden(const QString& pfad, const Modell& basis, const QLocale& locale)
{
    const Eingabedatei datei = eingabedatei_lesen(pfad, Parametergrenze);
    Parameterlesung l;
    switch (datei.ergebnis) {
    case Eingabedatei::Ergebnis::gelesen: return parameter_lesen(datei.inhalt, basis, locale);
    case Eingabedatei::Ergebnis::nicht_lesbar:
        l.fehler = QCoreApplication::translate("Parameterdatei", "Die Parameterdatei %1 kann nicht gelesen werden.")
                       .arg(zitat(pfad));
        break;
    case Eingabedatei::Ergebnis::keine_datei:
        l.fehler =
            QCoreApplication::translate("Parameterdatei", "Die Parameterdatei %1 ist %2.").arg(zitat(pfad), datei.art);
        break;
    case Eingabedatei::Ergebnis::zu_gross:
        l.fehler = QCoreApplication::translate("Parameterdatei", "Die Parameterdatei %1 ist zu groß (mehr als %2).")
                       .arg(zitat(pfad), groessenangabe(Parametergrenze));
        break;
    }
    return l;
}

bool parameter_speichern(const QString& pfad, const Modell& m, const QLocale& locale)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    const QByteArray daten = parameterdaten(m, locale);
    if (datei.write(daten) != daten.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

}  // namespace kalvion

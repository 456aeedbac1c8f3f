// SPDX-License-Identifier: GPL-3.0-or-later
// The number reader and the field checks on any text, in the C and the
// German locale: a number read is finite and its shortest form reads back to
// it; a field takes a value only within its bounds, stores it with the text
// as typed, and a value it refuses leaves the record as it was.
#include <cmath>

#include "feldpruefung.h"
#include "fuzzhilfen.h"
#include "zahlen.h"

using namespace kalvion;

namespace {

const Modell& startmodell()
{
    static const Modell m = [] {
        Modell s;
        startwerte_setzen(s);
        return s;
    }();
    return m;
}

// What a check may change: the field texts and the values derived from them.
bool unveraendert(const Modell& m, const QLocale& locale)
{
    for (Feld f : Alle_Felder)
        if (feldtext(m, f, locale) != feldtext(startmodell(), f, locale))
            return false;
    return m.D == startmodell().D && m.Schritte == startmodell().Schritte &&
           m.Molprozent == startmodell().Molprozent;
}

void pruefen(const QString& text, const QLocale& locale)
{
    const std::optional<double> zahl = zahlen::lies(text, locale);
    if (zahl) {
        KALVION_PRUEFE(std::isfinite(*zahl));
        const QString kurz = zahlen::kuerzeste_form(*zahl, locale);
        KALVION_PRUEFE(zahlen::lies(kurz, locale) == zahl);
    }

    for (Feld f : Alle_Felder) {
        const Feldregel& r = regel(f);
        const std::optional<double> wert = gueltiger_wert(f, text, locale);
        KALVION_PRUEFE(wert.has_value() == (zahl && im_bereich(r, *zahl)));
        if (wert)
            KALVION_PRUEFE(*wert == *zahl);

        Modell m = startmodell();
        QString feld = text;
        const Pruefung p = pruefe_feld(f, feld, m, locale);
        switch (p.ergebnis) {
        case Pruefergebnis::angenommen:
            KALVION_PRUEFE(wert.has_value());
            if (r.ziel) {
                KALVION_PRUEFE((m.*r.ziel).wert == *wert && (m.*r.ziel).text == text.toStdString() && feld == text);
            } else {
                KALVION_PRUEFE(m.i_Diff >= Zellzahl_min && m.i_Diff <= Zellzahl_max);
                KALVION_PRUEFE(m.i_Diff == zellzahl(*wert) && zahlen::lies(feld, locale) == double(m.i_Diff));
            }
            KALVION_PRUEFE(std::isfinite(m.D) && std::isfinite(m.Schritte) && std::isfinite(m.Molprozent));
            break;
        case Pruefergebnis::ausserhalb:
            KALVION_PRUEFE(zahl && !wert);
            KALVION_PRUEFE(unveraendert(m, locale) && feld == text);
            break;
        case Pruefergebnis::fehler:
            // Not a number, or one whose derived values cannot be formed
            // (which then stays stored, as the dialog keeps it).
            KALVION_PRUEFE(!zahl ? unveraendert(m, locale) : wert.has_value());
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    pruefen(text, fuzz::C_Locale);
    pruefen(text, fuzz::Deutsch);
    return 0;
}

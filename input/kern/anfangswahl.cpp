// SPDX-License-Identifier: GPL-3.0-or-later
#include "anfangswahl.h"

#include <QCoreApplication>
#include <algorithm>

#include "zahlen.h"

namespace kalvion {

QString startpunkte_pruefen(const Startprofil& profil, double x_max, const QLocale& locale)
{
    double weiteste = 0;
    bool negativ = false;
    for (const Messpunkt& p : profil.punkte) {
        negativ = negativ || !(p.x >= 0);
        weiteste = std::max(weiteste, p.x);
    }
    if (!negativ && weiteste <= x_max + Startprofil_rundung)
        return {};
    if (negativ)
        return QCoreApplication::translate("Anfangswahl", "Das Anfangsprofil hat Punkte vor der Oberfläche (x < 0).");
    return QCoreApplication::translate("Anfangswahl", "Das Anfangsprofil reicht bis x = %1 µm, über x_max = %2 µm "
                                                      "hinaus.")
        .arg(zahlen::allgemein(weiteste, locale), zahlen::allgemein(x_max, locale));
}

std::shared_ptr<const Startprofil> endprofil_als_start(const Modell& ergebnis)
{
    auto profil = std::make_shared<Startprofil>();
    for (int i = 1; i <= ergebnis.Zellen && i < Feldgroesse; ++i)
        profil->punkte.push_back({i * ergebnis.x_max.wert / ergebnis.Zellen, ergebnis.Konz[i]});
    return profil;
}

Ergebnisherkunft herkunft(const Modell& ergebnis)
{
    return {ergebnis.Geometrie, ergebnis.x_max.wert};
}

QString ergebnis_als_start_pruefen(const Ergebnisherkunft& herkunft, const Modell& parameter,
                                   const QLocale& locale)
{
    if (herkunft.geometrie != parameter.Geometrie)
        return QCoreApplication::translate("Anfangswahl", "Das letzte Ergebnis ist im Modell %1 gerechnet, gewählt ist "
                                                          "%2: es kann nicht der Anfang sein.")
            .arg(QCoreApplication::translate("Geometrie", beschreibung(herkunft.geometrie).anzeigename),
                 QCoreApplication::translate("Geometrie", beschreibung(parameter.Geometrie).anzeigename));
    if (herkunft.x_max != parameter.x_max.wert)
        return QCoreApplication::translate("Anfangswahl", "Das letzte Ergebnis ist für x_max = %1 µm gerechnet, "
                                                          "gewählt ist %2 µm: es kann nicht der Anfang sein.")
            .arg(zahlen::allgemein(herkunft.x_max, locale), zahlen::allgemein(parameter.x_max.wert, locale));
    return {};
}

QString kein_ergebnis_als_start()
{
    return QCoreApplication::translate("Anfangswahl", "Es gibt kein aktuelles Ergebnis, das der Anfang sein könnte: "
                                                      "erst rechnen.");
}

void start_aus_ergebnis(Modell& parameter, const Modell& ergebnis)
{
    parameter.Anfang = Anfangsart::ergebnis;
    parameter.startprofil = endprofil_als_start(ergebnis);
}

}  // namespace kalvion

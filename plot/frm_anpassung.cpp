// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_anpassung.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "anpassungsbefund.h"
#include "benannt.h"
#include "zahlen.h"

namespace kalvion {

namespace {

QString wie_angenommen(const Eingabewert& w, const QLocale& locale)
{
    return w.text ? QString::fromStdString(*w.text) : zahlen::allgemein(w.wert, locale);
}

}  // namespace

Anpassungstexte anpassungstexte(const Anpassung& a, const Modell& parameter, const QString& dateiname,
                                const QLocale& locale)
{
    Anpassungstexte t;
    t.messung = QCoreApplication::translate("Anpassung", "Messprofil: %1 (%n Punkte)", nullptr, a.punkte).arg(dateiname);
    t.d = QCoreApplication::translate("Anpassung", "D = %1 cm²/s").arg(zahlen::exponentform(a.D, locale));
    auto grenze = [&](double wert, bool offen) {
        return zahlen::exponentform(wert, locale) + (offen ? QCoreApplication::translate("Anpassung", " (Suchgrenze)") : QString());
    };
    t.intervall = QCoreApplication::translate("Anpassung", "95-%-Intervall: %1 … %2 cm²/s")
                      .arg(grenze(a.D_unten, a.unten_offen), grenze(a.D_oben, a.oben_offen));
    t.rms = QCoreApplication::translate("Anpassung", "RMS-Abweichung: %1 mol%").arg(zahlen::festkomma(a.rms, 4, locale));
    // Seven digits: the fit itself is no finer.
    t.d0_text = zahlen::allgemein(a.D0, locale, 7);
    t.d0 = QCoreApplication::translate("Anpassung", "Do*1000 = %1 cm²/s  (bei Q = %2 J/mol und %3 °C)")
               .arg(t.d0_text, wie_angenommen(parameter.Q, locale), wie_angenommen(parameter.Sintertemp, locale));
    // In D0's own units and digits, marked at a search bound as D's is.
    auto d0_grenze = [&](double wert, bool offen) {
        return zahlen::allgemein(wert, locale, 7) +
               (offen ? QCoreApplication::translate("Anpassung", " (Suchgrenze)") : QString());
    };
    t.d0_intervall = QCoreApplication::translate("Anpassung", "95-%-Intervall: %1 … %2 cm²/s")
                         .arg(d0_grenze(a.D0_unten, a.unten_offen), d0_grenze(a.D0_oben, a.oben_offen));
    t.befund = befundtext(a.befund);
    return t;
}

frm_anpassung::frm_anpassung(const Anpassung& a, const Modell& parameter, const QString& dateiname,
                             const QLocale& locale, QWidget* eltern)
    : QDialog(eltern), texte_(anpassungstexte(a, parameter, dateiname, locale))
{
    setWindowTitle(tr("Kalvion - Anpassung an Messprofil"));
    auto* spalte = new QVBoxLayout(this);
    auto zeile = [&](const char* name, const QString& text) {
        auto* l = benannt(new QLabel(text, this), name);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        spalte->addWidget(l);
        return l;
    };
    zeile("lbl_messung", texte_.messung);
    zeile("lbl_D", texte_.d);
    zeile("lbl_intervall", texte_.intervall);
    zeile("lbl_rms", texte_.rms);
    zeile("lbl_D0", texte_.d0);
    zeile("lbl_D0_intervall", texte_.d0_intervall);
    QLabel* befund = zeile("lbl_befund", texte_.befund);
    befund->setWordWrap(true);
    befund->setVisible(!texte_.befund.isEmpty());

    auto* knoepfe = new QHBoxLayout;
    auto* uebernehmen = benannt(new QPushButton(tr("D0 übernehmen"), this), "cmd_d0_uebernehmen");
    auto* schliessen = benannt(new QPushButton(tr("Schließen"), this), "cmd_schliessen");
    // Where every D fits alike there is no D0 to take.
    uebernehmen->setEnabled(a.befund != Anpassungsbefund::ohne_information);
    knoepfe->addStretch();
    knoepfe->addWidget(uebernehmen);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    connect(uebernehmen, &QPushButton::clicked, this, [this] {
        emit d0_uebernehmen(texte_.d0_text);
        accept();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace kalvion

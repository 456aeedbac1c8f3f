// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_anpassung.h"

#include <QCheckBox>
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
    if (a.mit_randwert)
        t.c_s = QCoreApplication::translate("Anpassung", "c_s = %1 Mol%  (95-%-Intervall: %2 … %3 Mol%%4)")
                    .arg(zahlen::festkomma(a.c_s, 4, locale), zahlen::festkomma(a.c_s_unten, 4, locale),
                         zahlen::festkomma(a.c_s_oben, 4, locale),
                         a.c_s_offen ? QCoreApplication::translate("Anpassung", ", nur auf einer Seite begrenzt")
                                     : QString());
    return t;
}

frm_anpassung::frm_anpassung(const Anpassung& a, const Modell& parameter, const QString& dateiname,
                             const QLocale& locale, QWidget* eltern, Neuanpassung neu)
    : QDialog(eltern), parameter_(parameter), dateiname_(dateiname), locale_(locale), neu_(std::move(neu))
{
    setWindowTitle(tr("Kalvion - Anpassung an Messprofil"));
    auto* spalte = new QVBoxLayout(this);
    auto zeile = [&](const char* name) {
        auto* l = benannt(new QLabel(this), name);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        spalte->addWidget(l);
        return l;
    };
    lbl_messung_ = zeile("lbl_messung");
    lbl_D_ = zeile("lbl_D");
    lbl_intervall_ = zeile("lbl_intervall");
    lbl_rms_ = zeile("lbl_rms");
    lbl_c_s_ = zeile("lbl_c_s");
    lbl_D0_ = zeile("lbl_D0");
    lbl_D0_intervall_ = zeile("lbl_D0_intervall");
    lbl_befund_ = zeile("lbl_befund");
    lbl_befund_->setWordWrap(true);
    // With the surface held at a fixed concentration, that concentration may
    // be the second unknown.
    if (parameter.Oberflaeche == Oberflaechenart::konzentration && neu_) {
        auto* randwert = benannt(new QCheckBox(tr("Randkonzentration c_s mit anpassen"), this), "chk_randwert");
        randwert->setChecked(a.mit_randwert);
        spalte->addWidget(randwert);
        connect(randwert, &QCheckBox::toggled, this, [this](bool an) { zeige(neu_(an)); });
    }

    auto* knoepfe = new QHBoxLayout;
    uebernehmen_ = benannt(new QPushButton(tr("D0 übernehmen"), this), "cmd_d0_uebernehmen");
    auto* schliessen = benannt(new QPushButton(tr("Schließen"), this), "cmd_schliessen");
    knoepfe->addStretch();
    knoepfe->addWidget(uebernehmen_);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    connect(uebernehmen_, &QPushButton::clicked, this, [this] {
        emit d0_uebernehmen(texte_.d0_text);
        accept();
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    zeige(a);
}

void frm_anpassung::zeige(const Anpassung& a)
{
    texte_ = anpassungstexte(a, parameter_, dateiname_, locale_);
    lbl_messung_->setText(texte_.messung);
    lbl_D_->setText(texte_.d);
    lbl_intervall_->setText(texte_.intervall);
    lbl_rms_->setText(texte_.rms);
    lbl_c_s_->setText(texte_.c_s);
    lbl_c_s_->setVisible(!texte_.c_s.isEmpty());
    lbl_D0_->setText(texte_.d0);
    lbl_D0_intervall_->setText(texte_.d0_intervall);
    lbl_befund_->setText(texte_.befund);
    lbl_befund_->setVisible(!texte_.befund.isEmpty());
    // Where every D fits alike there is no D0 to take.
    uebernehmen_->setEnabled(a.befund != Anpassungsbefund::ohne_information);
}

}  // namespace kalvion

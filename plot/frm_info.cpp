// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_info.h"

#include <QLabel>
#include <QPushButton>

#include "benannt.h"
#include "kalvion_version.h"
#include "textpassung.h"
#include "tastatur.h"
#include "twips.h"

namespace kalvion {

frm_info::frm_info(QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(tr("Kalvion - Info"));
    setFixedSize(twips_groesse(4155, 2100));

    auto* cmd_ok = benannt(new QPushButton(QStringLiteral("OK"), this), "cmd_ok");
    cmd_ok->setGeometry(twips_rechteck(1320, 720, 1335, 615));
    QFont fett(QStringLiteral("Sans Serif"));
    fett.setPointSizeF(8.25);
    fett.setBold(true);
    cmd_ok->setFont(fett);
    cmd_ok->setAutoDefault(false);
    enter_drueckt(cmd_ok);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_info::cmd_ok_Click);

    auto* Label3 = benannt(
        new QLabel(tr("Kalvion.exe    -   Version %1          Kalvion-Projekt  02.2009").arg(QStringLiteral(KALVION_VERSION)), this),
        "Label3");
    Label3->setGeometry(twips_rechteck(120, 120, 4095, 255));
    auto* Label1 = benannt(new QLabel(tr("Kontakt:  Fehlerberichte im Kalvion-Projekt"), this), "Label1");
    Label1->setGeometry(twips_rechteck(0, 1800, 4095, 255));
    text_einpassen(Label3);
    text_einpassen(Label1);
}

void frm_info::cmd_ok_Click()
{
    hide();
    deleteLater();
    emit geschlossen();
}

}  // namespace kalvion

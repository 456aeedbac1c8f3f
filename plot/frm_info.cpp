#include "frm_info.h"

#include <QLabel>
#include <QPushButton>

#include "hauptfenster.h"
#include "twips.h"

namespace kalvion {

frm_info::frm_info(Hauptfenster& haupt)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), haupt_(haupt)
{
    setWindowTitle(QStringLiteral("Kalvion - Info"));
    setFixedSize(twips_groesse(4155, 2100));

    cmd_ok = new QPushButton(QStringLiteral("OK"), this);
    cmd_ok->setGeometry(twips_rechteck(1320, 720, 1335, 615));
    QFont fett(QStringLiteral("Sans Serif"));
    fett.setPointSizeF(8.25);
    fett.setBold(true);
    cmd_ok->setFont(fett);
    cmd_ok->setAutoDefault(false);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_info::cmd_ok_Click);

    Label3 = new QLabel(QStringLiteral("Kalvion.exe    -   Version 1.2          Kalvion-Projekt  02.2009"), this);
    Label3->setGeometry(twips_rechteck(120, 120, 4095, 255));
    Label1 = new QLabel(QStringLiteral("Kontakt:  Fehlerberichte im Kalvion-Projekt"), this);
    Label1->setGeometry(twips_rechteck(0, 1800, 4095, 255));
    text_einpassen(Label3);
    text_einpassen(Label1);
}

void frm_info::cmd_ok_Click()
{
    hide();
    deleteLater();
    haupt_.nach_vorn();
}

}  // namespace kalvion

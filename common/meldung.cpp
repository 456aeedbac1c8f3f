// SPDX-License-Identifier: GPL-3.0-or-later
#include "meldung.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace kalvion {

namespace {

void meldungsbox(QWidget* eltern, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalvion"), text, QMessageBox::Ok, eltern);
    box.exec();
}

int fragebox(QWidget* eltern, const QString& text, const QStringList& knoepfe, int vorgabe)
{
    Q_ASSERT(!knoepfe.isEmpty());
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kalvion"), text, QMessageBox::NoButton, eltern);
    QList<QPushButton*> liste;
    for (qsizetype i = 0; i < knoepfe.size(); ++i) {
        const bool ausweg = i == knoepfe.size() - 1;
        liste << box.addButton(knoepfe[i], ausweg ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
    }
    box.setDefaultButton(liste.value(vorgabe, liste.first()));
    box.setEscapeButton(liste.last());
    box.exec();
    const qsizetype gedrueckt = liste.indexOf(box.clickedButton());
    return int(gedrueckt < 0 ? knoepfe.size() - 1 : gedrueckt);
}

int auswahlbox(QWidget* eltern, const QString& text, const QStringList& eintraege, int vorgabe)
{
    QInputDialog box(eltern);
    box.setWindowTitle(QStringLiteral("Kalvion"));
    box.setLabelText(text);
    box.setComboBoxItems(eintraege);
    box.setComboBoxEditable(false);
    box.setTextValue(eintraege.value(vorgabe));
    if (box.exec() != QDialog::Accepted)
        return -1;
    return int(eintraege.indexOf(box.textValue()));
}

// Each way is taken as a copy when used: it may change while its box is up.
Meldungsweg& aktueller_weg()
{
    static Meldungsweg weg = meldungsbox;
    return weg;
}

Frageweg& aktueller_frageweg()
{
    static Frageweg weg = fragebox;
    return weg;
}

Auswahlweg& aktueller_auswahlweg()
{
    static Auswahlweg weg = auswahlbox;
    return weg;
}

}  // namespace

void melde(QWidget* eltern, const QString& text)
{
    const Meldungsweg weg = aktueller_weg();
    weg(eltern, text);
}

Meldungsweg setze_meldungsweg(Meldungsweg weg)
{
    Meldungsweg alt = aktueller_weg();
    aktueller_weg() = weg ? std::move(weg) : Meldungsweg(meldungsbox);
    return alt;
}

int frage(QWidget* eltern, const QString& text, const QStringList& knoepfe)
{
    return frage(eltern, text, knoepfe, 0);
}

int frage(QWidget* eltern, const QString& text, const QStringList& knoepfe, int vorgabe)
{
    const Frageweg weg = aktueller_frageweg();
    return weg(eltern, text, knoepfe, vorgabe);
}

Frageweg setze_frageweg(Frageweg weg)
{
    Frageweg alt = aktueller_frageweg();
    aktueller_frageweg() = weg ? std::move(weg) : Frageweg(fragebox);
    return alt;
}

int auswahl(QWidget* eltern, const QString& text, const QStringList& eintraege, int vorgabe)
{
    const Auswahlweg weg = aktueller_auswahlweg();
    return weg(eltern, text, eintraege, vorgabe);
}

Auswahlweg setze_auswahlweg(Auswahlweg weg)
{
    Auswahlweg alt = aktueller_auswahlweg();
    aktueller_auswahlweg() = weg ? std::move(weg) : Auswahlweg(auswahlbox);
    return alt;
}

}  // namespace kalvion

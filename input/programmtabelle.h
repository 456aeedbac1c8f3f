// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The segments of a temperature programme as a table model: rate, target and
// hold of each segment, edited as text in the user's locale.

#include <QAbstractTableModel>
#include <QLocale>

#include "programmeingabe.h"

namespace kalvion {

class Programmtabelle : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Spalte { Rate, Ziel, Halten, Spaltenzahl };

    explicit Programmtabelle(const QLocale& locale, QObject* eltern = nullptr);

    void setze(const QList<Programmzeile>& zeilen);
    const QList<Programmzeile>& zeilen() const { return zeilen_; }

    // A new segment after `nach` (-1: at the end): 10 K/min to the last
    // target, 1 h. False at 50 segments.
    bool zeile_einfuegen(int nach = -1);
    void zeile_entfernen(int zeile);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QString& zelle(int zeile, int spalte);
    const QString& zelle(int zeile, int spalte) const;
    bool zelle_gueltig(int zeile, int spalte) const;

    QLocale locale_;
    QList<Programmzeile> zeilen_;
};

}  // namespace kalvion

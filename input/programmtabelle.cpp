// SPDX-License-Identifier: GPL-3.0-or-later
#include "programmtabelle.h"

#include <QBrush>
#include <QColor>

#include "zahlen.h"

namespace kalvion {

Programmtabelle::Programmtabelle(const QLocale& locale, QObject* eltern)
    : QAbstractTableModel(eltern), locale_(locale)
{
}

void Programmtabelle::setze(const QList<Programmzeile>& zeilen)
{
    beginResetModel();
    zeilen_ = zeilen;
    endResetModel();
}

bool Programmtabelle::zeile_einfuegen(int nach)
{
    if (zeilen_.size() >= Hoechste_Segmentzahl)
        return false;
    const int wo = (nach < 0 || nach >= zeilen_.size()) ? zeilen_.size() : nach + 1;
    Programmzeile neu{QStringLiteral("10"), wo > 0 ? zeilen_[wo - 1].ziel : QStringLiteral("1050"), QStringLiteral("1")};
    beginInsertRows({}, wo, wo);
    zeilen_.insert(wo, neu);
    endInsertRows();
    return true;
}

void Programmtabelle::zeile_entfernen(int zeile)
{
    if (zeile < 0 || zeile >= zeilen_.size())
        return;
    beginRemoveRows({}, zeile, zeile);
    zeilen_.removeAt(zeile);
    endRemoveRows();
}

int Programmtabelle::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : zeilen_.size();
}

int Programmtabelle::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : Spaltenzahl;
}

QString& Programmtabelle::zelle(int zeile, int spalte)
{
    Programmzeile& z = zeilen_[zeile];
    return spalte == Rate ? z.rate : spalte == Ziel ? z.ziel : z.halten;
}

const QString& Programmtabelle::zelle(int zeile, int spalte) const
{
    const Programmzeile& z = zeilen_[zeile];
    return spalte == Rate ? z.rate : spalte == Ziel ? z.ziel : z.halten;
}

bool Programmtabelle::zelle_gueltig(int zeile, int spalte) const
{
    // The cell read alone, in a segment whose other cells pass (at once to
    // 20 °C, held 1 h), so that a fault in one cell hides none in another.
    Programmeingabe e;
    Programmzeile z{Rate_sofort, QStringLiteral("20"), QStringLiteral("1")};
    const QString& text = zelle(zeile, spalte);
    Programmfehler hier = Programmfehler::halten;
    if (spalte == Rate) {
        z.rate = text;
        hier = Programmfehler::rate;
    } else if (spalte == Ziel) {
        z.ziel = text;
        hier = Programmfehler::ziel;
    } else {
        z.halten = text;
    }
    e.zeilen = {z};
    return programm_lesen(e, locale_).art != hier;
}

QVariant Programmtabelle::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= zeilen_.size())
        return {};
    if (rolle == Qt::DisplayRole || rolle == Qt::EditRole) {
        // A jump reads in the user's language, whichever word it was typed as.
        const QString& text = zelle(index.row(), index.column());
        const bool anderes_wort = index.column() == Rate && ist_sofort(text) &&
                                  text.trimmed().compare(sofort_text(), Qt::CaseInsensitive) != 0;
        return anderes_wort ? sofort_text() : text;
    }
    if (rolle == Qt::ForegroundRole && !zelle_gueltig(index.row(), index.column()))
        return QBrush(QColor(0xc0, 0, 0));
    if (rolle == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool Programmtabelle::setData(const QModelIndex& index, const QVariant& wert, int rolle)
{
    if (!index.isValid() || rolle != Qt::EditRole)
        return false;
    zelle(index.row(), index.column()) = wert.toString().trimmed();
    emit dataChanged(index, index);
    return true;
}

QVariant Programmtabelle::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (rolle != Qt::DisplayRole)
        return {};
    if (richtung == Qt::Vertical)
        return abschnitt + 1;
    switch (abschnitt) {
    case Rate: return tr("Rate [K/min]");
    case Ziel: return tr("Ziel [°C]");
    case Halten: return tr("Halten [h]");
    }
    return {};
}

Qt::ItemFlags Programmtabelle::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading an exported SVG back: its polylines with their group's stroke, and
// its texts, to check what the graph drew.
#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QStringList>
#include <QXmlStreamReader>
#include <cmath>

#include "modell.h"

// One polyline of an SVG with the stroke of its group.
struct Linienzug {
    QString farbe;
    QString muster;  // stroke-dasharray, empty when solid
    QList<QPointF> punkte;
};

struct Svginhalt {
    QList<Linienzug> linien;
    QStringList texte;
};

inline Svginhalt lies_svg(const QByteArray& daten)
{
    Svginhalt inhalt;
    QXmlStreamReader xml(daten);
    QList<QXmlStreamAttributes> gruppen;
    auto attribut = [&gruppen](const QString& name) {
        for (qsizetype i = gruppen.size() - 1; i >= 0; --i)
            if (gruppen[i].hasAttribute(name))
                return gruppen[i].value(name).toString();
        return QString();
    };
    while (!xml.atEnd()) {
        const auto art = xml.readNext();
        if (art == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g"))
            gruppen.removeLast();
        if (art != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("g")) {
            gruppen << xml.attributes();
        } else if (xml.name() == QLatin1String("polyline")) {
            Linienzug l{attribut("stroke"), attribut("stroke-dasharray"), {}};
            const QStringList paare = xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts);
            for (const QString& paar : paare) {
                const QStringList xy = paar.split(',');
                l.punkte << QPointF(xy.value(0).toDouble(), xy.value(1).toDouble());
            }
            inhalt.linien << l;
        } else if (xml.name() == QLatin1String("text")) {
            inhalt.texte << xml.readElementText().trimmed();
        }
    }
    return inhalt;
}

// Whether a polyline runs through (i, a[i]) for the cells 1 to Zellen, in
// whatever linear scale the drawing used; SVG numbers carry six digits.
inline bool folgt(const Linienzug& l, const kalvion::Zellfeld& a, int zellen)
{
    if (l.punkte.size() != zellen || a[1] == a[zellen])
        return false;
    const QPointF erster = l.punkte.front(), letzter = l.punkte.back();
    const double dx = (letzter.x() - erster.x()) / (zellen - 1);
    const double dy = (letzter.y() - erster.y()) / (a[zellen] - a[1]);
    for (int i = 1; i <= zellen; ++i) {
        const QPointF p = l.punkte[i - 1];
        if (std::abs(p.x() - (erster.x() + (i - 1) * dx)) > 0.01 ||
            std::abs(p.y() - (erster.y() + (a[i] - a[1]) * dy)) > 0.01)
            return false;
    }
    return true;
}

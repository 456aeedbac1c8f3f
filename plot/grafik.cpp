// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafik.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "zahlen.h"

namespace kalvion {

namespace {

// The frame's edges and spans; 16-bit whole numbers as everywhere in the plot.
struct Rahmen {
    std::int16_t x_links = 0, x_rechts = 0, y_unten = 0, y_oben = 100;
    std::int16_t x_breite() const { return static_cast<std::int16_t>(x_rechts - x_links); }
    std::int16_t y_hoehe() const { return static_cast<std::int16_t>(y_oben - y_unten); }
};

class Zeichner {
public:
    Zeichner(QPainter& p, QSizeF flaeche, const Skala& s) : p_(p), flaeche_(flaeche), s_(s) {}

    void stift(int breite, const QColor& farbe)
    {
        QPen pen(farbe, breite, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        p_.setPen(pen);
    }
    void stift(const Kurvenstift& k, const QColor& vordergrund) { p_.setPen(kurvenstift(k, vordergrund)); }
    void linie(double x1, double y1, double x2, double y2)
    {
        p_.drawLine(punkt(x1, y1), punkt(x2, y2));
    }
    void text(double x, double y, const QString& t)
    {
        // The position is the text's top-left corner.
        const QPointF oben_links = punkt(x, y);
        p_.drawText(oben_links + QPointF(0, QFontMetricsF(p_.font()).ascent()), t);
    }
    // Centred across on x, with its top at y.
    void text_darunter(double x, double y, const QString& t)
    {
        const QFontMetricsF fm(p_.font());
        p_.drawText(punkt(x, y) + QPointF(-fm.horizontalAdvance(t) / 2, fm.ascent()), t);
    }
    // Ending at x, centred on y.
    void text_links_davon(double x, double y, const QString& t)
    {
        const QFontMetricsF fm(p_.font());
        p_.drawText(punkt(x, y) + QPointF(-fm.horizontalAdvance(t), (fm.ascent() - fm.descent()) / 2), t);
    }
    // A dot at cell 1, then a line through every further cell.
    void kurve(const Zellfeld& a, std::int16_t zellen)
    {
        QPolygonF linienzug;
        for (int i = 1; i <= zellen; ++i)
            linienzug << punkt(i, a[i]);
        p_.drawPoint(linienzug.front());
        p_.drawPolyline(linienzug);
    }
    // The final profile of run k on the x axis of run m: its cell i lies at
    // i · x_max(k) / Zellen(k) µm. Beyond m's x_max the line ends at the
    // frame's edge, where it crosses it.
    void kurve_auf_achse(const Modell& k, const Modell& m)
    {
        const bool gleiche_zellen = k.x_max.wert == m.x_max.wert && k.Zellen == m.Zellen;
        const double faktor = gleiche_zellen ? 1.0 : k.x_max.wert / k.Zellen * m.Zellen / m.x_max.wert;
        QPolygonF linienzug;
        double x_vorher = 0, y_vorher = 0;
        for (int i = 1; i <= k.Zellen && i < Feldgroesse; ++i) {
            const double x = i * faktor;
            if (x > m.Zellen) {
                const double anteil = (m.Zellen - x_vorher) / (x - x_vorher);
                if (i > 1 && x_vorher < m.Zellen)
                    linienzug << punkt(m.Zellen, y_vorher + (k.Konz[i] - y_vorher) * anteil);
                break;
            }
            linienzug << punkt(x, k.Konz[i]);
            x_vorher = x;
            y_vorher = k.Konz[i];
        }
        if (linienzug.isEmpty())
            return;
        p_.drawPoint(linienzug.front());
        p_.drawPolyline(linienzug);
    }

private:
    // Coordinates reach the drawing operations in single precision.
    QPointF punkt(double x, double y) const
    {
        return s_.nach_pixel(static_cast<float>(x), static_cast<float>(y), flaeche_);
    }

    QPainter& p_;
    QSizeF flaeche_;
    Skala s_;
};

// Legends: the room around their samples and names, and a sample's length.
constexpr double Legendenluft = 6;
constexpr double Musterlaenge = 30;

}  // namespace

QPen kurvenstift(const Kurvenstift& k, const QColor& vordergrund)
{
    QPen pen(k.farbe.isValid() ? k.farbe : vordergrund, k.breite, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (!k.muster.isEmpty())
        pen.setDashPattern(k.muster);
    return pen;
}

Skala Skala::fuer(std::int16_t zellen)
{
    const Rahmen r{0, zellen, 0, 100};
    return {r.x_links - 0.1 * r.x_breite(), r.x_rechts + 0.1 * r.x_breite(),
            r.y_oben + 0.1 * r.y_hoehe(), r.y_unten - 0.1 * r.y_hoehe()};
}

QPointF Skala::nach_pixel(float x, float y, QSizeF flaeche) const
{
    return {(x - links) / (rechts - links) * flaeche.width(),
            (oben - y) / (oben - unten) * flaeche.height()};
}

QPointF Skala::nach_einheiten(QPointF pixel, QSizeF flaeche) const
{
    return {links + (rechts - links) * pixel.x() / flaeche.width(),
            oben - (oben - unten) * pixel.y() / flaeche.height()};
}

QStringList x_beschriftungen(const Modell& m, const QLocale& locale, bool genau)
{
    const Rahmen r{0, m.Zellen, 0, 100};
    QStringList texte;
    for (int k = 0; k <= 5; ++k) {  // every 40 cells; the product first, then the quotient
        const double c = r.x_links + static_cast<std::int16_t>(r.x_breite() * k) / 5.0;
        const double mikrometer = c * m.x_max.wert / m.Zellen;
        texte << (genau ? zahlen::allgemein(mikrometer, locale, 7) : zahlen::festkomma(mikrometer, 0, locale));
    }
    return texte;
}

QStringList y_beschriftungen(const QLocale& locale)
{
    const Rahmen r;
    QStringList texte;
    for (int k = 0; k <= 5; ++k)
        texte << zahlen::festkomma(r.y_unten + static_cast<std::int16_t>(r.y_hoehe() * k) / 5.0, 0, locale);
    return texte;
}

bool darf_zeichnen(bool minimiert, int aussenbreite_twips, int aussenhoehe_twips, bool aktuell)
{
    return !minimiert && aussenbreite_twips >= 1000 && aussenhoehe_twips >= 1000 && aktuell;
}

Kurvenstift vergleichsstift(int k, qreal breite)
{
    // Blue, bluish green, reddish purple, orange, sky blue, vermillion (Okabe–Ito),
    // wine and olive (Tol); the first ones the most different from each other.
    static const QColor farben[Vergleichskurven_hoechstens] = {
        QColor(0x00, 0x72, 0xB2), QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7), QColor(0xE6, 0x9F, 0x00),
        QColor(0x56, 0xB4, 0xE9), QColor(0xD5, 0x5E, 0x00), QColor(0x88, 0x22, 0x55), QColor(0x99, 0x99, 0x33)};
    // In line widths; the live snapshots have 1-2, 4-2 and 8-2-1-2.
    static const QList<qreal> muster[Vergleichskurven_hoechstens] = {
        {6, 3}, {2, 2, 6, 2}, {10, 3}, {1, 1}, {6, 2, 1, 2, 1, 2}, {3, 3}, {10, 2, 3, 2}, {2, 5}};
    const int i = std::clamp(k, 0, Vergleichskurven_hoechstens - 1);
    return {farben[i], breite, muster[i]};
}

void zeichne_grafik(QPainter& p, QSizeF flaeche, const Modell& m, const QLocale& locale,
                    const QColor& vordergrund, const Grafikstil& stil, const std::vector<Vergleichskurve>& vergleich)
{
    const Rahmen r{0, m.Zellen, 0, 100};
    const std::int16_t xb = r.x_breite(), yh = r.y_hoehe();
    Zeichner z(p, flaeche, Skala::fuer(m.Zellen));

    // The window wants crisp one-pixel lines in exactly the colours asked for.
    p.setRenderHint(QPainter::Antialiasing, stil.kantenglaettung);
    z.stift(1, vordergrund);
    z.linie(r.x_links, r.y_unten, r.x_links, r.y_oben);
    z.linie(r.x_links, r.y_oben, r.x_rechts, r.y_oben);
    z.linie(r.x_rechts, r.y_oben, r.x_rechts, r.y_unten);
    z.linie(r.x_rechts, r.y_unten, r.x_links, r.y_unten);

    for (int k = 0; k <= 20; ++k) {  // every 10 cells, pointing outward
        const double x = r.x_links + static_cast<std::int16_t>(xb * k) / 20.0;
        z.linie(x, r.y_unten, x, r.y_unten - 0.01 * yh);
        z.linie(x, r.y_oben, x, r.y_oben + 0.01 * yh);
    }
    for (int k = 0; k <= 20; ++k) {  // every 5 mol%
        const double y = r.y_unten + static_cast<std::int16_t>(yh * k) / 20.0;
        z.linie(r.x_links - 0.006 * xb, y, r.x_links, y);
        z.linie(r.x_rechts + 0.006 * xb, y, r.x_rechts, y);
    }

    const QStringList x_texte = x_beschriftungen(m, locale, stil.genaue_x_beschriftung);
    const QStringList y_texte = y_beschriftungen(locale);
    for (int k = 0; k <= 5; ++k) {
        const double c = r.x_links + static_cast<std::int16_t>(xb * k) / 5.0;
        if (stil.beschriftung_ausgerichtet)
            z.text_darunter(c, r.y_unten - 0.02 * yh, x_texte[k]);
        else
            z.text(c - 0.01 * xb, r.y_unten - 0.02 * yh, x_texte[k]);
    }
    for (int k = 0; k <= 5; ++k) {
        const double v = r.y_unten + static_cast<std::int16_t>(yh * k) / 5.0;
        if (stil.beschriftung_ausgerichtet)
            z.text_links_davon(r.x_links - 0.016 * xb, v, y_texte[k]);
        else
            z.text(r.x_links - 0.03 * xb, v + 0.015 * yh, y_texte[k]);
    }

    for (const Vergleichskurve& k : vergleich) {
        z.stift(k.stift, vordergrund);
        z.kurve_auf_achse(*k.modell, m);
    }

    z.stift(stil.konz_10, vordergrund);
    z.kurve(m.Konz_10, m.Zellen);
    z.stift(stil.konz_100, vordergrund);
    z.kurve(m.Konz_100, m.Zellen);
    if (mit_konz_1000(m)) {
        z.stift(stil.konz_1000, vordergrund);
        z.kurve(m.Konz_1000, m.Zellen);
    }
    z.stift(stil.konz_start, vordergrund);
    z.kurve(m.Konz_Start, m.Zellen);
    z.stift(stil.konz, vordergrund);
    z.kurve(m.Konz, m.Zellen);
}

QSizeF legendengroesse(const QFontMetricsF& fm, const QList<Legendeneintrag>& eintraege)
{
    double textbreite = 0;
    for (const Legendeneintrag& e : eintraege)
        textbreite = std::max(textbreite, fm.horizontalAdvance(e.text));
    return {3 * Legendenluft + Musterlaenge + textbreite, 2 * Legendenluft + eintraege.size() * fm.height()};
}

void zeichne_legende(QPainter& p, const QRectF& kasten, const QList<Legendeneintrag>& eintraege, qreal marke)
{
    const QFontMetricsF fm(p.font());
    p.setPen(QPen(Qt::black, 0.5));
    p.setBrush(Qt::white);
    p.drawRect(kasten);
    p.setBrush(Qt::NoBrush);
    double y = kasten.top() + Legendenluft;
    for (const Legendeneintrag& e : eintraege) {
        const double mitte = y + fm.height() / 2;
        if (e.marke) {
            p.setPen(Qt::NoPen);
            p.setBrush(e.stift.farbe);
            p.drawEllipse(QPointF(kasten.left() + Legendenluft + Musterlaenge / 2, mitte), marke / 2, marke / 2);
            p.setBrush(Qt::NoBrush);
        } else {
            p.setPen(kurvenstift(e.stift, Qt::black));
            p.drawLine(QPointF(kasten.left() + Legendenluft, mitte),
                       QPointF(kasten.left() + Legendenluft + Musterlaenge, mitte));
        }
        p.setPen(Qt::black);
        p.drawText(QPointF(kasten.left() + 2 * Legendenluft + Musterlaenge, y + fm.ascent()), e.text);
        y += fm.height();
    }
}

Legendeneintrag endeintrag(const Kurvenstift& stift, const QString& name)
{
    const QString ende = QCoreApplication::translate("Grafikexport", "Ende");
    return {name.isEmpty() ? ende : ende + QStringLiteral(" (") + name + QLatin1Char(')'), stift};
}

QList<Legendeneintrag> vergleichseintraege(const QStringList& namen, qreal breite)
{
    QList<Legendeneintrag> eintraege;
    for (qsizetype k = 0; k < namen.size(); ++k)
        eintraege << Legendeneintrag{namen[k], vergleichsstift(static_cast<int>(k), breite)};
    return eintraege;
}

void zeichne_fensterlegende(QPainter& p, QSizeF flaeche, const Modell& m, QList<Legendeneintrag> eintraege)
{
    const Skala s = Skala::fuer(m.Zellen);
    const QPointF oben_links = s.nach_pixel(0, 100, flaeche), oben_rechts = s.nach_pixel(m.Zellen, 100, flaeche);
    const QFontMetricsF fm(p.font());
    for (Legendeneintrag& e : eintraege)
        e.text = fm.elidedText(e.text, Qt::ElideRight, (oben_rechts.x() - oben_links.x()) / 3);
    const QSizeF groesse = legendengroesse(fm, eintraege);
    p.save();
    const QPointF ecke = oben_rechts + QPointF(-Legendenluft - groesse.width(), Legendenluft);
    zeichne_legende(p, QRectF(ecke, groesse), eintraege, 0);
    p.restore();
}

void zeichne_messpunkte(QPainter& p, QSizeF flaeche, const Modell& m, const std::vector<Messpunkt>& punkte,
                        qreal durchmesser, bool kantenglaettung)
{
    const Skala s = Skala::fuer(m.Zellen);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, kantenglaettung);
    p.setPen(Qt::NoPen);
    p.setBrush(Messfarbe);
    for (const Messpunkt& punkt : punkte) {
        if (!(punkt.x >= 0 && punkt.x <= m.x_max.wert))
            continue;
        const double zelle = punkt.x * m.Zellen / m.x_max.wert;
        const QPointF mitte = s.nach_pixel(static_cast<float>(zelle), static_cast<float>(punkt.konz), flaeche);
        p.drawEllipse(mitte, durchmesser / 2, durchmesser / 2);
    }
    p.restore();
}

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafikexport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "kurvendatei.h"
#include "bedingungen.h"
#include "programmeingabe.h"
#include "vergleich.h"
#include "zahlen.h"

namespace kalvion {

namespace {

// The page is laid out in 1/96 inch, so that the window's line widths of one
// and two pixels become 0.26 and 0.53 mm on paper.
constexpr double Mm_je_Zoll = 25.4;
constexpr double Einheiten_je_mm = 96 / Mm_je_Zoll;
constexpr int Pdf_dpi = 1200;

constexpr int Schrift_px = 12;        // 9 pt
constexpr int Titelschrift_px = 13;   // 10 pt
constexpr int Unterschrift_px = 11;   // about 8 pt, smaller if the line is long
constexpr int Kleinste_Schrift_px = 8;
constexpr double Rand = 8;
constexpr double Luft = 6;
constexpr double Markengroesse = 4.5;  // a measured point, about 1.2 mm
// A kept result's name in the legend is cut off with an ellipsis beyond this
// (about 4 cm), so that a long one (a programme) leaves the graph its room.
constexpr double Vergleichsname_hoechstens = 150;

// A snapshot colour that stays dark enough on paper: a dark amber, mid-grey
// in greyscale between the black start and the red end.
const QColor Bernstein(176, 112, 0);

// The generic family, so that an SVG viewer without the program's fonts
// still picks a sans-serif one.
QFont schrift(int pixel)
{
    QFont f(QStringLiteral("sans-serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    return f;
}

// A parameter as accepted: the text it was typed as, a start-up value in print form.
QString wie_angenommen(const Eingabewert& w, const QLocale& locale)
{
    return w.text ? QString::fromStdString(*w.text) : zahlen::druckform(w.wert, locale).trimmed();
}

// The caption from the line's top left, in the largest font up to its own
// size that fits the line's width; cut off with an ellipsis only below the smallest.
void zeichne_unterschrift(QPainter& p, const QRectF& zeile, const QString& text)
{
    int pixel = Unterschrift_px;
    while (pixel > Kleinste_Schrift_px && QFontMetricsF(schrift(pixel)).horizontalAdvance(text) > zeile.width())
        --pixel;
    const QFont f = schrift(pixel);
    const QFontMetricsF fm(f);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QPointF(zeile.left(), zeile.top() + fm.ascent()), fm.elidedText(text, Qt::ElideRight, zeile.width()));
}

QByteArray png_daten(const Modell& m, const QLocale& locale, const Messprofil* messung, const Behaltene& behalten)
{
    QImage bild(png_groesse(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    const int punkte_je_meter = qRound(Png_dpi / Mm_je_Zoll * 1000);
    bild.setDotsPerMeterX(punkte_je_meter);
    bild.setDotsPerMeterY(punkte_je_meter);
    QPainter p;
    if (!p.begin(&bild))
        return {};
    zeichne_bericht(p, bild.size(), m, locale, messung, behalten);
    p.end();

    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    return bild.save(&puffer, "PNG") ? daten : QByteArray();
}

QByteArray svg_daten(const Modell& m, const QLocale& locale, const Messprofil* messung, const Behaltene& behalten)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    // Drawn in the PNG's pixels; the page keeps its size in mm.
    svg.setSize(png_groesse());
    svg.setViewBox(QRect(QPoint(), png_groesse()));
    svg.setResolution(Png_dpi);
    svg.setTitle(QStringLiteral("Kalvion"));
    svg.setDescription(bildunterschrift(m, locale, messung ? messung->dateiname : QString()));
    QPainter p;
    if (!p.begin(&svg))
        return {};
    zeichne_bericht(p, png_groesse(), m, locale, messung, behalten);
    return p.end() ? daten : QByteArray();
}

QByteArray pdf_daten(const Modell& m, const QLocale& locale, const Messprofil* messung, const Behaltene& behalten)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setPageSize(QPageSize(Seite_mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(Pdf_dpi);
        pdf.setTitle(QStringLiteral("Kalvion"));
        pdf.setCreator(QStringLiteral("Kalvion"));
        QPainter p;
        if (!p.begin(&pdf))
            return {};
        zeichne_bericht(p, QSizeF(pdf.width(), pdf.height()), m, locale, messung, behalten);
        if (!p.end())
            return {};
    }  // the writer finishes the file when it goes
    return daten;
}

}  // namespace

QSize png_groesse()
{
    return {qRound(Seite_mm.width() / Mm_je_Zoll * Png_dpi), qRound(Seite_mm.height() / Mm_je_Zoll * Png_dpi)};
}

std::optional<Grafikformat> grafikformat(const QString& dateipfad)
{
    const QString endung = QFileInfo(dateipfad).suffix().toLower();
    if (endung == QLatin1String("png"))
        return Grafikformat::png;
    if (endung == QLatin1String("svg"))
        return Grafikformat::svg;
    if (endung == QLatin1String("pdf"))
        return Grafikformat::pdf;
    return std::nullopt;
}

Grafikstil berichtstil()
{
    Grafikstil stil;
    stil.konz_10 = {Bernstein, 1.5, {1, 2}};
    stil.konz_100 = {Bernstein, 1.5, {4, 2}};
    stil.konz_1000 = {Bernstein, 1.5, {8, 2, 1, 2}};
    stil.konz_start = {Qt::black, 1.5, {}};
    stil.konz = {QColor(255, 0, 0), 2, {}};
    stil.kantenglaettung = true;
    stil.beschriftung_ausgerichtet = true;
    stil.genaue_x_beschriftung = true;
    return stil;
}

QList<Legendeneintrag> legende(const Modell& m, const Grafikstil& stil, bool mit_messung, const QString& aktuell,
                               const QStringList& behalten)
{
    QList<Legendeneintrag> eintraege;
    eintraege << Legendeneintrag{QCoreApplication::translate("Grafikexport", "Start"), stil.konz_start}
              << Legendeneintrag{QCoreApplication::translate("Grafikexport", "nach 10 Schritten"), stil.konz_10}
              << Legendeneintrag{QCoreApplication::translate("Grafikexport", "nach 100 Schritten"), stil.konz_100};
    if (mit_konz_1000(m))
        eintraege << Legendeneintrag{QCoreApplication::translate("Grafikexport", "nach 1000 Schritten"),
                                     stil.konz_1000};
    if (behalten.isEmpty())
        eintraege << Legendeneintrag{QCoreApplication::translate("Grafikexport", "Ende"), stil.konz};
    else
        eintraege << endeintrag(stil.konz, aktuell) << vergleichseintraege(behalten, stil.vergleichsbreite);
    if (mit_messung)
        eintraege << Legendeneintrag{QCoreApplication::translate("Grafikexport", "Messung"), {Messfarbe, 1, {}},
                                     true};
    return eintraege;
}

QString bildunterschrift(const Modell& m, const QLocale& locale, const QString& messdatei)
{
    const QString messung =
        messdatei.isEmpty() ? QString() : QCoreApplication::translate("Grafikexport", ", Messung: %1").arg(messdatei);
    return QCoreApplication::translate("Grafikexport", "Modell %1, T = %2 °C, t = %3 h, x_max = %4 µm, "
                                                       "D0·1000 = %5 cm²/s, Q = %6 J/mol, i_Diff = %7")
        .arg(QCoreApplication::translate("Geometrie", beschreibung(m.Geometrie).anzeigename),
             wie_angenommen(m.Sintertemp, locale),
             // a programme's t_eq to four digits, as the time field shows it
             m.programm ? aequivalente_zeit_text(m.Sinterzeit.wert, locale) : wie_angenommen(m.Sinterzeit, locale),
             wie_angenommen(m.x_max, locale), wie_angenommen(m.D0, locale), wie_angenommen(m.Q, locale),
             zahlen::druckform(m.i_Diff, locale).trimmed()) +
           messung;
}

QStringList unterschriftzeilen(const Modell& m, const QLocale& locale, const QString& messdatei)
{
    QStringList zeilen{bildunterschrift(m, locale, messdatei)};
    // A furnace cycle in a line of its own under the parameters of its equivalent run.
    if (m.programm)
        zeilen << programmanzeige(*m.programm);
    if (const QString bedingungen = bedingungszeile(m, locale, Namenssprache::anzeige); !bedingungen.isEmpty())
        zeilen << bedingungen;
    return zeilen;
}

namespace {

// Where everything goes on the page, in 1/96 inch.
struct Aufteilung {
    double massstab;     // device units per 1/96 inch
    QSizeF flaeche;      // the page
    QRectF rahmen;       // the graph's frame
    QRectF legende;      // the legend's box
};

Aufteilung aufteilen(QSizeF seite, const QList<Legendeneintrag>& eintraege, int unterschriftzeilen)
{
    Aufteilung a;
    a.massstab = seite.width() / (Seite_mm.width() * Einheiten_je_mm);
    a.flaeche = seite / a.massstab;
    const QFontMetricsF fm(schrift(Schrift_px)), fm_titel(schrift(Titelschrift_px)),
        fm_unterschrift(schrift(Unterschrift_px));
    const QSizeF legende = legendengroesse(fm, eintraege);

    // The frame leaves room for the caption above it, the legend to its right,
    // and the labels and axis titles to its left and below it.
    a.rahmen.setTop(Rand + unterschriftzeilen * fm_unterschrift.height() + 2 * Luft);
    a.rahmen.setLeft(Rand + fm_titel.height() + Luft + fm.horizontalAdvance(QStringLiteral("100")) + 2 * Luft);
    a.rahmen.setRight(a.flaeche.width() - Rand - legende.width() - 2 * Luft);
    a.rahmen.setBottom(a.flaeche.height() - Rand - fm_titel.height() - fm.height() - 2 * Luft);
    a.legende = QRectF(QPointF(a.rahmen.right() + 2 * Luft, a.rahmen.top()), legende);
    return a;
}

void zeichne_achsentitel(QPainter& p, const Aufteilung& a)
{
    const QFont titel = schrift(Titelschrift_px);
    const QFontMetricsF fm(titel);
    p.setFont(titel);
    p.setPen(Qt::black);
    const QString x_titel = QString::fromUtf8("x [µm]");
    p.drawText(QPointF(a.rahmen.center().x() - fm.horizontalAdvance(x_titel) / 2,
                       a.flaeche.height() - Rand - fm.descent()),
               x_titel);
    const QString y_titel = QCoreApplication::translate("Grafikexport", "Konzentration [Mol%]");
    p.save();
    p.translate(Rand + fm.ascent(), a.rahmen.center().y());
    p.rotate(-90);
    p.drawText(QPointF(-fm.horizontalAdvance(y_titel) / 2, 0), y_titel);
    p.restore();
}

}  // namespace

namespace {

std::vector<const Modell*> modelle(const Behaltene& behalten)
{
    std::vector<const Modell*> m;
    for (const Ergebniszeiger& e : behalten)
        m.push_back(&e->modell);
    return m;
}

// The legend of the page, kept results named by what tells them apart.
QList<Legendeneintrag> berichtslegende(const Modell& m, const QLocale& locale, bool mit_messung,
                                       const Behaltene& behalten)
{
    if (behalten.empty())
        return legende(m, berichtstil(), mit_messung);
    const Vergleichsnamen namen = vergleichsnamen(m, modelle(behalten), locale, Namenssprache::anzeige);
    const QFontMetricsF fm(schrift(Schrift_px));
    auto gekuerzt = [&fm](const QString& name) { return fm.elidedText(name, Qt::ElideRight, Vergleichsname_hoechstens); };
    QStringList behaltene;
    for (const QString& name : namen.behalten)
        behaltene << gekuerzt(name);
    return legende(m, berichtstil(), mit_messung, gekuerzt(namen.aktuell), behaltene);
}

}  // namespace

QRectF berichtsrahmen(QSizeF seite, const Modell& m, bool mit_messung, const Behaltene& behalten, const QLocale& locale)
{
    const Aufteilung a = aufteilen(seite, berichtslegende(m, locale, mit_messung, behalten),
                                   static_cast<int>(unterschriftzeilen(m, locale, {}).size()));
    return {a.rahmen.topLeft() * a.massstab, a.rahmen.size() * a.massstab};
}

void zeichne_bericht(QPainter& p, QSizeF seite, const Modell& m, const QLocale& locale, const Messprofil* messung,
                     const Behaltene& behalten)
{
    const Grafikstil stil = berichtstil();
    const QList<Legendeneintrag> eintraege = berichtslegende(m, locale, messung != nullptr, behalten);
    const QStringList unterschrift = unterschriftzeilen(m, locale, messung ? messung->dateiname : QString());
    const Aufteilung a = aufteilen(seite, eintraege, static_cast<int>(unterschrift.size()));
    std::vector<Vergleichskurve> vergleich;
    for (const Modell* k : modelle(behalten))
        vergleich.push_back({k, vergleichsstift(static_cast<int>(vergleich.size()), stil.vergleichsbreite)});

    p.save();
    p.setFont(schrift(Schrift_px));
    p.fillRect(QRectF(QPointF(), seite), Qt::white);
    p.scale(a.massstab, a.massstab);

    // The graph's own margins are a tenth of the frame on every side.
    const QRectF& r = a.rahmen;
    const QRectF grafik = r.adjusted(-r.width() / 10, -r.height() / 10, r.width() / 10, r.height() / 10);
    p.save();
    p.translate(grafik.topLeft());
    zeichne_grafik(p, grafik.size(), m, locale, Qt::black, stil, vergleich);
    if (messung)
        zeichne_messpunkte(p, grafik.size(), m, messung->punkte, Markengroesse, true);
    p.restore();

    zeichne_achsentitel(p, a);
    p.setFont(schrift(Schrift_px));
    zeichne_legende(p, a.legende, eintraege, Markengroesse);
    const double zeilenhoehe = QFontMetricsF(schrift(Unterschrift_px)).height();
    for (qsizetype i = 0; i < unterschrift.size(); ++i)
        zeichne_unterschrift(p, QRectF(Rand, Rand + i * zeilenhoehe, a.flaeche.width() - 2 * Rand, 0),
                             unterschrift[i]);
    p.restore();
}

QByteArray grafikdaten(Grafikformat format, const Modell& m, const QLocale& locale, const Messprofil* messung,
                       const Behaltene& behalten)
{
    switch (format) {
    case Grafikformat::png:
        return png_daten(m, locale, messung, behalten);
    case Grafikformat::svg:
        return svg_daten(m, locale, messung, behalten);
    case Grafikformat::pdf:
        return pdf_daten(m, locale, messung, behalten);
    }
    return {};
}

bool grafik_schreiben(const QString& dateipfad, const Modell& m, const QLocale& locale, const Messprofil* messung,
                      const Behaltene& behalten)
{
    const std::optional<Grafikformat> format = grafikformat(dateipfad);
    if (!format)
        return false;
    const QByteArray daten = grafikdaten(*format, m, locale, messung, behalten);
    return !daten.isEmpty() && datei_ersetzen(dateipfad, daten);
}

}  // namespace kalvion

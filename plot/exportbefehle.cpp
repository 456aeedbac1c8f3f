// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportbefehle.h"

#include <QCoreApplication>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include "grafikexport.h"
#include "kurvendatei.h"
#include "meldung.h"

namespace kalvion {

namespace {

// Writes the current result, with the results kept beside it, to the path.
using Schreiber = std::function<bool(const QString&, const Modell&, const Behaltene&, const QLocale&)>;

// Why a chosen path cannot be written in this form; empty where it can.
using Vorpruefung = std::function<QString(const QString&)>;

struct Exportart {
    QString titel;
    QString dateiname;  // offered in the folder used last
    QStringList filter;
    Schreiber schreiben;
    Vorpruefung vorpruefung = {};
};

// The suffix decides the graph's format: any other names the ones there are.
QString grafikendung_pruefen(const QString& pfad)
{
    if (grafikformat(pfad))
        return {};
    return QCoreApplication::translate("Befehle", "„%1“: Grafiken werden als PNG (.png), SVG (.svg) oder PDF (.pdf) "
                                                  "gespeichert.")
        .arg(QFileInfo(pfad).fileName());
}

// "SVG-Grafik (*.svg)" → "svg".
QString endung_des_filters(const QString& filter)
{
    static const QRegularExpression muster(QStringLiteral(R"(\*\.(\w+))"));
    return muster.match(filter).captured(1);
}

// The standard dialog. The suffix decides the format, so a name typed without
// one gets that of the chosen filter before the dialog asks about replacing.
QString standarddialog(QWidget* eltern, const QString& titel, const QString& vorschlag, const QStringList& filter)
{
    QFileDialog dialog(eltern, titel, vorschlag);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filter);
    dialog.setDefaultSuffix(endung_des_filters(filter.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& f) { dialog.setDefaultSuffix(endung_des_filters(f)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

Dateiwahl& aktuelle_wahl()
{
    static Dateiwahl wahl = standarddialog;
    return wahl;
}

QString oeffnungsdialog(QWidget* eltern, const QString& titel, const QString& ordner, const QStringList& filter)
{
    QFileDialog dialog(eltern, titel, ordner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

Dateiwahl& aktuelle_oeffnung()
{
    static Dateiwahl oeffnung = oeffnungsdialog;
    return oeffnung;
}

void exportieren(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale, const Exportart& art)
{
    if (stand.laeuft) {
        melde(eltern, QCoreApplication::translate("Befehle", "Die Berechnung läuft noch."));
        return;
    }
    if (!stand.aktuell) {
        melde(eltern, QCoreApplication::translate("Befehle", "Noch keine aktuelle Berechnung durchgeführt!"));
        return;
    }
    // This result is written, whatever happens while the file dialog is open.
    const Ergebniszeiger ergebnis = stand.aktuell;
    const Behaltene behalten = stand.behalten;
    const Modell& m = ergebnis->modell;
    const Dateiwahl wahl = aktuelle_wahl();  // a copy: the way may change meanwhile
    const QString pfad = wahl(eltern, art.titel, QDir(exportordner()).filePath(art.dateiname), art.filter);
    if (pfad.isEmpty())
        return;
    if (const QString grund = art.vorpruefung ? art.vorpruefung(pfad) : QString(); !grund.isEmpty()) {
        melde(eltern, grund);
        return;
    }
    if (!art.schreiben(pfad, m, behalten, locale)) {
        melde(eltern, QCoreApplication::translate("Befehle", "Speichern fehlgeschlagen!"));
        return;
    }
    QSettings().setValue(QLatin1String(Ordnerschluessel), QFileInfo(pfad).absolutePath());
}

}  // namespace

Dateiwahl setze_dateiwahl(Dateiwahl wahl)
{
    Dateiwahl alt = aktuelle_wahl();
    aktuelle_wahl() = wahl ? std::move(wahl) : Dateiwahl(standarddialog);
    return alt;
}

QString datei_waehlen(QWidget* eltern, const QString& titel, const QString& vorschlag, const QStringList& filter)
{
    const Dateiwahl wahl = aktuelle_wahl();  // a copy: the way may change meanwhile
    return wahl(eltern, titel, vorschlag, filter);
}

Dateiwahl setze_dateioeffnung(Dateiwahl oeffnung)
{
    Dateiwahl alt = aktuelle_oeffnung();
    aktuelle_oeffnung() = oeffnung ? std::move(oeffnung) : Dateiwahl(oeffnungsdialog);
    return alt;
}

QString datei_oeffnen(QWidget* eltern, const QString& titel, const QString& ordner, const QStringList& filter)
{
    const Dateiwahl oeffnung = aktuelle_oeffnung();
    return oeffnung(eltern, titel, ordner, filter);
}

QString exportordner()
{
    // A folder that is not there would leave the dialog in the working
    // directory: a remembered one that was removed, a documents folder never made.
    const QString gemerkt = QSettings().value(QLatin1String(Ordnerschluessel)).toString();
    if (QFileInfo(gemerkt).isDir())
        return gemerkt;
    const QString dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(dokumente).isDir() ? dokumente : QDir::homePath();
}

void grafik_speichern(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale)
{
    grafik_mit_messung_speichern(eltern, stand, locale, nullptr);
}

void grafik_mit_messung_speichern(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale,
                                  std::shared_ptr<const Messprofil> messung)
{
    exportieren(eltern, stand, locale,
                {QCoreApplication::translate("Befehle", "Kalvion - Grafik speichern"),
                 QCoreApplication::translate("Befehle", "kalvion-grafik.png"),
                 {QCoreApplication::translate("Befehle", "PNG-Bild (*.png)"), QCoreApplication::translate("Befehle", "SVG-Grafik (*.svg)"),
                  QCoreApplication::translate("Befehle", "PDF-Dokument (*.pdf)")},
                 [messung](const QString& pfad, const Modell& m, const Behaltene& behalten, const QLocale& l) {
                     return grafik_schreiben(pfad, m, l, messung.get(), behalten);
                 },
                 grafikendung_pruefen});
}

void kurven_speichern(QWidget* eltern, const Ergebnisstand& stand, const QLocale& locale)
{
    exportieren(eltern, stand, locale,
                {QCoreApplication::translate("Befehle", "Kalvion - Kurven speichern"),
                 QCoreApplication::translate("Befehle", "kalvion-kurven.csv"),
                 {QCoreApplication::translate("Befehle", "CSV-Tabelle (*.csv)")},
                 [](const QString& pfad, const Modell& m, const Behaltene& behalten, const QLocale& l) {
                     return kurven_schreiben(pfad, m, l, vergleichsspalten(m, behalten, l));
                 }});
}

QList<QAction*> exportbefehle_anhaengen(QMenu* menu, QWidget* eltern, Ergebnisquelle quelle, const QLocale& locale,
                                        Messquelle messquelle)
{
    QAction* grafik = menu->addAction(QCoreApplication::translate("Befehle", "&Grafik speichern …"));
    grafik->setObjectName(QStringLiteral("mnu_grafik_speichern"));
    QObject::connect(grafik, &QAction::triggered, eltern, [eltern, quelle, locale, messquelle] {
        grafik_mit_messung_speichern(eltern, quelle(), locale, messquelle ? messquelle() : nullptr);
    });
    QAction* kurven = menu->addAction(QCoreApplication::translate("Befehle", "&Kurven speichern …"));
    kurven->setObjectName(QStringLiteral("mnu_kurven_speichern"));
    QObject::connect(kurven, &QAction::triggered, eltern, [eltern, quelle, locale] { kurven_speichern(eltern, quelle(), locale); });
    return {grafik, kurven};
}

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_speichern.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "ergebnisdatei.h"
#include "benannt.h"
#include "meldung.h"
#include "tastatur.h"
#include "twips.h"

namespace kalvion {

namespace {

constexpr int Pfadrolle = Qt::UserRole;

QString wurzel_von(const QString& ordner)
{
    return QDir::fromNativeSeparators(QStorageInfo(ordner).rootPath());
}

}  // namespace

QStringList frm_speichern::laufwerke()
{
    QStringList wurzeln;
    for (const QFileInfo& w : QDir::drives())
        wurzeln << QDir::fromNativeSeparators(w.absoluteFilePath());
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString wurzel = QDir::fromNativeSeparators(v.rootPath());
        if (v.isValid() && v.isReady() && !wurzeln.contains(wurzel))
            wurzeln << wurzel;
    }
    if (wurzeln.size() > 1)
        std::sort(wurzeln.begin() + 1, wurzeln.end());  // the system's own root stays first
    return wurzeln;
}

frm_speichern::frm_speichern(Ergebnisquelle quelle, const QLocale& locale)
    : QDialog(nullptr, Qt::Window), quelle_(std::move(quelle)), locale_(locale)
{
    setWindowTitle(tr("Kalvion  -  Daten  speichern"));
    resize(twips_groesse(6465, 4260));

    txt_dateiname = benannt(new QLineEdit(this), "txt_dateiname");
    txt_dateiname->setGeometry(twips_rechteck(3840, 2640, 2412, 372));
    cmd_abbrechen = benannt(new QPushButton(tr("&Abbrechen"), this), "cmd_abbrechen");
    cmd_abbrechen->setGeometry(twips_rechteck(3840, 3240, 1092, 492));
    cmd_ok = benannt(new QPushButton(tr("&ok"), this), "cmd_ok");
    cmd_ok->setGeometry(twips_rechteck(5160, 3240, 1092, 492));
    drive = benannt(new QComboBox(this), "drive");
    drive->setGeometry(twips_rechteck(240, 240, 3200, 315));
    dir = benannt(new QListWidget(this), "dir");
    dir->setGeometry(twips_rechteck(240, 720, 3200, 2790));
    file = benannt(new QListWidget(this), "file");
    file->setGeometry(twips_rechteck(3840, 360, 2412, 2040));
    lbl_pfad = benannt(new QLabel(this), "lbl_pfad");
    lbl_pfad->setGeometry(twips_rechteck(240, 3840, 6015, 255));
    for (auto* k : {cmd_abbrechen, cmd_ok}) {
        k->setAutoDefault(false);
        k->setDefault(false);
        enter_drueckt(k);
    }
    QWidget* reihe[] = {txt_dateiname, cmd_abbrechen, cmd_ok, drive, dir, file};
    for (std::size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    // The lists start at the program's current drive and folder.
    const QString aktuell = QDir::currentPath();
    drive->addItems(laufwerke());
    drive->setCurrentIndex(std::max(0, drive->findText(wurzel_von(aktuell))));
    ordner_ = aktuell;
    fuelle_ordnerliste();
    fuelle_dateiliste();
    Form_Load();

    connect(drive, &QComboBox::currentIndexChanged, this, &frm_speichern::drive_Change);
    connect(dir, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
        setze_ordner(eintrag->data(Pfadrolle).toString());
    });
    // Choosing an entry picks that file: a click, the arrow keys (they select
    // as they move) or Enter on it. Tabbing into the list only marks its
    // first entry as current without selecting it, and must never change
    // where "&ok" writes.
    connect(file, &QListWidget::itemSelectionChanged, this, [this] {
        if (!file->selectedItems().isEmpty())
            file_Click();
    });
    connect(file, &QListWidget::itemClicked, this, &frm_speichern::file_Click);
    connect(file, &QListWidget::itemActivated, this, [this](QListWidgetItem* eintrag) {
        eintrag->setSelected(true);
        file_Click();
    });
    connect(txt_dateiname, &QLineEdit::textChanged, this, &frm_speichern::txt_dateiname_Change);
    connect(cmd_abbrechen, &QPushButton::clicked, this, &frm_speichern::close);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_speichern::cmd_ok_Click);
}

void frm_speichern::Form_Load()
{
    Laufwerk = drive->currentText();
    // The folder the list shows, not empty: a name typed without touching the
    // lists is saved where the dialog shows, not in the root of the drive.
    Pfad = ordner_;
    Dateiname.clear();
}

void frm_speichern::drive_Change()
{
    Laufwerk = drive->currentText();
    if (!QDir(Laufwerk).isReadable()) {
        kalvion::melde(this, tr("Zugriff nicht möglich!"));
        if (drive->currentIndex() != 0)
            drive->setCurrentIndex(0);  // raises drive_Change for the first drive
        return;
    }
    setze_ordner(Laufwerk);
    zeige_pfad();
}

void frm_speichern::setze_ordner(const QString& ordner)
{
    const QString neu = QDir::cleanPath(QDir::fromNativeSeparators(ordner));
    if (neu == ordner_)
        return;
    ordner_ = neu;
    fuelle_ordnerliste();
    dir_Change();
}

void frm_speichern::dir_Change()
{
    Pfad = ordner_;
    fuelle_dateiliste();
    zeige_pfad();
}

void frm_speichern::file_Click()
{
    if (const QList<QListWidgetItem*> gewaehlt = file->selectedItems(); !gewaehlt.isEmpty())
        Dateiname = gewaehlt.first()->text();
    txt_dateiname->setText(Dateiname);  // raises txt_dateiname_Change
    zeige_pfad();
}

void frm_speichern::txt_dateiname_Change()
{
    Dateiname = txt_dateiname->text();
    zeige_pfad();
}

void frm_speichern::zeige_pfad()
{
    // A deep path keeps its file name in sight: shortened in the middle, and
    // whole in the tooltip.
    const QString pfad = QDir::toNativeSeparators(pfad_zusammensetzen(Pfad, Dateiname));
    lbl_pfad->setText(lbl_pfad->fontMetrics().elidedText(pfad, Qt::ElideMiddle, lbl_pfad->width()));
    lbl_pfad->setToolTip(pfad);
}

void frm_speichern::cmd_ok_Click()
{
    const Ergebnisstand stand = quelle_();
    Speicherergebnis ergebnis = speichere(stand, Pfad, Dateiname, QDate::currentDate(), locale_, &Dateipfad);
    if (ergebnis == Speicherergebnis::keine_ergebnisdatei) {
        // A parameter file, a table or a picture would be spoilt by a block:
        // "Nein" is the default and the way out, and leaves the dialog open.
        const QString frage = tr("„%1“ ist keine Kalvion-Ergebnisdatei. Trotzdem anhängen?")
                                  .arg(QFileInfo(Dateipfad).fileName());
        if (kalvion::frage(this, frage, {tr("&Ja"), tr("&Nein")}, 1) != 0)
            return;
        ergebnis = speichere(stand, Pfad, Dateiname, QDate::currentDate(), locale_, &Dateipfad,
                             Fremde_datei::anhaengen);
    }
    switch (ergebnis) {
    case Speicherergebnis::berechnung_laeuft:
        // The dialog stays open: once the run has finished, "&ok" saves.
        kalvion::melde(this, tr("Die Berechnung läuft noch."));
        break;
    case Speicherergebnis::keine_berechnung:
        kalvion::melde(this, tr("Noch keine aktuelle Berechnung durchgeführt!"));
        close();
        break;
    case Speicherergebnis::kein_dateiname:
        kalvion::melde(this, tr("Dateiname fehlt!"));
        break;
    case Speicherergebnis::keine_ergebnisdatei:  // answered above
    case Speicherergebnis::fehlgeschlagen:
        kalvion::melde(this, tr("Speichern fehlgeschlagen!"));
        break;
    case Speicherergebnis::gespeichert:
        close();
        break;
    }
}

void frm_speichern::fuelle_ordnerliste()
{
    // The folder tree from the root down to the current folder, then its
    // subfolders one level deeper; activating an entry opens that folder.
    dir->clear();
    QStringList kette;
    for (QDir d(ordner_);; ) {
        kette.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int tiefe = 0;
    for (const QString& o : kette) {
        const QString name = tiefe == 0 ? QDir::toNativeSeparators(o) : QDir(o).dirName();
        auto* eintrag = new QListWidgetItem(QString(tiefe * 2, QLatin1Char(' ')) + QString::fromUtf8("▾ ") + name, dir);
        eintrag->setData(Pfadrolle, o);
        ++tiefe;
    }
    dir->setCurrentRow(dir->count() - 1);
    const QDir aktuell(ordner_);
    for (const QString& unter : aktuell.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* eintrag = new QListWidgetItem(QString(tiefe * 2, QLatin1Char(' ')) + QString::fromUtf8("▸ ") + unter, dir);
        eintrag->setData(Pfadrolle, aktuell.absoluteFilePath(unter));
    }
}

void frm_speichern::fuelle_dateiliste()
{
    file->clear();
    file->addItems(QDir(ordner_).entryList(QDir::Files, QDir::Name));
}

}  // namespace kalvion

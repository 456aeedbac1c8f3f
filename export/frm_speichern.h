// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Kalvion  -  Daten  speichern": drive, folder and file name for the results
// file, with the full path shown as the user works.

#include <QDialog>
#include <QLocale>

#include "ergebnis.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kalvion {

// Its controls carry their names as objectName.
class frm_speichern : public QDialog {
    Q_OBJECT
public:
    // "&ok" asks the source for the result at that moment and writes that.
    explicit frm_speichern(Ergebnisquelle quelle, const QLocale& locale = QLocale());

    // The dialog's state while it is open.
    QString Laufwerk, Pfad, Dateiname, Dateipfad;

    // The folder of the directory list; setting it raises dir_Change.
    void setze_ordner(const QString& ordner);
    QString ordner() const { return ordner_; }

    // The drives: the file system roots, "/" first (drive letters on Windows).
    static QStringList laufwerke();

private:
    void Form_Load();
    void drive_Change();
    void dir_Change();
    void file_Click();
    void txt_dateiname_Change();
    void cmd_ok_Click();
    void zeige_pfad();
    void fuelle_ordnerliste();
    void fuelle_dateiliste();

    Ergebnisquelle quelle_;
    QLocale locale_;
    QString ordner_;
    QLineEdit* txt_dateiname = nullptr;
    QPushButton* cmd_abbrechen = nullptr;
    QPushButton* cmd_ok = nullptr;
    QComboBox* drive = nullptr;
    QListWidget* dir = nullptr;
    QListWidget* file = nullptr;
    QLabel* lbl_pfad = nullptr;
};

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_Eingabe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <QPointer>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "anfangsprofil.h"
#include "startprofil.h"
#include "benannt.h"
#include "frm_Programm.h"
#include "programmeingabe.h"
#include "meldung.h"
#include "textpassung.h"
#include "tastatur.h"
#include "twips.h"
#include "zahlen.h"

namespace kalvion {

namespace {

QLabel* beschriftung(QWidget* eltern, const QString& text, int l, int o, int b, int h)
{
    auto* label = new QLabel(text, eltern);
    label->setGeometry(twips_rechteck(l, o, b, h));
    return label;
}

// A field's caption may use the room up to its field.
QLabel* feldbeschriftung(QWidget* eltern, const QString& text, int l, int o, int h)
{
    QLabel* label = beschriftung(eltern, text, l, o, 1755 - 30 - l, h);
    text_einpassen(label);
    return label;
}

constexpr int Feld_links = 1755, Beschriftung_links = 360;
// The boxes of the start and the surface, right of the picture.
constexpr int Rechte_spalte = 8880, Rechte_spalte_breite = 3480;
// A field of those boxes: its caption from the left, the field at the right.
constexpr int Randfeld_beschriftung_links = 360, Randfeld_links = 1920;

}  // namespace

frm_Eingabe::frm_Eingabe(Parameterquelle quelle, const QLocale& locale, Startquellen start)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), quelle_(std::move(quelle)),
      locale_(locale), start_(std::move(start))
{
    setWindowTitle(tr("Kalvion - Eingabe"));
    // The lowest strip holds the temperature programme, the column on the
    // right how the profile starts.
    setFixedSize(twips_groesse(Rechte_spalte + Rechte_spalte_breite + 240, 7170 + 600));
    // The layout is measured for a small dialog font.
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);
    baue_oberflaeche();
}

void frm_Eingabe::baue_oberflaeche()
{
    // The box reaches 120 twips below its lowest option.
    auto* rahmen = benannt(new QGroupBox(tr("Modell"), this), "Modell");
    int rahmen_hoehe = 0;
    for (const Geometriebeschreibung& g : Geometrien) {
        auto* option = benannt(new QRadioButton(QCoreApplication::translate("Geometrie", g.anzeigename), rahmen), g.option);
        option->setGeometry(twips_rechteck(120, g.option_oben, g.option_breite, g.option_hoehe));
        connect(option, &QRadioButton::toggled, this, [this, geo = g.geometrie](bool an) {
            if (an)
                option_Click(geo);
        });
        optionen_[static_cast<int>(g.geometrie)] = option;
        rahmen_hoehe = std::max(rahmen_hoehe, g.option_oben + g.option_hoehe + 120);
    }
    rahmen->setGeometry(twips_rechteck(360, 240, 2415, rahmen_hoehe));

    for (const Feldregel& r : Feldtabelle) {
        feldbeschriftung(this, QCoreApplication::translate("Feld", r.beschriftung), Beschriftung_links, r.beschriftung_oben,
                         r.beschriftung_hoehe);
        auto* f = new QLineEdit(QStringLiteral("Text1"), this);
        f->setObjectName(QStringLiteral("txt_") + QString::fromLatin1(r.name));
        f->setGeometry(twips_rechteck(Feld_links, r.feld_oben, 975, 350));
        f->installEventFilter(this);
        felder_[static_cast<int>(r.feld)] = f;
    }
    feldbeschriftung(this, tr(" ->  D  [cm²/s]"), 360, 4080, 300);
    lbl_D_ergebnis = benannt(beschriftung(this, QStringLiteral("xxx"), 1800, 4080, 1095, 255), "lbl_D_ergebnis");
    feldbeschriftung(this, tr("-> Gesamt [Mol%]"), 360, 5160, 300);
    lbl_molprozent = benannt(beschriftung(this, QStringLiteral("0%"), 1800, 5160, 1455, 255), "lbl_molprozent");
    feldbeschriftung(this, tr("-> Rechenschritte"), 360, 5640, 300);
    // As wide as the room up to the picture: a step count such as
    // "4,9642083616109E+15" must be read whole, never as "4,96420836" or "5".
    lbl_Schritte = benannt(beschriftung(this, QStringLiteral("200"), 1800, 5640, 3400 - 1800 - 15, 255), "lbl_Schritte");

    cmd_ok = benannt(new QPushButton(tr("ok"), this), "cmd_ok");
    cmd_ok->setGeometry(twips_rechteck(360, 6120, 2415, 710));
    // No default button: Enter in a field does nothing.
    cmd_ok->setAutoDefault(false);
    cmd_ok->setDefault(false);
    enter_drueckt(cmd_ok);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_Eingabe::cmd_ok_Click);

    beschriftung(this, tr("200 (gleich lange) Zellen längs Diffusionsweg der Länge  x_max  [ µm ]"),
                 3645, 360, 5055, 375)->setWordWrap(true);
    beschriftung(this, tr(" i_diff (gleich lange) Zellen bei Start mit diffundierendem Stoff belegt"),
                 3645, 720, 5055, 375)->setWordWrap(true);
    beschriftung(this, tr("-> Gesamt-Mol% entsprechend modellabhängiger Volumina berechnet"),
                 3645, 1080, 5055, 375)->setWordWrap(true);
    for (int oben : {435, 780, 1140}) {  // the bullets in front of the notes
        auto* marke = new QFrame(this);
        marke->setGeometry(twips_rechteck(3345, oben, 255, 75));
        marke->setStyleSheet(QStringLiteral("background: black"));
    }

    for (const Geometriebeschreibung& g : Geometrien) {
        auto* bild = benannt(new QSvgWidget(QCoreApplication::translate("Geometrie", g.bilddatei), this), g.bild);
        bild->setGeometry(twips_rechteck(3400, 1560, 5250, 5250));
        bild->hide();
        bilder_[static_cast<int>(g.geometrie)] = bild;
    }

    // Tab order: the options from top to bottom, the fields, then "ok".
    std::array<QRadioButton*, Geometrien.size()> von_oben = optionen_;
    std::sort(von_oben.begin(), von_oben.end(), [](QRadioButton* a, QRadioButton* b) { return a->y() < b->y(); });
    QWidget* vorher = von_oben.front();
    for (QRadioButton* option : von_oben) {
        if (option != vorher)
            setTabOrder(vorher, option);
        vorher = option;
    }
    for (Feld f : Alle_Felder) {
        setTabOrder(vorher, feld(f));
        vorher = feld(f);
    }
    setTabOrder(vorher, cmd_ok);

    cmd_programm = benannt(new QPushButton(tr("Temperaturprogramm …"), this), "cmd_programm");
    cmd_programm->setGeometry(twips_rechteck(360, 7020, 2415, 450));
    cmd_programm->setAutoDefault(false);
    enter_drueckt(cmd_programm);
    connect(cmd_programm, &QPushButton::clicked, this, &frm_Eingabe::cmd_programm_Click);
    setTabOrder(cmd_ok, cmd_programm);
    lbl_programm = benannt(beschriftung(this, QString(), 3000, 6960, 5900, 600), "lbl_programm");
    lbl_programm->setWordWrap(true);

    baue_anfang();
}

QLineEdit* frm_Eingabe::randfeld(QWidget* rahmen, Feld f)
{
    const Feldregel& r = regel(f);
    auto* label = beschriftung(rahmen, QCoreApplication::translate("Feld", r.beschriftung), Randfeld_beschriftung_links,
                               r.beschriftung_oben, Randfeld_links - 30 - Randfeld_beschriftung_links,
                               r.beschriftung_hoehe);
    text_einpassen(label);
    auto* feld = new QLineEdit(rahmen);
    feld->setObjectName(QStringLiteral("txt_") + QString::fromLatin1(r.name));
    feld->setGeometry(twips_rechteck(Randfeld_links, r.feld_oben, 975, 350));
    feld->installEventFilter(this);
    felder_[static_cast<int>(f)] = feld;
    return feld;
}

void frm_Eingabe::baue_anfang()
{
    // The options from top to bottom, with what each needs beside it: the
    // base content under its step, the file button beside "Aus Datei".
    auto* rahmen = benannt(new QGroupBox(tr("Anfangsprofil"), this), "Anfangsprofil");
    struct Lage {
        int oben, breite;
    };
    constexpr std::array<Lage, Anfangsarten.size()> lagen{{{300, 3240}, {600, 3240}, {1380, 1800}, {2340, 3240}}};
    QWidget* vorher = cmd_programm;
    for (const Anfangsbeschreibung& b : Anfangsarten) {
        const Lage& l = lagen[static_cast<std::size_t>(b.art)];
        auto* option = new QRadioButton(QCoreApplication::translate("Anfang", b.anzeigename), rahmen);
        option->setObjectName(anfang_objektname(b.art));
        option->setGeometry(twips_rechteck(120, l.oben, l.breite, 255));
        connect(option, &QRadioButton::toggled, this, [this, art = b.art](bool an) {
            if (an)
                anfang_Click(art);
        });
        anfang_optionen_[static_cast<std::size_t>(b.art)] = option;
        setTabOrder(vorher, option);
        vorher = option;
        if (b.art == Anfangsart::grundgehalt) {
            QLineEdit* c0 = randfeld(rahmen, Feld::c0);
            setTabOrder(vorher, c0);
            vorher = c0;
        }
        if (b.art == Anfangsart::datei) {
            cmd_startdatei = benannt(new QPushButton(tr("Datei …"), rahmen), "cmd_startdatei");
            cmd_startdatei->setGeometry(twips_rechteck(1920, 1320, 1440, 375));
            cmd_startdatei->setAutoDefault(false);
            enter_drueckt(cmd_startdatei);
            connect(cmd_startdatei, &QPushButton::clicked, this, [this] { cmd_startdatei_Click(); });
            setTabOrder(vorher, cmd_startdatei);
            vorher = cmd_startdatei;
            lbl_startdatei = benannt(beschriftung(rahmen, QString(), 360, 1740, 3000, 510), "lbl_startdatei");
            lbl_startdatei->setWordWrap(true);
        }
    }
    const int hoehe = lagen.back().oben + 255 + 120;
    rahmen->setGeometry(twips_rechteck(Rechte_spalte, 240, Rechte_spalte_breite, hoehe));
    baue_rand(240 + hoehe + 240);
}

void frm_Eingabe::baue_rand(int rahmen_oben)
{
    // Under the start's box: the options, each with the fields of its values
    // under it.
    auto* rahmen = benannt(new QGroupBox(tr("Oberfläche"), this), "Oberflaeche");
    constexpr std::array<int, Oberflaechenarten.size()> oben{300, 600, 1380};
    QWidget* vorher = cmd_startdatei;
    int unten = 0;
    for (const Oberflaechenbeschreibung& b : Oberflaechenarten) {
        auto* option = new QRadioButton(QCoreApplication::translate("Oberflaeche", b.anzeigename), rahmen);
        option->setObjectName(QStringLiteral("opt_oberflaeche_") + QString::fromLatin1(b.name));
        option->setGeometry(twips_rechteck(120, oben[static_cast<std::size_t>(b.art)], 3240, 255));
        connect(option, &QRadioButton::toggled, this, [this, art = b.art](bool an) {
            if (an)
                oberflaeche_Click(art);
        });
        oberflaechen_optionen_[static_cast<std::size_t>(b.art)] = option;
        setTabOrder(vorher, option);
        vorher = option;
        std::vector<Feld> werte;
        if (b.art == Oberflaechenart::konzentration)
            werte = {Feld::c_s};
        if (b.art == Oberflaechenart::austausch)
            werte = {Feld::beta, Feld::c_atm};
        for (Feld f : werte) {
            QLineEdit* feld = randfeld(rahmen, f);
            setTabOrder(vorher, feld);
            vorher = feld;
            unten = std::max(unten, regel(f).feld_oben + 350);
        }
    }
    rahmen->setGeometry(twips_rechteck(Rechte_spalte, rahmen_oben, Rechte_spalte_breite, unten + 120));
}

void frm_Eingabe::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Filled once the event loop runs: at start-up the main window assigns the
    // model's start-up values only after it has opened this dialog. It fills
    // itself once per opening: the main window is disabled meanwhile, and a
    // return from another program or window must not throw away what the
    // user has typed but not yet left.
    QTimer::singleShot(0, this, [this] {
        if (!aktiviert_ && !uebernommen_)
            Form_Activate();
    });
}

void frm_Eingabe::closeEvent(QCloseEvent* e)
{
    // No close button: only "ok" leaves the dialog (and the end of the program).
    e->setAccepted(QCoreApplication::closingDown());
}

bool frm_Eingabe::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusOut && !pruefung_laeuft_) {
        const auto grund = static_cast<QFocusEvent*>(e)->reason();
        QWidget* neu = QApplication::focusWidget();
        // Only a move to another control of this dialog leaves the field; a
        // message box or another program taking the focus does not.
        const bool innerhalb = neu && neu != o && isAncestorOf(neu);
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason && innerhalb) {
            for (std::size_t i = 0; i < felder_.size(); ++i)
                if (felder_[i] == o)
                    feld_verlassen(static_cast<Feld>(i));
        }
    }
    return QDialog::eventFilter(o, e);
}

bool frm_Eingabe::erst_fuellen()
{
    // Input that comes before the dialog has filled itself (it does so once
    // the event loop runs) would meet an empty copy: the dialog fills itself
    // first, as its opening would have, and the early input goes with it.
    if (aktiviert_ || uebernommen_)
        return false;
    Form_Activate();
    return true;
}

void frm_Eingabe::feld_verlassen(Feld f)
{
    if (erst_fuellen())
        return;
    QLineEdit* eingabe = feld(f);
    if (eingabe->isReadOnly())  // temperature and time of a programme in force
        return;
    pruefung_laeuft_ = true;
    QString text = eingabe->text();
    const Pruefung p = pruefe_feld(f, text, m_, locale_);

    if (p.d_gebildet)
        d_anzeigen();
    if (p.schritte_gebildet)
        schritte_anzeigen();
    if (p.molprozent_gebildet)
        molprozent_anzeigen();

    switch (p.ergebnis) {
    case Pruefergebnis::angenommen:
        eingabe->setText(text);
        // A new Q changes what the programme equals.
        if (f == Feld::Q && m_.programm) {
            if (!programm_nachfuehren(m_, locale_))
                programm_aufheben(m_);
            programm_anzeigen();
        }
        break;
    case Pruefergebnis::ausserhalb:
        eingabe->setText(QString::fromLatin1(regel(f).reset));
        break;
    case Pruefergebnis::fehler: {
        // The press that moved the focus may have been on a button; the box
        // takes its release, so the button must not stay pressed once the
        // press has been handled.
        QPointer<QAbstractButton> knopf = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        kalvion::melde(this, tr("Unerlaubte Eingabe !"));
        if (knopf)
            QTimer::singleShot(0, knopf, [knopf] { knopf->setDown(false); });
        eingabe->setText(QString::fromLatin1(regel(f).reset));
        break;
    }
    }
    pruefung_laeuft_ = false;
}

void frm_Eingabe::Form_Activate()
{
    aktiviert_ = true;
    m_ = quelle_();
    emit aktiviert();
    waehle(m_.Geometrie);
    for (Feld f : Alle_Felder)
        feld(f)->setText(feldtext(m_, f, locale_));
    // With D = 0 no step limit can be formed; the dialog says so instead of a
    // number and stays usable.
    if (schritte_ableiten(m_))
        schritte_anzeigen();
    else
        text_setzen_eingepasst(lbl_Schritte, m_.D == 0 ? tr("– (D = 0)") : tr("unendlich"));
    anfangsprofil(m_);
    molprozent_anzeigen();
    d_ableiten(m_);
    d_anzeigen();
    programm_anzeigen();
    // A start given point by point is the one the parameters hold; one from
    // the last result came from the cells of these parameters.
    datei_profil_ = m_.Anfang == Anfangsart::datei ? m_.startprofil : nullptr;
    ergebnis_profil_ = m_.Anfang == Anfangsart::ergebnis ? m_.startprofil : nullptr;
    ergebnis_herkunft_.reset();
    if (ergebnis_profil_)
        ergebnis_herkunft_ = Ergebnisherkunft{m_.Geometrie, m_.x_max.wert};
    datei_beschreibung_.clear();
    if (datei_profil_)
        datei_beschreibung_ = startprofil_beschreibung(QString::fromStdString(datei_profil_->quelle),
                                                       static_cast<int>(datei_profil_->punkte.size()));
    for (Feld f : {Feld::c0, Feld::c_s, Feld::beta, Feld::c_atm})
        feld(f)->setText(feldtext(m_, f, locale_));
    anfang_anzeigen();
    oberflaeche_anzeigen();
}

void frm_Eingabe::cmd_programm_Click()
{
    erst_fuellen();
    Programmeingabe e;
    if (m_.programm) {
        e = als_eingabe(*m_.programm);
    } else {
        // A first programme: heating to the temperature typed, the time
        // typed as its hold, cooling back.
        const QString grad = feld(Feld::Sintertemp)->text().trimmed();
        e.zeilen = {{QStringLiteral("10"), grad, feld(Feld::Sinterzeit)->text().trimmed()},
                    {QStringLiteral("10"), e.start, QString()}};
    }
    auto* dialog = new frm_Programm(e, m_.Q.wert, locale_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, dialog](int ergebnis) {
        if (ergebnis == QDialog::Accepted) {
            QString fehler;
            if (!programm_setzen(m_, dialog->eingabe(), locale_, &fehler))
                kalvion::melde(this, fehler);
        } else if (ergebnis == frm_Programm::Kein_Programm) {
            programm_aufheben(m_);
        }
        programm_anzeigen();
    });
    dialog->open();
}

void frm_Eingabe::programm_anzeigen()
{
    const bool aktiv = m_.programm.has_value();
    for (Feld f : {Feld::Sintertemp, Feld::Sinterzeit}) {
        QLineEdit* eingabe = feld(f);
        eingabe->setText(aktiv && f == Feld::Sinterzeit ? aequivalente_zeit_text(m_.Sinterzeit.wert, locale_)
                                                        : feldtext(m_, f, locale_));
        eingabe->setCursorPosition(0);
        eingabe->setReadOnly(aktiv);
        // Read-only shows as such: the window's colour behind the text.
        QPalette farben = palette();
        if (aktiv)
            farben.setColor(QPalette::Base, farben.color(QPalette::Window));
        eingabe->setPalette(farben);
    }
    if (aktiv) {
        lbl_programm->setText(programmanzeige(*m_.programm) + QLatin1Char('\n') +
                              aequivalenztext(m_.Sinterzeit.wert, feldtext(m_, Feld::Sintertemp, locale_), locale_));
    } else {
        lbl_programm->clear();
    }
    if (schritte_ableiten(m_))
        schritte_anzeigen();
    if (d_ableiten(m_))
        d_anzeigen();
}

void frm_Eingabe::waehle(Geometrie g)
{
    QRadioButton* option = optionen_[static_cast<int>(g)];
    if (option->isChecked())
        option_Click(g);
    else
        option->setChecked(true);  // raises its click behaviour
}

QString frm_Eingabe::anfang_objektname(Anfangsart a)
{
    return QStringLiteral("opt_anfang_") + QString::fromLatin1(beschreibung(a).name);
}

void frm_Eingabe::option_Click(Geometrie g)
{
    if (erst_fuellen())
        return;
    m_.Geometrie = g;
    for (const Geometriebeschreibung& b : Geometrien)
        bilder_[static_cast<int>(b.geometrie)]->setVisible(b.geometrie == g);
    anfangsprofil(m_);
    molprozent_anzeigen();
}

void frm_Eingabe::d_anzeigen()
{
    text_setzen_eingepasst(lbl_D_ergebnis, zahlen::exponentform(m_.D, locale_));
}

void frm_Eingabe::schritte_anzeigen()
{
    text_setzen_eingepasst(lbl_Schritte, zahlen::ganzzahl(m_.Schritte, locale_));
}

void frm_Eingabe::molprozent_anzeigen()
{
    text_setzen_eingepasst(lbl_molprozent, zahlen::molprozent(m_.Molprozent, locale_));
    // The file's total follows the cells it is mapped onto.
    if (lbl_startdatei)
        lbl_startdatei->setText(datei_beschreibung_.isEmpty()
                                    ? QString()
                                    : tr("%1, gesamt %2 Mol%")
                                          .arg(datei_beschreibung_,
                                               m_.Anfang == Anfangsart::datei ? zahlen::molprozent(m_.Molprozent, locale_)
                                                                              : tr("–")));
}

void frm_Eingabe::zeige_anfangsoption(Anfangsart a)
{
    // Set without its click: showing the choice is no choice.
    QRadioButton* option = anfang_optionen_[static_cast<std::size_t>(a)];
    const QSignalBlocker ruhig(option);
    option->setChecked(true);
}

void frm_Eingabe::anfang_anzeigen()
{
    zeige_anfangsoption(m_.Anfang);
    feld(Feld::c0)->setEnabled(m_.Anfang == Anfangsart::grundgehalt);
    // A profile given point by point fills every cell: no step.
    feld(Feld::i_Diff)->setEnabled(beschreibung(m_.Anfang).mit_stufe);
    molprozent_anzeigen();
}

void frm_Eingabe::oberflaeche_anzeigen()
{
    QRadioButton* option = oberflaechen_optionen_[static_cast<std::size_t>(m_.Oberflaeche)];
    {
        const QSignalBlocker ruhig(option);
        option->setChecked(true);
    }
    feld(Feld::c_s)->setEnabled(m_.Oberflaeche == Oberflaechenart::konzentration);
    feld(Feld::beta)->setEnabled(m_.Oberflaeche == Oberflaechenart::austausch);
    feld(Feld::c_atm)->setEnabled(m_.Oberflaeche == Oberflaechenart::austausch);
}

void frm_Eingabe::oberflaeche_Click(Oberflaechenart a)
{
    if (erst_fuellen())
        return;
    m_.Oberflaeche = a;
    // An open surface needs a smaller step: the step count follows.
    if (werte_ableiten(m_, {.d = true, .schritte = true, .anfangsprofil = false}).schritte)
        schritte_anzeigen();
    oberflaeche_anzeigen();
}

void frm_Eingabe::anfang_Click(Anfangsart a)
{
    if (erst_fuellen())
        return;
    if (!waehle_anfang(a))
        zeige_anfangsoption(m_.Anfang);  // the choice before stays
}

bool frm_Eingabe::waehle_anfang(Anfangsart a)
{
    std::shared_ptr<const Startprofil> profil;
    switch (a) {
    case Anfangsart::stufe:
    case Anfangsart::grundgehalt: break;
    case Anfangsart::datei:
        // The first time, the file comes first.
        if (!datei_profil_)
            return cmd_startdatei_Click();
        profil = datei_profil_;
        break;
    case Anfangsart::ergebnis: {
        const Ergebniszeiger ergebnis = start_.ergebnis ? start_.ergebnis() : nullptr;
        if (!ergebnis) {
            // A start taken over before (by "Ergebnis als Anfangsprofil") stays at hand.
            if (ergebnis_profil_ && m_.Anfang == Anfangsart::ergebnis)
                return true;
            kalvion::melde(this, kein_ergebnis_als_start());
            return false;
        }
        if (const QString grund = ergebnis_als_start_pruefen(herkunft(ergebnis->modell), m_, locale_); !grund.isEmpty()) {
            kalvion::melde(this, grund);
            return false;
        }
        ergebnis_profil_ = endprofil_als_start(ergebnis->modell);
        ergebnis_herkunft_ = herkunft(ergebnis->modell);
        profil = ergebnis_profil_;
        break;
    }
    }
    m_.Anfang = a;
    m_.startprofil = profil;
    anfangsprofil(m_);
    anfang_anzeigen();
    return true;
}

bool frm_Eingabe::cmd_startdatei_Click()
{
    erst_fuellen();
    const QString pfad = start_.datei_waehlen ? start_.datei_waehlen(this) : QString();
    if (pfad.isEmpty())
        return false;
    // A refused file changes nothing: the start chosen before stays.
    Messlesung lesung = startprofil_laden(pfad);
    if (lesung.spalten.size() > 1) {
        const Spaltenfrage frage = spaltenfrage(lesung, QFileInfo(pfad).fileName());
        const int i = kalvion::auswahl(this, frage.text, frage.namen, frage.vorgabe);
        if (i < 0)
            return false;
        if (i != lesung.gewaehlt)
            lesung = startprofil_laden(pfad, Spaltenwahl::nach_nummer(lesung.spalten[static_cast<std::size_t>(i)].nummer));
    }
    if (!lesung.ok) {
        kalvion::melde(this, lesung.fehler);
        return false;
    }
    if (const QString fehler = startprofil_pruefen(lesung, m_.x_max.wert, locale_); !fehler.isEmpty()) {
        kalvion::melde(this, fehler);
        return false;
    }
    datei_beschreibung_ = startprofil_beschreibung(lesung);
    datei_profil_ = std::make_shared<const Startprofil>(
        Startprofil{std::move(lesung.profil.punkte), lesung.profil.dateiname.toStdString()});
    return waehle_anfang(Anfangsart::datei);
}

QString frm_Eingabe::start_pruefen(const Modell& parameter) const
{
    switch (parameter.Anfang) {
    case Anfangsart::stufe:
    case Anfangsart::grundgehalt: return {};
    case Anfangsart::datei:
        // x_max may have become shorter since the file was read.
        return parameter.startprofil ? startpunkte_pruefen(*parameter.startprofil, parameter.x_max.wert, locale_)
                                     : QString();
    case Anfangsart::ergebnis:
        return ergebnis_herkunft_ ? ergebnis_als_start_pruefen(*ergebnis_herkunft_, parameter, locale_) : QString();
    }
    return {};
}

void frm_Eingabe::cmd_ok_Click()
{
    erst_fuellen();
    std::array<QString, Feldzahl> texte;
    // The fields a programme fills are read-only and show t_eq rounded; the
    // copy holds it whole.
    for (Feld f : Alle_Felder)
        texte[static_cast<int>(f)] = feld(f)->isReadOnly() ? feldtext(m_, f, locale_) : feld(f)->text();
    // Every field passed its check or holds its reset text; a text that still
    // cannot be read keeps the value held before.
    const Parametersatz satz = parametersatz(texte, locale_);
    // The model or x_max may have changed since the start was chosen.
    Modell probe = m_;
    parameter_uebernehmen(probe, satz);
    if (const QString grund = start_pruefen(probe); !grund.isEmpty()) {
        kalvion::melde(this, grund);
        return;
    }
    parameter_uebernehmen(m_, satz);

    uebernommen_ = true;
    hide();
    deleteLater();
    emit uebernommen(m_);
}

}  // namespace kalvion

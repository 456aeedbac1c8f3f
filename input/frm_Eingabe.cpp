#include "frm_Eingabe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <QPointer>
#include <QTimer>
#include <cmath>

#include "anfangsprofil.h"
#include "fensterwechsel.h"
#include "hauptfenster.h"
#include "meldung.h"
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

QLineEdit* textfeld(QWidget* eltern, const char* name, int l, int o)
{
    auto* f = new QLineEdit(QStringLiteral("Text1"), eltern);
    f->setObjectName(QString::fromLatin1(name));
    f->setGeometry(twips_rechteck(l, o, 975, 350));
    return f;
}

}  // namespace

frm_Eingabe::frm_Eingabe(Modell& m, Hauptfenster& haupt, const QLocale& locale)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_(m), haupt_(haupt), locale_(locale)
{
    setWindowTitle(QStringLiteral("Kalvion - Eingabe"));
    setFixedSize(twips_groesse(9120, 7170));
    // The layout is measured for a small dialog font.
    QFont schrift = font();
    schrift.setPointSizeF(8);
    setFont(schrift);
    baue_oberflaeche();
}

void frm_Eingabe::baue_oberflaeche()
{
    Modell_rahmen = new QGroupBox(QStringLiteral("Modell"), this);
    Modell_rahmen->setObjectName(QStringLiteral("Modell"));
    Modell_rahmen->setGeometry(twips_rechteck(360, 240, 2415, 975));
    opt_linear = new QRadioButton(QStringLiteral("linear"), Modell_rahmen);
    opt_linear->setGeometry(twips_rechteck(120, 240, 2175, 375));
    opt_kugel = new QRadioButton(QString::fromUtf8("sphärisch"), Modell_rahmen);
    opt_kugel->setGeometry(twips_rechteck(120, 600, 2055, 255));
    connect(opt_kugel, &QRadioButton::toggled, this, [this](bool an) { if (an) opt_kugel_Click(); });
    connect(opt_linear, &QRadioButton::toggled, this, [this](bool an) { if (an) opt_linear_Click(); });

    feldbeschriftung(this, QString::fromUtf8("Sintertemp. [°C]"), 360, 1560, 300);
    txt_Sintertemp = textfeld(this, "txt_Sintertemp", 1755, 1560);
    feldbeschriftung(this, QStringLiteral("Sinterzeit [h]"), 360, 2040, 300);
    txt_Sinterzeit = textfeld(this, "txt_Sinterzeit", 1755, 2010);
    feldbeschriftung(this, QString::fromUtf8("x_max [µm]"), 360, 2640, 300);
    txt_x_max = textfeld(this, "txt_x_max", 1755, 2520);
    feldbeschriftung(this, QString::fromUtf8("Do*1000  [cm²/s]"), 360, 3120, 300);
    txt_D0 = textfeld(this, "txt_D0", 1755, 3120);
    feldbeschriftung(this, QStringLiteral("Q aktiv. [ J/mol ]"), 360, 3600, 300);
    txt_Q = textfeld(this, "txt_Q", 1755, 3570);
    feldbeschriftung(this, QString::fromUtf8(" ->  D  [cm²/s]"), 360, 4080, 300);
    lbl_D_ergebnis = beschriftung(this, QStringLiteral("xxx"), 1800, 4080, 1095, 255);
    feldbeschriftung(this, QStringLiteral("i_Diff   (1-199)"), 360, 4560, 255);
    txt_i_Diff = textfeld(this, "txt_i_Diff", 1755, 4560);
    feldbeschriftung(this, QStringLiteral("-> Gesamt [Mol%]"), 360, 5160, 300);
    lbl_molprozent = beschriftung(this, QStringLiteral("0%"), 1800, 5160, 1455, 255);
    feldbeschriftung(this, QStringLiteral("-> Rechenschritte"), 360, 5640, 300);
    lbl_Schritte = beschriftung(this, QStringLiteral("200"), 1800, 5640, 1455, 255);

    cmd_ok = new QPushButton(QStringLiteral("ok"), this);
    cmd_ok->setGeometry(twips_rechteck(360, 6120, 2415, 710));
    // No default button: Enter in a field does nothing.
    cmd_ok->setAutoDefault(false);
    cmd_ok->setDefault(false);
    connect(cmd_ok, &QPushButton::clicked, this, &frm_Eingabe::cmd_ok_Click);

    beschriftung(this, QString::fromUtf8("200 (gleich lange) Zellen längs Diffusionsweg der Länge  x_max  [ µm ]"),
                 3645, 360, 5055, 375)->setWordWrap(true);
    beschriftung(this, QString::fromUtf8(" i_diff (gleich lange) Zellen bei Start mit diffundierendem Stoff belegt"),
                 3645, 720, 5055, 375)->setWordWrap(true);
    beschriftung(this, QStringLiteral("-> Gesamt-Mol% entsprechend modellabhängiger Volumina berechnet"),
                 3645, 1080, 5055, 375)->setWordWrap(true);
    for (int oben : {435, 780, 1140}) {  // the bullets in front of the notes
        auto* marke = new QFrame(this);
        marke->setGeometry(twips_rechteck(3345, oben, 255, 75));
        marke->setStyleSheet(QStringLiteral("background: black"));
    }

    Image_kugel = new QSvgWidget(QStringLiteral(":/bilder/kugel.svg"), this);
    Image_kugel->setGeometry(twips_rechteck(3400, 1560, 5250, 5250));
    Image_linear = new QSvgWidget(QStringLiteral(":/bilder/linear.svg"), this);
    Image_linear->setGeometry(twips_rechteck(3400, 1560, 5250, 5250));
    Image_kugel->hide();
    Image_linear->hide();

    // Tab order: the options, the six fields, then "ok".
    QWidget* reihe[] = {opt_linear, opt_kugel, txt_Sintertemp, txt_Sinterzeit, txt_x_max,
                        txt_D0, txt_Q, txt_i_Diff, cmd_ok};
    for (std::size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
    for (Feld f : Alle_Felder)
        feld(f)->installEventFilter(this);
}

QLineEdit* frm_Eingabe::feld(Feld f) const
{
    switch (f) {
    case Feld::Sintertemp: return txt_Sintertemp;
    case Feld::Sinterzeit: return txt_Sinterzeit;
    case Feld::x_max: return txt_x_max;
    case Feld::D0: return txt_D0;
    case Feld::Q: return txt_Q;
    case Feld::i_Diff: return txt_i_Diff;
    }
    return nullptr;
}

void frm_Eingabe::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    // Filled once the event loop runs: at start-up the main window assigns the
    // model's start-up values only after it has opened this dialog.
    QTimer::singleShot(0, this, [this] {
        if (!aktiviert_ && !uebernommen_)
            Form_Activate();
    });
}

bool frm_Eingabe::event(QEvent* e)
{
    // Once "ok" has hidden it, a late activation must not disable the main
    // window again.
    if (e->type() == QEvent::WindowActivate && kam_von_anderem_programmfenster(this) && !uebernommen_)
        Form_Activate();
    return QDialog::event(e);
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
            for (Feld f : Alle_Felder)
                if (feld(f) == o)
                    feld_verlassen(f);
        }
    }
    return QDialog::eventFilter(o, e);
}

void frm_Eingabe::feld_verlassen(Feld f)
{
    pruefung_laeuft_ = true;
    QLineEdit* eingabe = feld(f);
    QString text = eingabe->text();
    const Pruefung p = pruefe_feld(f, text, m_, locale_);

    if (p.neues_D)
        d_anzeigen();
    if (p.neue_Schritte)
        schritte_anzeigen();
    if (p.neue_Molprozent)
        lbl_molprozent->setText(zahlen::molprozent(m_.Molprozent, locale_));

    switch (p.ergebnis) {
    case Pruefergebnis::angenommen:
        eingabe->setText(text);
        break;
    case Pruefergebnis::ausserhalb:
        eingabe->setText(QString::fromLatin1(regel(f).reset));
        break;
    case Pruefergebnis::fehler: {
        // The press that moved the focus may have been on a button; the box
        // takes its release, so the button must not stay pressed once the
        // press has been handled.
        QPointer<QAbstractButton> knopf = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        kalvion::melde(this, QStringLiteral("Unerlaubte Eingabe !"));
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
    haupt_.freigeben(false);
    waehle(m_.Kugel ? opt_kugel : opt_linear);
    txt_Sintertemp->setText(feldtext(m_.Sintertemp));
    txt_Sinterzeit->setText(feldtext(m_.Sinterzeit));
    txt_x_max->setText(feldtext(m_.x_max));
    txt_D0->setText(feldtext(m_.D0));
    txt_Q->setText(feldtext(m_.Q));
    txt_i_Diff->setText(QString::number(m_.i_Diff));
    // With D = 0 no step limit can be formed; the dialog says so instead of a
    // number and stays usable.
    if (schritte_neu(m_))
        schritte_anzeigen();
    else
        lbl_Schritte->setText(m_.D == 0 ? QString::fromUtf8("– (D = 0)") : QStringLiteral("unendlich"));
    molprozent_neu();
    d_neu(m_);
    d_anzeigen();
}

void frm_Eingabe::waehle(QRadioButton* option)
{
    if (option->isChecked())
        option == opt_kugel ? opt_kugel_Click() : opt_linear_Click();
    else
        option->setChecked(true);  // raises its click behaviour
}

void frm_Eingabe::opt_kugel_Click()
{
    m_.Kugel = true;
    Image_linear->setVisible(false);
    Image_kugel->setVisible(true);
    molprozent_neu();
}

void frm_Eingabe::opt_linear_Click()
{
    m_.Kugel = false;
    Image_linear->setVisible(true);
    Image_kugel->setVisible(false);
    molprozent_neu();
}

void frm_Eingabe::d_anzeigen()
{
    lbl_D_ergebnis->setText(zahlen::exponentform(m_.D, locale_));
}

void frm_Eingabe::schritte_anzeigen()
{
    lbl_Schritte->setText(zahlen::ganzzahl(m_.Schritte, locale_));
}

void frm_Eingabe::molprozent_neu()
{
    anfangsprofil(m_);
    lbl_molprozent->setText(zahlen::molprozent(m_.Molprozent, locale_));
}

QString frm_Eingabe::feldtext(const Eingabewert& w) const
{
    return w.text ? QString::fromStdString(*w.text) : zahlen::allgemein(w.wert, locale_);
}

void frm_Eingabe::uebernimm(Eingabewert& ziel, const QLineEdit* quelle)
{
    // Every field passed its check or holds its reset text; a text that still
    // cannot be read keeps the value held before.
    if (const auto v = zahlen::lies(quelle->text(), locale_))
        ziel.setze_text(*v, quelle->text().toStdString());
}

void frm_Eingabe::cmd_ok_Click()
{
    uebernimm(m_.x_max, txt_x_max);
    weg_ableiten(m_);
    uebernimm(m_.Sintertemp, txt_Sintertemp);
    kelvin_ableiten(m_);
    uebernimm(m_.Sinterzeit, txt_Sinterzeit);
    sekunden_ableiten(m_);
    uebernimm(m_.Q, txt_Q);
    uebernimm(m_.D0, txt_D0);
    if (const auto v = zahlen::lies(txt_i_Diff->text(), locale_); v && *v >= 1 && *v <= 199)
        m_.i_Diff = static_cast<std::int16_t>(std::nearbyint(*v));
    m_.D = diffusionskoeffizient(m_);
    anfangsprofil(m_);

    uebernommen_ = true;
    hide();
    deleteLater();
    haupt_.freigeben(true);
    haupt_.nach_vorn();
    haupt_.startknopf_zeigen();
    m_.Berechnung_aktuell = false;
}

}  // namespace kalvion

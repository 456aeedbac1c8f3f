// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_grafik.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <array>
#include <optional>
#include <thread>

#include "anfangswahl.h"
#include "bedingungen.h"
#include "benannt.h"
#include "exportbefehle.h"
#include "parameterbefehle.h"
#include "fensterwechsel.h"
#include "frm_anpassung.h"
#include "frm_info.h"
#include "grafik.h"
#include "laufhinweise.h"
#include "sprache.h"
#include "meldung.h"
#include "messbefehle.h"
#include "rechenwerk.h"
#include "tastatur.h"
#include "twips.h"
#include "vergleich.h"
#include "zahlen.h"
#include "zeitschritte.h"

namespace kalvion {

// The client area: shows the off-screen image and reports size and pointer.
class Zeichenflaeche : public QWidget {
public:
    explicit Zeichenflaeche(frm_grafik* fenster) : QWidget(fenster), fenster_(fenster)
    {
        setMouseTracking(true);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.drawImage(0, 0, fenster_->bild_);
    }
    void resizeEvent(QResizeEvent*) override { fenster_->Form_Resize(); }
    void mouseMoveEvent(QMouseEvent* e) override { fenster_->Form_MouseMove(e->position()); }

private:
    frm_grafik* fenster_;
};

namespace {

QLabel* weisses_label(QWidget* eltern, const char* name, const QString& text, QRect lage)
{
    auto* l = benannt(new QLabel(text, eltern), name);
    l->setAutoFillBackground(true);
    l->setGeometry(lage);
    return l;
}

// A measured point in the window, in pixels.
constexpr qreal Markendurchmesser = 6;

// The progress label's width at the start, in twips; a longer text widens it.
constexpr int Fortschritt_breite = 1815;

// Measured once per program run and kind of step, when the first run asks for it; a few
// milliseconds of stepping. On a thread of its own, as the run itself: the
// window's thread paints, and a thread that has painted steps several times
// slower, so a figure taken there would overstate every estimate.
double gemessene_zellschrittkosten(const Modell& m)
{
    // The open surface's step costs more: each kind is measured on its own.
    static std::array<std::optional<double>, 2> kosten;
    std::optional<double>& k = kosten[oberflaeche_offen(m) ? 1 : 0];
    if (!k) {
        double gemessen = 0;
        std::thread([&] { gemessen = miss_zellschrittkosten(m); }).join();
        k = gemessen;
    }
    return *k;
}

}  // namespace

frm_grafik::frm_grafik(Modell& m, Dialogfabriken fabriken, const QLocale& locale)
    : m_(m), fabriken_(std::move(fabriken)), locale_(locale)
{
    setWindowTitle(QStringLiteral("Kalvion"));
    als_programmfenster_markieren(this);
    fensterwechsel_beobachten();
    baue_oberflaeche();
    baue_menues();
    rechenwerk_ = new Rechenwerk(this);
    connect(rechenwerk_, &Rechenwerk::fortschritt, this, &frm_grafik::zeige_fortschritt);
    connect(rechenwerk_, &Rechenwerk::fertig, this, &frm_grafik::lauf_fertig);
    connect(rechenwerk_, &Rechenwerk::beendet, this, &frm_grafik::lauf_beendet);
    restzeit_uhr_ = new QTimer(this);
    restzeit_uhr_->setInterval(1000);
    // A percent of a run of hours takes minutes: the remaining time counts
    // down in between, the percent stays as it is.
    connect(restzeit_uhr_, &QTimer::timeout, this, [this] { zeige_fortschritt(prozent_); });
    const QSize client = twips_groesse(14685, 8430);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    Form_Load();
}

frm_grafik::~frm_grafik()
{
    // The worker stops within a step and is joined before anything it reads goes.
    rechenwerk_->anhalten();
    // The dialogs are windows of their own; they go with the main window.
    for (QWidget* w : {eingabe_.data(), speichern_.data(), info_.data(), anpassung_.data()})
        delete w;
}

void frm_grafik::baue_oberflaeche()
{
    QPalette weiss = palette();
    weiss.setColor(QPalette::Window, Qt::white);
    setPalette(weiss);

    flaeche_ = new Zeichenflaeche(this);
    setCentralWidget(flaeche_);
    flaeche_->setMinimumSize(1, 1);

    lbl_cursor_position = weisses_label(flaeche_, "lbl_cursor_position", QString(), twips_rechteck(0, 120, 6015, 375));
    lbl_fortschritt = weisses_label(flaeche_, "lbl_fortschritt", QStringLiteral("0"),
                                    twips_rechteck(0, 600, Fortschritt_breite, 255));
    cmd_run = benannt(new QPushButton(tr("Berechnung &Starten"), flaeche_), "cmd_run");
    cmd_run->setGeometry(twips_rechteck(360, 1200, 2055, 1095));
    enter_drueckt(cmd_run);
    connect(cmd_run, &QPushButton::clicked, this, &frm_grafik::run_Click);
    setTabOrder(lbl_cursor_position, lbl_fortschritt);
    setTabOrder(lbl_fortschritt, cmd_run);
}

void frm_grafik::baue_menues()
{
    auto menu = [this](const char* name, const QString& text) {
        return benannt(menuBar()->addMenu(text), name);
    };
    auto eintrag = [this](QMenu* m, const char* name, const QString& text, void (frm_grafik::*handler)()) {
        QAction* a = benannt(m->addAction(text), name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* datei = menu("mnu_datei", tr("&Datei"));
    mnu_run = eintrag(datei, "mnu_run", tr("Berechnung &Starten"), &frm_grafik::run_Click);
    mnu_abbrechen = eintrag(datei, "mnu_abbrechen", tr("Berechnung &Abbrechen"),
                            &frm_grafik::mnu_abbrechen_Click);
    mnu_abbrechen->setEnabled(false);
    // Escape cancels a run too; a key of the window rather than of the menu
    // item, whose entries carry no shortcut.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frm_grafik::mnu_abbrechen_Click);
    eintrag(datei, "mnu_speichern", tr("&Speichern als ASCII"), &frm_grafik::mnu_speichern_Click);
    exportbefehle_anhaengen(datei, this, [this] { return ergebnisstand(); }, locale_, [this] { return messung_; });
    eintrag(datei, "mnu_parameter_speichern", tr("&Parameter speichern …"),
            &frm_grafik::mnu_parameter_speichern_Click);
    mnu_parameter_laden = eintrag(datei, "mnu_parameter_laden", tr("Parameter &laden …"),
                                  &frm_grafik::mnu_parameter_laden_Click);
    eintrag(datei, "mnu_messprofil_laden", tr("&Messprofil laden …"),
            &frm_grafik::mnu_messprofil_laden_Click);
    mnu_messprofil_entfernen = eintrag(datei, "mnu_messprofil_entfernen", tr("Messprofil &entfernen"),
                                       &frm_grafik::mnu_messprofil_entfernen_Click);
    mnu_messprofil_entfernen->setEnabled(false);
    mnu_anpassen = eintrag(datei, "mnu_anpassen", tr("An Messprofil a&npassen"),
                           &frm_grafik::mnu_anpassen_Click);
    eintrag(datei, "mnu_beenden", tr("&Beenden"), &frm_grafik::mnu_beenden_Click);
    QMenu* bearbeiten = menu("mnu_bearbeiten", tr("&Bearbeiten"));
    mnu_Eingabe = eintrag(bearbeiten, "mnu_Eingabe", tr("&Eingabe"), &frm_grafik::mnu_Eingabe_Click);
    eintrag(bearbeiten, "mnu_kopieren", tr("&Kopieren"), &frm_grafik::mnu_kopieren_Click);
    eintrag(bearbeiten, "mnu_behalten", tr("Ergebnis &behalten"), &frm_grafik::mnu_behalten_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    mnu_behaltene_entfernen = eintrag(bearbeiten, "mnu_behaltene_entfernen", tr("Behaltene Ergebnisse ent&fernen"),
                                      &frm_grafik::mnu_behaltene_entfernen_Click);
    mnu_behaltene_entfernen->setEnabled(false);
    mnu_ergebnis_als_anfang = eintrag(bearbeiten, "mnu_ergebnis_als_anfang", tr("Ergebnis als &Anfangsprofil"),
                                      &frm_grafik::mnu_ergebnis_als_anfang_Click);
    QMenu* info = menu("mnu_info", tr("&Info"));
    eintrag(info, "mnu_version", tr("&Version"), &frm_grafik::mnu_version_Click);
}

void frm_grafik::Form_Load()
{
    m_.Berechnung_aktuell = false;
    lbl_cursor_position->setVisible(false);
    flaeche_->setCursor(Qt::ArrowCursor);
    // The dialog fills itself from the model once the event loop runs, so it
    // sees the start-up values assigned below.
    mnu_Eingabe_Click();
    startwerte_setzen(m_);
}

bool frm_grafik::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && kam_von_anderem_programmfenster(this))
        Form_Activate();
    return QMainWindow::event(e);
}

void frm_grafik::Form_Activate()
{
    // Cleared on coming back from a dialog; a completed result that is still
    // current is drawn again at once, so that neither the user nor "&Kopieren"
    // meets a blank window that stands for a result.
    Form_Resize();
}

void frm_grafik::closeEvent(QCloseEvent* e)
{
    // Closing the window in the middle of a run ends the run and the program,
    // rather than leaving a hidden window computing on.
    if (laeuft_)
        mnu_beenden_Click();
    e->accept();
}

void frm_grafik::Form_Resize()
{
    const qreal dpr = devicePixelRatio();
    bild_ = QImage(flaeche_->size() * dpr, QImage::Format_RGB32);
    bild_.setDevicePixelRatio(dpr);
    bild_.fill(Qt::white);

    const QSize aussen = frameGeometry().size();
    const Ergebniszeiger ergebnis = aktuelles_ergebnis();
    // While a run computes the window stays blank, as it was cleared for it.
    if (darf_zeichnen(isMinimized(), aussen.width() * Twips_je_Pixel, aussen.height() * Twips_je_Pixel,
                      ergebnis && !laeuft_)) {
        startknopf_verbergen();
        QPainter p(&bild_);
        p.setFont(font());
        const Grafikstil stil;
        std::vector<Vergleichskurve> vergleich;
        std::vector<const Modell*> behaltene_modelle;
        for (const Ergebniszeiger& k : behalten_) {
            const int farbe = static_cast<int>(vergleich.size());
            vergleich.push_back({&k->modell, vergleichsstift(farbe, stil.vergleichsbreite)});
            behaltene_modelle.push_back(&k->modell);
        }
        zeichne_grafik(p, flaeche_->size(), ergebnis->modell, locale_, palette().color(QPalette::WindowText), stil,
                       vergleich);
        if (messung_)
            zeichne_messpunkte(p, flaeche_->size(), ergebnis->modell, messung_->punkte, Markendurchmesser, false);
        if (!behalten_.empty()) {
            // Named against the current run, whose parameters are those in force.
            const Vergleichsnamen namen =
                vergleichsnamen(ergebnis->modell, behaltene_modelle, locale_, Namenssprache::anzeige);
            zeichne_fensterlegende(p, flaeche_->size(), ergebnis->modell,
                                   QList<Legendeneintrag>{endeintrag(stil.konz, namen.aktuell)} +
                                       vergleichseintraege(namen.behalten, stil.vergleichsbreite));
        }
        skala_gesetzt_ = true;
    }
    flaeche_->update();
}

void frm_grafik::Form_MouseMove(QPointF pixel)
{
    // Until the first plot the window has no graph units; it reads in twips.
    const QPointF punkt = skala_gesetzt_ ? Skala::fuer(m_.Zellen).nach_einheiten(pixel, flaeche_->size())
                                         : pixel * Twips_je_Pixel;
    lbl_cursor_position->setText(QStringLiteral("x = ") + zahlen::festkomma(punkt.x(), 1, locale_) +
                                 QStringLiteral("     y = ") + zahlen::festkomma(punkt.y(), 1, locale_));
}

void frm_grafik::run_Click()
{
    if (laeuft_)
        return;
    // Decided before anything changes: a refused step count or "Abbrechen"
    // in the question leaves the window as it was.
    const std::optional<Verfahren> verfahren = lauf_planen();
    if (!verfahren)
        return;
    laeuft_ = true;
    restzeit_zeigen_ = *verfahren == Verfahren::schrittweise && geschaetzt_ > Restzeit_ab_Sekunden;
    laufuhr_.start();
    startknopf_verbergen();
    // No second run and no parameter dialog while this one computes.
    sperre_waehrend_lauf(true);
    show();
    loesche_zeichenflaeche();
    lbl_fortschritt->setVisible(true);
    // "0  %" (with the estimate) at once, before the worker's first report.
    zeige_fortschritt(0);
    if (restzeit_zeigen_)
        restzeit_uhr_->start();
    // The worker computes on its own copy: nothing the windows do meanwhile
    // reaches it, and it changes nothing here until it reports.
    rechenwerk_->starte(m_, *verfahren);
}

void frm_grafik::lauf_fertig(const Ergebniszeiger& ergebnis)
{
    restzeit_uhr_->stop();
    ergebnis_ = ergebnis;
    m_ = ergebnis->modell;
    // Current from here on, also for a save while the message is up; the
    // window stays locked until the message is acknowledged.
    laeuft_ = false;
    kalvion::melde(this, laufmeldung(*ergebnis, locale_));
    lbl_cursor_position->setVisible(true);
    flaeche_->setCursor(Qt::CrossCursor);
    startknopf_verbergen();
    lbl_fortschritt->setVisible(false);
    sperre_waehrend_lauf(false);
    Form_Resize();
}

void frm_grafik::lauf_beendet(const Laufausgang& ausgang)
{
    nach_abbruch();
    if (ausgang.ergebnis == Laufergebnis::nicht_zaehlbar)  // refused before the start already; kept for safety
        kalvion::melde(this, schrittzahl_abgelehnt(laufschritte(m_), locale_));
}

QString laufmeldung(const Ergebnis& ergebnis, const QLocale& locale)
{
    const Modell& m = ergebnis.modell;
    const QString fehler = sprache::fehlermeldung(ergebnis.ausgang.fehlerzahl, ergebnis.ausgang.gesprungen,
                                                  fehlerart(m) == Fehlerart::bereichsverletzungen);
    const QString bilanz = bilanztext(m, locale);
    return bilanz.isEmpty() ? fehler : fehler + QLatin1Char('\n') + bilanz;
}

Ergebniszeiger frm_grafik::aktuelles_ergebnis() const
{
    return m_.Berechnung_aktuell ? ergebnis_ : nullptr;
}

std::optional<Verfahren> frm_grafik::lauf_planen()
{
    const double schritte = laufschritte(m_);
    if (!schrittzahl_zaehlbar(schritte)) {
        kalvion::melde(this, schrittzahl_abgelehnt(schritte, locale_));
        return std::nullopt;
    }
    geschaetzt_ = geschaetzte_dauer(schritte, m_.Zellen, zellschrittkosten());
    // Only a run the user would wait for is asked about; below that the run
    // is stepped as always, also where the jump would be a little faster.
    if (geschaetzt_ <= Frage_ab_Sekunden)
        return Verfahren::schrittweise;
    const bool mit_sprung = sprung_moeglich(m_);
    switch (antwort_langer_lauf(
        kalvion::frage(this, frage_langer_lauf(geschaetzt_, locale_, mit_sprung), knoepfe_langer_lauf(mit_sprung)),
        mit_sprung)) {
    case Schnell_rechnen:
        return Verfahren::sprung;
    case Schrittweise:
        return Verfahren::schrittweise;
    default:
        return std::nullopt;
    }
}

void frm_grafik::zeige_fortschritt(int prozent)
{
    prozent_ = prozent;
    angezeigt_ms_ = laufuhr_.elapsed();
    lbl_fortschritt->setText(restzeit_zeigen_
                                 ? fortschrittsanzeige(prozent_, geschaetzt_, laufuhr_.elapsed() / 1000.0, locale_)
                                 : prozentanzeige(prozent_));
    // The label keeps its place and grows with a longer text.
    lbl_fortschritt->resize(std::max(px(Fortschritt_breite), lbl_fortschritt->sizeHint().width()),
                            lbl_fortschritt->height());
}

void frm_grafik::mnu_abbrechen_Click()
{
    if (laeuft_)
        rechenwerk_->abbrechen();
}

void frm_grafik::nach_abbruch()
{
    // Nothing half-computed is kept. The result before the run, where it is
    // still that of the parameters in force, is current again and drawn;
    // otherwise the cleared surface stays blank.
    restzeit_uhr_->stop();
    laeuft_ = false;
    lbl_fortschritt->setVisible(false);
    startknopf_zeigen();
    sperre_waehrend_lauf(false);
    Form_Resize();
}

void frm_grafik::setze_zellschrittkosten(double sekunden)
{
    zellschrittkosten_ = sekunden;
}

double frm_grafik::zellschrittkosten() const
{
    return zellschrittkosten_ ? *zellschrittkosten_ : gemessene_zellschrittkosten(m_);
}

void frm_grafik::oeffne(QPointer<QWidget>& fenster, const std::function<QWidget*()>& erzeugen)
{
    if (!fenster) {
        fenster = erzeugen();
        if (!fenster)
            return;
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        als_programmfenster_markieren(fenster);
        // Kept above the main window by the window manager, also at start-up
        // when the main window is not shown yet.
        winId();
        fenster->winId();
        fenster->windowHandle()->setTransientParent(windowHandle());
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void frm_grafik::mnu_Eingabe_Click()
{
    if (fabriken_.eingabe)
        oeffne(eingabe_, [this] { return fabriken_.eingabe(*this); });
}

void frm_grafik::mnu_speichern_Click()
{
    if (fabriken_.speichern)
        oeffne(speichern_, [this] { return fabriken_.speichern(*this); });
}

void frm_grafik::mnu_parameter_speichern_Click()
{
    parameter_speichern_befehl(this, m_, locale_);
}

void frm_grafik::mnu_parameter_laden_Click()
{
    // Loaded parameters count as an "ok" of the dialog with those values.
    if (const std::optional<Modell> geladen = parameter_laden_befehl(this, m_, locale_))
        parameter_uebernommen(*geladen);
}

void frm_grafik::mnu_version_Click()
{
    oeffne(info_, [this] {
        auto* info = new frm_info;
        connect(info, &frm_info::geschlossen, this, &frm_grafik::nach_vorn);
        return info;
    });
}

void frm_grafik::mnu_kopieren_Click()
{
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setImage(bild_);
    kalvion::melde(this, tr("Grafik in Zwischenablage"));
}

void frm_grafik::mnu_behalten_Click()
{
    if (laeuft_) {
        kalvion::melde(this, tr("Die Berechnung läuft noch."));
        return;
    }
    const Ergebniszeiger ergebnis = aktuelles_ergebnis();
    if (!ergebnis) {
        kalvion::melde(this, QCoreApplication::translate("Befehle", "Noch keine aktuelle Berechnung durchgeführt!"));
        return;
    }
    if (std::find(behalten_.begin(), behalten_.end(), ergebnis) != behalten_.end()) {
        kalvion::melde(this, tr("Dieses Ergebnis ist schon behalten."));
        return;
    }
    if (behalten_.size() >= Vergleichskurven_hoechstens) {
        kalvion::melde(this, tr("Es sind schon %1 Ergebnisse behalten, mehr zeigt die Grafik nicht "
                                "(Bearbeiten → Behaltene Ergebnisse entfernen).")
                                 .arg(Vergleichskurven_hoechstens));
        return;
    }
    // The value itself: no later run or "ok" changes it.
    behalten_.push_back(ergebnis);
    mnu_behaltene_entfernen->setEnabled(true);
    Form_Resize();
}

void frm_grafik::mnu_behaltene_entfernen_Click()
{
    behalten_.clear();
    mnu_behaltene_entfernen->setEnabled(false);
    Form_Resize();
}

void frm_grafik::mnu_ergebnis_als_anfang_Click()
{
    if (laeuft_) {
        kalvion::melde(this, tr("Die Berechnung läuft noch."));
        return;
    }
    const Ergebniszeiger ergebnis = aktuelles_ergebnis();
    if (!ergebnis) {
        kalvion::melde(this, kein_ergebnis_als_start());
        return;
    }
    // As the parameter dialog's "ok" with "Letztes Ergebnis" chosen: the
    // parameters in force start from the result computed with them.
    Modell kopie = m_;
    start_aus_ergebnis(kopie, ergebnis->modell);
    parameter_uebernehmen(kopie, {});
    parameter_uebernommen(kopie);
}

void frm_grafik::mnu_beenden_Click()
{
    // Every window goes at once, without its close handling; a run stops
    // within a step and its thread is joined, so nothing half-done is left.
    rechenwerk_->anhalten();
    restzeit_uhr_->stop();
    laeuft_ = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::quit();
}

void frm_grafik::freigeben(bool frei)
{
    setEnabled(frei);
}

void frm_grafik::nach_vorn()
{
    show();
    raise();
    activateWindow();
}

void frm_grafik::startknopf_zeigen()
{
    cmd_run->setVisible(true);
    cmd_run->setEnabled(true);
}

void frm_grafik::startknopf_verbergen()
{
    cmd_run->setVisible(false);
    cmd_run->setEnabled(false);
}

void frm_grafik::parameter_uebernommen(const Modell& parameter)
{
    // The parameters the dialog edited in its own copy; the last result is
    // out of date now.
    m_ = parameter;
    m_.Berechnung_aktuell = false;
    ergebnis_.reset();
    freigeben(true);
    nach_vorn();
    startknopf_zeigen();
    // The last result is out of date now, however the activation went.
    Form_Resize();
}

void frm_grafik::loesche_zeichenflaeche()
{
    bild_.fill(Qt::white);
    flaeche_->update();
}

void frm_grafik::sperre_waehrend_lauf(bool gesperrt)
{
    mnu_run->setEnabled(!gesperrt);
    mnu_Eingabe->setEnabled(!gesperrt);
    mnu_parameter_laden->setEnabled(!gesperrt);
    mnu_anpassen->setEnabled(!gesperrt);
    mnu_ergebnis_als_anfang->setEnabled(!gesperrt);
    mnu_abbrechen->setEnabled(gesperrt);
}

void frm_grafik::mnu_messprofil_laden_Click()
{
    const QString pfad = messdatei_waehlen(this);
    if (pfad.isEmpty())
        return;
    // A refused file changes nothing: a profile loaded before stays.
    Messlesung lesung = messprofil_laden(pfad);
    // A table of several value columns (the curve table): which one, the
    // final profile offered first where there is one.
    if (lesung.spalten.size() > 1) {
        const Spaltenfrage frage = spaltenfrage(lesung, QFileInfo(pfad).fileName());
        const int i = kalvion::auswahl(this, frage.text, frage.namen, frage.vorgabe);
        if (i < 0)
            return;
        if (i != lesung.gewaehlt) {
            const int nummer = lesung.spalten[static_cast<std::size_t>(i)].nummer;
            lesung = messprofil_laden(pfad, Spaltenwahl::nach_nummer(nummer));
        }
    }
    if (!lesung.ok) {
        kalvion::melde(this, lesung.fehler);
        return;
    }
    if (const QString fehler = messprofil_pruefen(lesung.profil, m_.x_max.wert, locale_); !fehler.isEmpty()) {
        kalvion::melde(this, fehler);
        return;
    }
    messung_ = std::make_shared<const Messprofil>(std::move(lesung.profil));
    mnu_messprofil_entfernen->setEnabled(true);
    Form_Resize();
}

void frm_grafik::mnu_messprofil_entfernen_Click()
{
    messung_.reset();
    mnu_messprofil_entfernen->setEnabled(false);
    Form_Resize();
}

void frm_grafik::mnu_anpassen_Click()
{
    if (laeuft_) {
        kalvion::melde(this, tr("Die Berechnung läuft noch."));
        return;
    }
    if (!messung_) {
        kalvion::melde(this, tr("Kein Messprofil geladen!"));
        return;
    }
    // x_max may have changed since the profile was loaded.
    if (const QString fehler = messprofil_pruefen(*messung_, m_.x_max.wert, locale_); !fehler.isEmpty()) {
        kalvion::melde(this, fehler);
        return;
    }
    // A run that steps through its programme has no final profile for any D
    // in one product.
    if (durch_programm(m_)) {
        kalvion::melde(this, tr("Mit Austausch an der Oberfläche wird ein Temperaturprogramm Schritt für Schritt "
                                "gerechnet; daran lässt sich D nicht anpassen."));
        return;
    }
    // A few milliseconds of arithmetic, on a thread that never paints (see
    // gemessene_zellschrittkosten); the window waits for it.
    const Modell parameter = m_;
    const std::shared_ptr<const Messprofil> messung = messung_;
    auto anpassen = [parameter, messung](bool randwert) {
        Anpassung a;
        std::thread([&] { a = d_anpassen(parameter, messung->punkte, randwert); }).join();
        return a;
    };

    delete anpassung_.data();
    auto* dialog = new frm_anpassung(anpassen(false), parameter, messung->dateiname, locale_, this, anpassen);
    dialog->setWindowModality(Qt::ApplicationModal);
    connect(dialog, &frm_anpassung::d0_uebernehmen, this, &frm_grafik::d0_uebernehmen);
    oeffne(anpassung_, [dialog] { return dialog; });
}

void frm_grafik::d0_uebernehmen(const QString& d0_text)
{
    const std::optional<double> wert = zahlen::lies(d0_text, locale_);
    if (laeuft_ || !wert)
        return;
    // As the parameter dialog's "ok" with this D0 typed: on a copy of the
    // parameters in force, then handed over as the dialog hands over its own.
    Modell kopie = m_;
    Parametersatz p;
    p.eingaben = {{&Modell::D0, Eingabewert{*wert, d0_text.toStdString()}}};
    parameter_uebernehmen(kopie, p);
    parameter_uebernommen(kopie);
}

}  // namespace kalvion

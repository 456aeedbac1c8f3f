// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_Programm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "benannt.h"
#include "meldung.h"
#include "programmtabelle.h"
#include "zahlen.h"

namespace kalvion {

namespace {

// The segment table leaves Tab to the dialog, as every other control does:
// a table that keeps Tab for its cells traps the keyboard user in it. The
// arrow keys and Ctrl+Tab go from cell to cell.
class Segmenttabelle : public QTableView {
public:
    explicit Segmenttabelle(QWidget* eltern);

    // Tab in a cell being edited takes the text and leaves the table too.
    void verlassen(bool vorwaerts) { focusNextPrevChild(vorwaerts); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool tab = e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab;
        if (!tab || !(e->modifiers() & Qt::ControlModifier)) {
            QTableView::keyPressEvent(e);
            return;
        }
        const bool vor = e->key() == Qt::Key_Tab && !(e->modifiers() & Qt::ShiftModifier);
        const QModelIndex neu = moveCursor(vor ? MoveNext : MovePrevious, Qt::NoModifier);
        if (neu.isValid())
            setCurrentIndex(neu);
        e->accept();
    }
};

class Zellenbearbeitung : public QStyledItemDelegate {
public:
    explicit Zellenbearbeitung(Segmenttabelle* tabelle) : QStyledItemDelegate(tabelle), tabelle_(tabelle) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        // Without Ctrl, Tab commits the cell and moves on to the next control;
        // with Ctrl the delegate moves on to the next cell, as it always did.
        if (auto* editor = qobject_cast<QWidget*>(o); editor && e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
            if (tab && !(k->modifiers() & Qt::ControlModifier)) {
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                tabelle_->verlassen(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(o, e);
    }

private:
    Segmenttabelle* tabelle_;
};

Segmenttabelle::Segmenttabelle(QWidget* eltern) : QTableView(eltern)
{
    setTabKeyNavigation(false);
    setItemDelegate(new Zellenbearbeitung(this));
}

}  // namespace

Programmkurve::Programmkurve(const QLocale& locale, QWidget* eltern) : QWidget(eltern), locale_(locale)
{
    setMinimumSize(320, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Programmkurve::setze(const std::optional<Temperaturprogramm>& p)
{
    programm_ = p;
    update();
}

void Programmkurve::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    maler.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int links = fm.horizontalAdvance(QStringLiteral("10000 °C")) + 8, rechts = 12;
    const int oben = fm.height() / 2 + 4, unten = fm.height() + 8;
    const QRectF feld(links, oben, width() - links - rechts, height() - oben - unten);
    maler.setPen(QPen(Qt::black, 1));
    maler.drawRect(feld);
    if (!programm_ || feld.width() < 10 || feld.height() < 10)
        return;
    const Temperaturprogramm& p = *programm_;
    const double dauer = programmdauer(p);
    const double hoechste = bezugstemperatur(p);
    if (!(dauer > 0) || !(hoechste > 0))
        return;

    // The corners of the cycle: each ramp's end, each hold's end.
    std::vector<QPointF> punkte{{0, p.start}};
    double t = 0, temp = p.start;
    for (const auto& s : p.segmente) {
        if (s.rate)
            t += std::fabs(s.ziel - temp) / (*s.rate * 60);
        punkte.emplace_back(t, s.ziel);
        t += s.halten;
        punkte.emplace_back(t, s.ziel);
        temp = s.ziel;
    }
    auto abbild = [&](const QPointF& q) {
        return QPointF(feld.left() + q.x() / dauer * feld.width(), feld.bottom() - q.y() / hoechste * feld.height());
    };
    QPainterPath weg(abbild(punkte.front()));
    for (const auto& q : punkte)
        weg.lineTo(abbild(q));
    maler.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2));
    maler.drawPath(weg);

    maler.setPen(Qt::black);
    const QString grad = QString::fromUtf8(" °C");
    maler.drawText(QRectF(0, feld.top() - fm.height() / 2, links - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   zahlen::allgemein(hoechste, locale_, 6) + grad);
    maler.drawText(QRectF(0, feld.bottom() - fm.height() / 2, links - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("0") + grad);
    maler.drawText(QRectF(feld.left(), feld.bottom() + 4, feld.width(), fm.height()), Qt::AlignLeft, QStringLiteral("0 h"));
    maler.drawText(QRectF(feld.left(), feld.bottom() + 4, feld.width(), fm.height()), Qt::AlignRight,
                   zahlen::allgemein(dauer, locale_, 4) + QStringLiteral(" h"));
}

frm_Programm::frm_Programm(const Programmeingabe& eingabe, double Q, const QLocale& locale, QWidget* eltern)
    : QDialog(eltern), Q_(Q), locale_(locale)
{
    setWindowTitle(tr("Kalvion - Temperaturprogramm"));
    tabelle_ = new Programmtabelle(locale_, this);
    tabelle_->setze(eingabe.zeilen);

    auto* start = new QHBoxLayout;
    start->addWidget(new QLabel(tr("Starttemperatur [°C]"), this));
    txt_start = benannt(new QLineEdit(eingabe.start, this), "txt_start");
    txt_start->setMaximumWidth(100);
    start->addWidget(txt_start);
    start->addStretch();

    tbl_segmente = benannt(new Segmenttabelle(this), "tbl_segmente");
    tbl_segmente->setModel(tabelle_);
    tbl_segmente->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tbl_segmente->setSelectionBehavior(QAbstractItemView::SelectRows);
    tbl_segmente->setMinimumHeight(180);

    auto* hinzufuegen = benannt(new QPushButton(tr("Segment &hinzufügen"), this), "cmd_hinzufuegen");
    auto* entfernen = benannt(new QPushButton(tr("Segment &entfernen"), this), "cmd_entfernen");
    auto* zeilenknoepfe = new QHBoxLayout;
    zeilenknoepfe->addWidget(hinzufuegen);
    zeilenknoepfe->addWidget(entfernen);
    zeilenknoepfe->addStretch();
    auto* hinweis = new QLabel(tr("Rate „sofort“: ohne Rampe zum Ziel."), this);
    zeilenknoepfe->addWidget(hinweis);

    kurve_ = benannt(new Programmkurve(locale_, this), "Image_programm");
    lbl_aequivalent = benannt(new QLabel(this), "lbl_aequivalent");
    lbl_aequivalent->setWordWrap(true);

    // "ok" is the default: Enter in a field or the table hands the programme
    // over, Enter on a focused button presses that one, Escape cancels.
    cmd_ok = benannt(new QPushButton(tr("&ok"), this), "cmd_ok");
    cmd_ok->setDefault(true);
    auto* kein = benannt(new QPushButton(tr("&Kein Programm"), this), "cmd_kein_programm");
    auto* abbrechen = benannt(new QPushButton(tr("&Abbrechen"), this), "cmd_abbrechen");
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmd_ok);
    knoepfe->addWidget(kein);
    knoepfe->addStretch();
    knoepfe->addWidget(abbrechen);

    auto* senkrecht = new QVBoxLayout(this);
    senkrecht->addLayout(start);
    senkrecht->addWidget(tbl_segmente);
    senkrecht->addLayout(zeilenknoepfe);
    senkrecht->addWidget(kurve_, 1);
    senkrecht->addWidget(lbl_aequivalent);
    senkrecht->addLayout(knoepfe);
    resize(560, 560);

    connect(hinzufuegen, &QPushButton::clicked, this, [this] {
        const QModelIndex aktuell = tbl_segmente->currentIndex();
        if (!tabelle_->zeile_einfuegen(aktuell.isValid() ? aktuell.row() : -1))
            melde(this, tr("Höchstens %1 Segmente erlaubt.").arg(Hoechste_Segmentzahl));
    });
    connect(entfernen, &QPushButton::clicked, this, [this] {
        const QModelIndex aktuell = tbl_segmente->currentIndex();
        tabelle_->zeile_entfernen(aktuell.isValid() ? aktuell.row() : tabelle_->rowCount() - 1);
    });
    connect(cmd_ok, &QPushButton::clicked, this, &frm_Programm::cmd_ok_Click);
    connect(kein, &QPushButton::clicked, this, [this] { done(Kein_Programm); });
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(txt_start, &QLineEdit::textChanged, this, &frm_Programm::aktualisieren);
    connect(tabelle_, &QAbstractItemModel::dataChanged, this, &frm_Programm::aktualisieren);
    connect(tabelle_, &QAbstractItemModel::rowsInserted, this, &frm_Programm::aktualisieren);
    connect(tabelle_, &QAbstractItemModel::rowsRemoved, this, &frm_Programm::aktualisieren);
    connect(tabelle_, &QAbstractItemModel::modelReset, this, &frm_Programm::aktualisieren);
    aktualisieren();
}

frm_Programm::~frm_Programm()
{
    // A cell still being edited commits itself when the closing dialog takes
    // its focus away; by then this dialog is half destroyed, and none of its
    // own handlers may run.
    disconnect(tabelle_, nullptr, this, nullptr);
    disconnect(txt_start, nullptr, this, nullptr);
}

Programmeingabe frm_Programm::eingabe() const
{
    Programmeingabe e;
    e.start = txt_start->text().trimmed();
    e.zeilen = tabelle_->zeilen();
    return e;
}

void frm_Programm::aktualisieren()
{
    const Programmeingabe e = eingabe();
    const Programmlesung l = programm_lesen(e, locale_);
    kurve_->setze(l.programm);
    if (!l.programm) {
        lbl_aequivalent->setText(l.fehler);
        lbl_aequivalent->setStyleSheet(QStringLiteral("color: #c00000"));
        return;
    }
    lbl_aequivalent->setStyleSheet(QString());
    lbl_aequivalent->setText(aequivalenztext(aequivalente_zeit(*l.programm, Q_), bezugstext(e, locale_), locale_));
}

void frm_Programm::cmd_ok_Click()
{
    const Programmlesung l = programm_lesen(eingabe(), locale_);
    if (!l.programm) {
        melde(this, l.fehler);
        return;
    }
    accept();
}

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parameter dialog opened on the start-up values, as the main window
// opens it: filled, shown and active. An "ok" lands in `m`.
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>

#include "frm_Eingabe.h"
#include "testhilfen.h"

struct Eingabesitzung {
    kalvion::Modell m;
    std::unique_ptr<kalvion::frm_Eingabe> dlg;
    // Made before the dialog shows, so that they see its first activation too.
    std::unique_ptr<QSignalSpy> aktiviert, uebernommen;

    // `vorher` changes the start-up values before the dialog takes its copy.
    explicit Eingabesitzung(const QLocale& locale, std::function<void(kalvion::Modell&)> vorher = {})
    {
        kalvion::startwerte_setzen(m);
        if (vorher)
            vorher(m);
        dlg = std::make_unique<kalvion::frm_Eingabe>([this] { return m; }, locale);
        aktiviert = std::make_unique<QSignalSpy>(dlg.get(), &kalvion::frm_Eingabe::aktiviert);
        uebernommen = std::make_unique<QSignalSpy>(dlg.get(), &kalvion::frm_Eingabe::uebernommen);
        QObject::connect(dlg.get(), &kalvion::frm_Eingabe::uebernommen, [this](const kalvion::Modell& p) { m = p; });
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        QTRY_VERIFY(kind<QLabel>(dlg, "lbl_D_ergebnis")->text() != "xxx");
    }
    // The dialog's own copy, as its checks have left it before "ok".
    const kalvion::Modell& p() const { return dlg->parameter(); }
};

// The main window up to its parameter dialog, filled with the start-up values
// and active; nullptr when it does not get there.
template <class Hauptfenster>
kalvion::frm_Eingabe* bis_zur_eingabe(Hauptfenster& w)
{
    w.show();
    if (!QTest::qWaitFor([&] { return w.eingabe() != nullptr; }))
        return nullptr;
    auto* dlg = qobject_cast<kalvion::frm_Eingabe*>(w.eingabe());
    if (!QTest::qWaitFor([&] { return kind<QLineEdit>(dlg, "txt_Sintertemp")->text() == QStringLiteral("1050"); }))
        return nullptr;
    QApplication::setActiveWindow(dlg);
    return QTest::qWaitFor([&] { return dlg->isActiveWindow(); }) ? dlg : nullptr;
}

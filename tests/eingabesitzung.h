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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What several tests need: the two locales, a model that has run through the
// start-up parameters, and, where the test links the widgets, controls found
// by name, typing into a field and counting pixels.
#include <QFile>
#include <QLocale>
#include <QTest>
#include <QObject>
#include <memory>

#include "anfangsprofil.h"
#include "ergebnis.h"
#include "modell.h"
#include "zeitschritte.h"

inline const QLocale Deutsch(QLocale::German, QLocale::Germany);
inline const QLocale C_Locale = QLocale::c();

// Built under AddressSanitizer (scripts/asan.sh): its shadow memory takes
// terabytes of address space, so a test that caps the address space of a
// program it starts (RLIMIT_AS) cannot run.
#if defined(__SANITIZE_ADDRESS__)  // gcc
#define KALVION_ASAN
#elif defined(__has_feature)  // clang
#if __has_feature(address_sanitizer)
#define KALVION_ASAN
#endif
#endif
#ifdef KALVION_ASAN
inline constexpr bool Unter_AddressSanitizer = true;
#else
inline constexpr bool Unter_AddressSanitizer = false;
#endif

inline kalvion::Modell standardlauf(bool kugel = false)
{
    kalvion::Modell m;
    kalvion::startwerte_setzen(m);
    m.Geometrie = kugel ? kalvion::Geometrie::sphaerisch : kalvion::Geometrie::linear;
    kalvion::lauf_rechnen(m);
    return m;
}

// What the main window would hand a save or an export for this model record:
// its result while the record says it is current, and whether a run is going.
inline kalvion::Ergebnisstand stand(const kalvion::Modell& m)
{
    kalvion::Ergebnisstand s;
    if (m.Berechnung_aktuell)
        s.aktuell = std::make_shared<const kalvion::Ergebnis>(kalvion::Ergebnis{m, {}});
    s.laeuft = m.Berechnung_laeuft;
    return s;
}

// A control by its name; a missing one ends the test program at once.
template <class T>
T* kind(const QObject* fenster, const char* name)
{
    T* k = fenster->findChild<T*>(QString::fromLatin1(name));
    if (!k)
        qFatal("no control named %s", name);
    return k;
}

inline QByteArray lies_datei(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void schreibe_datei(const QString& pfad, const QByteArray& inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(inhalt), inhalt.size());
}

template <class T, class U>
T* kind(const std::unique_ptr<U>& fenster, const char* name)
{
    return kind<T>(fenster.get(), name);
}

#ifdef QT_WIDGETS_LIB
#include <QImage>
#include <QLineEdit>
#include <QTest>

// Types into a field and leaves it as a user would: with Tab, or by a click
// on another control.
inline void verlasse_mit(QLineEdit* feld, const QString& text, QWidget* weiter = nullptr)
{
    feld->setFocus(Qt::MouseFocusReason);
    QVERIFY(feld->hasFocus());
    feld->selectAll();
    QTest::keyClick(feld, Qt::Key_Delete);
    QTest::keyClicks(feld, text);
    if (weiter)
        QTest::mouseClick(weiter, Qt::LeftButton, {}, QPoint(8, weiter->height() / 2));
    else
        QTest::keyClick(feld, Qt::Key_Tab);
    QVERIFY(!feld->hasFocus());
}

// Waits until the main window's run has reported its end (it computes on a
// worker thread); false when it has not within half a minute.
template <class Fenster>
bool lauf_abwarten(const Fenster& w)
{
    return QTest::qWaitFor([&w] { return !w.laeuft(); }, 30000);
}

// A click near the left edge, where an option button has its mark.
inline void klick_links(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
}

inline int zaehle(const QImage& b, QRgb farbe)
{
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += b.pixel(x, y) == farbe;
    return n;
}
#endif

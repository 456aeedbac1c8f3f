// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile and random input: field reading never crashes and never accepts
// what it cannot read back; accepted parameter sets never leave NaN or
// infinity behind.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <optional>

#include "feldpruefung.h"
#include "frm_Eingabe.h"
#include "meldungsrekorder.h"
#include "zahlen.h"
#include "testhilfen.h"
using namespace kalvion;

namespace {

QLineEdit* eingabefeld(const QObject* dlg, Feld f)
{
    return dlg->findChild<QLineEdit*>(QStringLiteral("txt_") + QString::fromLatin1(regel(f).name));
}


QStringList feindliche_texte(QRandomGenerator& zufall)
{
    QStringList t{"", " ", "1e309", "-1e309", "-0", "+0", "NaN", "nan", "inf", "-inf", "Infinity",
                  ",", ".", "-", "+", "E5", "1E", "1E+", "1,2,3", "1.2.3", "1,2.3", "1.2,3", "1 000",
                  "1\u00a0000", "\u0661\u0662", "\u22121", "\uff11", "0x10", "1e-400", "9" + QString(400, '9'),
                  QString(100000, '7'), QString::fromLatin1("1\0", 2), "\t5\t", "5\n", "1e308", "4,9E-324",
                  "199,5", "200", "0,5", "1", "10000", "10000,0000001", "1000000", "-0,0", "1E+300",
                  "\u00e4", "\U0001F600", "'", "\"", "%s%n", "1e99999999999999999999"};
    const QString zeichen = QStringLiteral("0123456789,.-+eE \t\u2212\u00a0a\x01");
    while (t.size() < 1500) {
        QString s;
        const int laenge = zufall.bounded(1, 14);
        for (int i = 0; i < laenge; ++i)
            s += zeichen[zufall.bounded(zeichen.size())];
        t << s;
    }
    return t;
}

double modellwert(const Modell& m, Feld f)
{
    switch (f) {
    case Feld::Sintertemp: return m.Sintertemp.wert;
    case Feld::Sinterzeit: return m.Sinterzeit.wert;
    case Feld::x_max: return m.x_max.wert;
    case Feld::D0: return m.D0.wert;
    case Feld::Q: return m.Q.wert;
    case Feld::i_Diff: return m.i_Diff;
    case Feld::c0:
    case Feld::c_s:
    case Feld::beta:
    case Feld::c_atm: return (m.*regel(f).ziel).wert;
    }
    return NAN;
}

// The reading rule written out once more: optional blanks, an optional sign,
// ASCII digits with at most one of the locale's decimal separators, an
// optional exponent; nothing beyond the range of a double, no underflow.
std::optional<double> unabhaengig_gelesen(const QString& text, const QLocale& locale)
{
    const QString trenner = QRegularExpression::escape(locale.decimalPoint());
    const QRegularExpression muster("^\\s*([+-]?)([0-9]*)(?:" + trenner + "([0-9]*))?(?:[eE]([+-]?[0-9]+))?\\s*$",
                                    QRegularExpression::UseUnicodePropertiesOption);  // \\s as wide as Unicode's blanks
    const QRegularExpressionMatch treffer = muster.match(text);
    if (!treffer.hasMatch() || text.size() > 400 || treffer.captured(2).size() + treffer.captured(3).size() == 0)
        return std::nullopt;
    const QString c = treffer.captured(1) + treffer.captured(2) + "." + treffer.captured(3) +
                      (treffer.captured(4).isEmpty() ? QString() : "e" + treffer.captured(4));
    bool ok = false;
    const double v = c.toLatin1().toDouble(&ok);
    const bool ziffer = (treffer.captured(2) + treffer.captured(3)).contains(QRegularExpression("[1-9]"));
    if (!ok || !std::isfinite(v) || (v == 0 && ziffer))
        return std::nullopt;
    return v == 0 ? 0.0 : v;
}

// The fields' bounds, written out once more.
bool erlaubt(Feld f, double v)
{
    switch (f) {
    case Feld::Sintertemp: return v >= 0 && v <= 10000;
    case Feld::Sinterzeit: return v > 0 && v <= 10000;
    case Feld::x_max: return v > 0 && v <= 1e6;
    case Feld::D0:
    case Feld::Q: return v >= 0;
    case Feld::i_Diff: return v >= 1 && std::nearbyint(v) <= 199;
    case Feld::c0:
    case Feld::c_s:
    case Feld::c_atm: return v >= 0 && v <= 100;
    case Feld::beta: return v >= 0 && v <= 1000;
    }
    return false;
}

// Whether D and the step count can be formed from the model's parameters,
// computed here without the engine.
bool ableitbar(const Modell& m)
{
    const double d = m.D0.wert / 1000 * std::exp(-m.Q.wert / ((m.Sintertemp.wert + 273) * 8.31451));
    const double dx = m.x_max.wert * 1e-4 / 200;
    const double dt_max = dx * dx / (2 * d);
    return std::isfinite(d) && d != 0 && std::isfinite(dt_max) && dt_max != 0 &&
           std::isfinite(std::floor(1.2 * m.Sinterzeit.wert * 3600 / dt_max));
}

bool alles_endlich(const Modell& m)
{
    const double werte[] = {m.Sinterzeit.wert, m.Sintertemp.wert, m.x_max.wert, m.D0.wert, m.Q.wert,
                            m.Sinterzeit_s, m.Sintertemp_K, m.x_max_cm, m.dx, m.D, m.dt_max, m.Schritte,
                            m.Volumen_ges, m.Menge_ges, m.Molprozent};
    for (double v : werte)
        if (!std::isfinite(v))
            return false;
    for (const Zellfeld* f : {&m.Flaeche, &m.Volumen, &m.Menge, &m.Konz, &m.Konz_Start})
        for (double v : *f)
            if (!std::isfinite(v))
                return false;
    return true;
}

}  // namespace

class tst_robust : public QObject {
    Q_OBJECT
private slots:
    void feindliche_eingaben_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("deutsch") << Deutsch;
        QTest::newRow("C") << QLocale::c();
    }
    void feindliche_eingaben()
    {
        QFETCH(QLocale, locale);
        QRandomGenerator zufall(20261208);
        const QStringList texte = feindliche_texte(zufall);
        Modell start;
        startwerte_setzen(start);
        frm_Eingabe dlg([&start] { return start; }, locale);
        const Modell& m = dlg.parameter();  // what the checks store, in the dialog's own copy
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        QTRY_VERIFY(dlg.isActiveWindow());
        QTRY_VERIFY(kind<QLabel>(&dlg, "lbl_D_ergebnis")->text() != "xxx");
        Meldungsrekorder meldungen;

        int angenommen = 0, ausserhalb = 0, unlesbar = 0, nicht_ableitbar = 0;
        for (int n = 0; n < texte.size(); ++n) {
            const Feld f = Alle_Felder[n % 6];
            QLineEdit* feld = eingabefeld(&dlg, f);
            const Feldregel& r = regel(f);
            const QString& text = texte[n];
            feld->setFocus();
            feld->setText(text);
            const qsizetype vorher = meldungen.texte.size();
            QTest::keyClick(feld, Qt::Key_Tab);
            const QString danach = feld->text();
            const bool gemeldet = meldungen.texte.size() > vorher;
            const QByteArray was = (text.left(40) + " → " + danach).toUtf8().toPercentEncoding(" →,.+-");

            // What should happen, decided without the program's own reader.
            const std::optional<double> v = unabhaengig_gelesen(text, locale);
            if (!v) {
                ++unlesbar;
                QVERIFY2(gemeldet && danach == QLatin1String(r.reset), was);
            } else if (!erlaubt(f, *v)) {
                ++ausserhalb;
                QVERIFY2(!gemeldet && danach == QLatin1String(r.reset), was);
            } else if (gemeldet) {
                // Only a derived value that cannot be formed brings the message.
                ++nicht_ableitbar;
                QVERIFY2(!ableitbar(m), was);
                QCOMPARE(danach, QLatin1String(r.reset));
            } else {
                ++angenommen;
                QCOMPARE(danach, f == Feld::i_Diff ? QString::number(std::nearbyint(*v)) : text);
                QCOMPARE(modellwert(m, f), f == Feld::i_Diff ? std::nearbyint(*v) : *v);
                QVERIFY(std::isfinite(m.D) && std::isfinite(m.Schritte));
            }
        }
        qInfo("angenommen %d, ausserhalb %d, unlesbar %d, nicht ableitbar %d", angenommen, ausserhalb, unlesbar,
              nicht_ableitbar);
        QVERIFY(angenommen > 100);
        QVERIFY(ausserhalb > 15);
        QVERIFY(nicht_ableitbar > 3);
        QVERIFY(unlesbar > 100);
        for (const QString& t : meldungen.texte)
            QCOMPARE(t, QString("Unerlaubte Eingabe !"));
    }

    void zufaellige_parametersaetze()
    {
        QRandomGenerator zufall(42);
        auto zwischen = [&](double a, double b) { return a + (b - a) * zufall.generateDouble(); };
        Meldungsrekorder meldungen;
        int gerechnet = 0;
        for (int n = 0; n < 60; ++n) {
            QStringList werte{QString::number(zwischen(0, 10000)), QString::number(zwischen(0.001, 10000)),
                              QString::number(zwischen(0.001, 1e6)), QString::number(zwischen(0, 1e6)),
                              QString::number(zwischen(0, 1e6)), QString::number(zufall.bounded(1, 200))};
            switch (n % 6) {  // the extremes, one at a time
            case 0: werte[0] = "0"; break;
            case 1: werte[0] = "10000"; break;
            case 2: werte[4] = "0"; break;
            case 3: werte[3] = "0"; break;
            case 4: werte[2] = "1000000"; break;
            default: break;
            }
            Modell m;
            startwerte_setzen(m);
            m.Geometrie = n % 2 ? Geometrie::sphaerisch : Geometrie::linear;
            auto* dlg = new frm_Eingabe([&m] { return m; }, QLocale::c());
            QObject::connect(dlg, &frm_Eingabe::uebernommen, [&m](const Modell& p) { m = p; });
            dlg->show();
            QApplication::setActiveWindow(dlg);
            QTRY_VERIFY(dlg->isActiveWindow());
            QTRY_VERIFY(kind<QLabel>(dlg, "lbl_D_ergebnis")->text() != "xxx");
            for (int f = 0; f < 6; ++f) {
                eingabefeld(dlg, Alle_Felder[f])->setFocus();
                eingabefeld(dlg, Alle_Felder[f])->setText(werte[f]);
            }
            kind<QPushButton>(dlg, "cmd_ok")->setFocus();
            QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);
            QTest::mouseClick(kind<QPushButton>(dlg, "cmd_ok"), Qt::LeftButton);  // the first may have met a message
            QVERIFY2(alles_endlich(m), qPrintable(werte.join(' ')));

            Modell probe = m;
            schritte_vorbereiten(probe);
            if (probe.Schritte <= 200000) {
                QCOMPARE(lauf_rechnen(m).ergebnis, Laufergebnis::fertig);
                double summe = 0;
                for (int i = 1; i <= m.Zellen; ++i)
                    summe += m.Menge[i];
                QVERIFY(std::fabs(summe - m.Menge_ges) <= 1e-12 * m.Menge_ges);
                QVERIFY(alles_endlich(m));
                ++gerechnet;
            }
            delete dlg;
        }
        QVERIFY(gerechnet >= 10);
    }
};

QTEST_MAIN(tst_robust)
#include "tst_robust.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "sprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <climits>

namespace kalvion::sprache {

namespace {
bool englisch = false;
}

bool englisch_gewuenscht(const QStringList& oberflaechensprachen)
{
    if (oberflaechensprachen.isEmpty())
        return false;
    const QString erste = oberflaechensprachen.first();
    // LANG=C or C.UTF-8 gives "C" or "en-US-u-va-posix": no choice made.
    if (erste.isEmpty() || erste == QLatin1String("C") || erste.startsWith(QLatin1String("C.")) ||
        erste == QLatin1String("POSIX") || erste.contains(QLatin1String("-u-va-posix")))
        return false;
    return QLocale(erste).language() != QLocale::German && !erste.startsWith(QLatin1String("de"));
}

bool einrichten(QCoreApplication& app, const QStringList& oberflaechensprachen)
{
    if (!englisch_gewuenscht(oberflaechensprachen))
        return false;
    // Lives as long as the application.
    auto* texte = new QTranslator(&app);
    if (!texte->load(QStringLiteral(":/i18n/kalvion_en.qm"))) {
        delete texte;
        return false;
    }
    englisch = QCoreApplication::installTranslator(texte);
    return englisch;
}

QString fehlermeldung(std::int64_t fehlerzahl, bool gesprungen, bool bereichsverletzungen)
{
    // The count picks the plural form; it is written in full, however large.
    const int form = static_cast<int>(std::min<std::int64_t>(fehlerzahl, INT_MAX));
    QString text = (bereichsverletzungen
                        ? QCoreApplication::translate("Lauf", "%1 Fehler (Werte außerhalb des Bereichs ihrer Nachbarn)",
                                                      nullptr, form)
                        : QCoreApplication::translate("Lauf", "%1 Fehler", nullptr, form))
                       .arg(qlonglong(fehlerzahl));
    if (gesprungen)
        text += QCoreApplication::translate("Lauf", " (in den ersten 1000 Schritten; danach in einem Sprung gerechnet)");
    return text;
}

bool englisch_aktiv()
{
    return englisch;
}

bool qt_texte_einrichten(QCoreApplication& app, const QLocale& locale)
{
    // With German numbers under English texts, a German file dialog would
    // mix the languages.
    if (englisch)
        return false;
    auto* texte = new QTranslator(&app);
    if (!texte->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete texte;
        return false;
    }
    return QCoreApplication::installTranslator(texte);
}

bool einrichten(QCoreApplication& app)
{
    return einrichten(app, QLocale::system().uiLanguages());
}

}  // namespace kalvion::sprache

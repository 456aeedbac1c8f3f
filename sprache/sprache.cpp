#include "sprache.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

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

bool englisch_aktiv()
{
    return englisch;
}

bool einrichten(QCoreApplication& app)
{
    return einrichten(app, QLocale::system().uiLanguages());
}

}  // namespace kalvion::sprache

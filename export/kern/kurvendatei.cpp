// SPDX-License-Identifier: GPL-3.0-or-later
#include "kurvendatei.h"

#include <QSaveFile>

#include "zahlen.h"

namespace kalvion {

namespace {

const Zellfeld Modell::*const Profile[] = {&Modell::Konz_Start, &Modell::Konz_10, &Modell::Konz_100,
                                           &Modell::Konz_1000, &Modell::Konz};

}  // namespace

QChar feldtrenner(const QLocale& locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? QLatin1Char(';') : QLatin1Char(',');
}

QStringList kurvenspalten()
{
    return {QStringLiteral("Zelle"),
            QString::fromUtf8("x [µm]"),
            QStringLiteral("Start [Mol%]"),
            QStringLiteral("nach 10 Schritten [Mol%]"),
            QStringLiteral("nach 100 Schritten [Mol%]"),
            QStringLiteral("nach 1000 Schritten [Mol%]"),
            QStringLiteral("Ende [Mol%]")};
}

QByteArray kurventabelle(const Modell& m, const QLocale& locale)
{
    const QChar trenner = feldtrenner(locale);
    const QString zeilenende = QStringLiteral("\r\n");
    QString text;
    // A run that stands for a furnace cycle names it in a line before the
    // column names, quoted where it holds the field separator.
    if (m.programm) {
        QString zeile = QString::fromStdString(m.programm->zeile);
        if (zeile.contains(trenner) || zeile.contains(QLatin1Char('"')))
            zeile = QLatin1Char('"') + zeile.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
        text += zeile + zeilenende;
    }
    text += kurvenspalten().join(trenner) + zeilenende;

    const int zellen = m.Zellen;
    for (int i = 1; i <= zellen && i < Feldgroesse; ++i) {
        QStringList felder{QString::number(i), zahlen::kuerzeste_form(i * m.x_max.wert / m.Zellen, locale)};
        for (const auto profil : Profile)
            felder << (profil == &Modell::Konz_1000 && !mit_konz_1000(m) ? QString()
                                                                          : zahlen::kuerzeste_form((m.*profil)[i], locale));
        text += felder.join(trenner) + zeilenende;
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool kurven_schreiben(const QString& dateipfad, const Modell& m, const QLocale& locale)
{
    return datei_ersetzen(dateipfad, kurventabelle(m, locale));
}

bool datei_ersetzen(const QString& dateipfad, const QByteArray& inhalt)
{
    // The old file is replaced only once everything is written. Unbuffered:
    // a buffered QSaveFile takes up to 16 KiB at once and loses a failing
    // write at its final flush (a full disk), then commits a cut-off file.
    QSaveFile datei(dateipfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (datei.write(inhalt) != inhalt.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

}  // namespace kalvion

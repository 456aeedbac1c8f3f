// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Takes the place of the message, question and choice boxes for one test:
// records each text and answers at once. Questions are answered with the
// scripted button texts in order, and with the last button (the way out) once
// the script is used up; choices with the scripted entries (an empty one
// cancels), and with the entry offered first once that script is used up.
// Buttons are recorded and named as they read, without the marks of their
// access keys ("&Ja" is "Ja"). Optional hooks run while a "box" is up.
#include <QList>
#include <QStringList>
#include <functional>

#include "meldung.h"

class Meldungsrekorder {
public:
    Meldungsrekorder()
    {
        alt_ = kalvion::setze_meldungsweg([this](QWidget*, const QString& text) {
            texte << text;
            if (waehrenddessen)
                waehrenddessen(text);
        });
        alte_frage_ = kalvion::setze_frageweg([this](QWidget*, const QString& text, const QStringList& mit_kuerzeln,
                                                     int vorgabe) {
            QStringList knoepfe;
            for (const QString& k : mit_kuerzeln)
                knoepfe << ohne_kuerzel(k);
            fragen << text;
            angeboten << knoepfe;
            vorgaben << knoepfe.value(vorgabe);
            if (bei_frage)
                bei_frage(text);
            if (antworten.isEmpty())
                return int(knoepfe.size() - 1);
            const QString antwort = antworten.takeFirst();
            const qsizetype i = knoepfe.indexOf(antwort);
            if (i < 0)
                qFatal("no button \"%s\" in the question", qPrintable(antwort));
            return int(i);
        });
        alte_auswahl_ = kalvion::setze_auswahlweg(
            [this](QWidget*, const QString& text, const QStringList& eintraege, int vorgabe) {
                auswahlen << text;
                eintraege_angeboten << eintraege;
                auswahl_vorgaben << vorgabe;
                if (auswahl_antworten.isEmpty())
                    return vorgabe;
                const QString antwort = auswahl_antworten.takeFirst();
                if (antwort.isEmpty())
                    return -1;
                const qsizetype i = eintraege.indexOf(antwort);
                if (i < 0)
                    qFatal("no entry \"%s\" in the choice", qPrintable(antwort));
                return int(i);
            });
    }
    ~Meldungsrekorder()
    {
        kalvion::setze_meldungsweg(alt_);
        kalvion::setze_frageweg(alte_frage_);
        kalvion::setze_auswahlweg(alte_auswahl_);
    }

    QStringList texte;                          // messages
    std::function<void(const QString&)> waehrenddessen;

    QStringList fragen;                         // questions
    QList<QStringList> angeboten;               // their buttons
    QStringList vorgaben;                       // their default buttons
    QStringList antworten;                      // the buttons to press, in order
    std::function<void(const QString&)> bei_frage;

    QStringList auswahlen;                      // choices
    QList<QStringList> eintraege_angeboten;     // their entries
    QList<int> auswahl_vorgaben;                // the entry each offered first
    QStringList auswahl_antworten;              // the entries to choose, in order

    // A button's text as it reads: "&&" is one "&", a single "&" marks the access key.
    static QString ohne_kuerzel(const QString& text)
    {
        QString lesbar;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size())
                ++i;
            lesbar += text[i];
        }
        return lesbar;
    }

private:
    kalvion::Meldungsweg alt_;
    kalvion::Frageweg alte_frage_;
    kalvion::Auswahlweg alte_auswahl_;
};

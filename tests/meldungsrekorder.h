#pragma once
// Takes the place of the message box for one test: records each text and
// answers at once. An optional hook runs while the "box" is up.
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
    }
    ~Meldungsrekorder() { kalvion::setze_meldungsweg(alt_); }

    QStringList texte;
    std::function<void(const QString&)> waehrenddessen;

private:
    kalvion::Meldungsweg alt_;
};

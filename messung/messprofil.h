// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A measured profile: two columns, depth x in µm and concentration in mol%,
// parted by ';', ',', a tab or blanks; a decimal comma or point (with ','
// between the fields only the point); header lines before the first point and
// '#' comment lines skipped; UTF-8 with or without byte-order mark, or
// Windows-1252.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <vector>

#include "anpassung.h"

namespace kalvion {

struct Messprofil {
    std::vector<Messpunkt> punkte;
    std::vector<int> zeilen;  // the line of each point in the file, from 1
    QString dateiname;        // without the folder, for captions
};

struct Messlesung {
    bool ok = false;
    Messprofil profil;
    QString fehler;  // the message when not ok
};

inline constexpr int Messpunkte_min = 3;

// The file's bytes read into points; a refusal names the line.
Messlesung messprofil_lesen(const QByteArray& inhalt);

// The same from a file; its name goes into the profile.
Messlesung messprofil_laden(const QString& pfad);

// Empty when every point lies on the path 0 … x_max (µm); otherwise the
// message naming the points that do not, numbers in the given locale.
QString messprofil_pruefen(const Messprofil& profil, double x_max, const QLocale& locale);

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window geometry is given in twips; 15 twips are one pixel at 96 dpi. Qt's
// high-DPI scaling takes care of other screens.

#include <QRect>
#include <QSize>

namespace kalvion {

constexpr int Twips_je_Pixel = 15;

constexpr int px(int twips) { return (twips + Twips_je_Pixel / 2) / Twips_je_Pixel; }

inline QRect twips_rechteck(int links, int oben, int breite, int hoehe)
{
    return {px(links), px(oben), px(breite), px(hoehe)};
}

inline QSize twips_groesse(int breite, int hoehe) { return {px(breite), px(hoehe)}; }

}  // namespace kalvion

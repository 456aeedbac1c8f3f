// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three shapes of the diffusion path, each described once: what the
// dialog, the command line, the results file and the graph call it, and how
// the area of a face and the weight of a cell follow from the cell index.
// Every front end asks the description; nothing else tells the shapes apart.

#include <array>

// Marks the display texts for Qt's lupdate; the front ends translate them where
// they show them, and the engine itself needs no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kalvion {

enum class Geometrie { linear, zylindrisch, sphaerisch };

struct Zellgeometrie {
    double flaeche;  // the cell's outer face, relative to the surface or left end
    double volumen;  // the cell's weight, in units of dx
};

struct Geometriebeschreibung {
    Geometrie geometrie;
    const char* name;          // on the command line and in its table: ASCII
    const char* englischer_name;  // accepted on the command line as well, shown in its English help: ASCII
    const char* anzeigename;   // the dialog's option, the graph's caption (UTF-8)
    const char* gestalt;       // what it stands for, in the command line's help (UTF-8)
    const char* option;        // the dialog's option button
    int option_oben, option_breite, option_hoehe;  // its place in the model box, in twips
    const char* bild;          // the dialog's picture
    const char* bilddatei;     // its resource; translated, the one labelled in the user's language
    const char* kopfzeile;     // line 2 of the results file, before the date (UTF-8)
    // Face i (1..n, face 1 at the surface or left end) and cell i of n cells.
    Zellgeometrie (*zelle)(int i, int n);
};

namespace geometrie_detail {

// A bar: every face alike.
constexpr Zellgeometrie stab(int, int) { return {1.0, 1.0}; }

// A fibre or wire: a face goes with its radius; a cell weighs exactly the
// annulus between its faces, π (r_i² − r_i+1²) per 2π R of surface, which is
// dx times the relative radius of the cell's middle.
constexpr Zellgeometrie zylinder(int i, int n)
{
    const double aussen = static_cast<double>((1 + n) - i) / n;
    const double innen = static_cast<double>(n - i) / n;
    return {aussen, (aussen + innen) / 2};
}

// A particle: a face goes with the square of its radius; a cell weighs its
// outer face's area times its length (not the exact shell).
Zellgeometrie kugel(int i, int n);

}  // namespace geometrie_detail

inline constexpr std::array<Geometriebeschreibung, 3> Geometrien{{
    {Geometrie::linear, "linear", "linear", QT_TRANSLATE_NOOP("Geometrie", "linear"), QT_TRANSLATE_NOOP("kalvion::cli", "Stab"), "opt_linear", 240, 2175, 375, "Image_linear", QT_TRANSLATE_NOOP("Geometrie", ":/bilder/linear.svg"),
     "Diffusion im linearen Fall, Daten berechnet am: ", geometrie_detail::stab},
    {Geometrie::zylindrisch, "zylindrisch", "cylindrical", QT_TRANSLATE_NOOP("Geometrie", "zylindrisch"), QT_TRANSLATE_NOOP("kalvion::cli", "Faser, Draht"), "opt_zylinder", 870, 2055, 255, "Image_zylinder", QT_TRANSLATE_NOOP("Geometrie", ":/bilder/zylinder.svg"),
     "Diffusion bei zylindrischer Symmetrie, Daten berechnet am: ", geometrie_detail::zylinder},
    {Geometrie::sphaerisch, "sphaerisch", "spherical", QT_TRANSLATE_NOOP("Geometrie", "sphärisch"), QT_TRANSLATE_NOOP("kalvion::cli", "Teilchen"), "opt_kugel", 600, 2055, 255, "Image_kugel", QT_TRANSLATE_NOOP("Geometrie", ":/bilder/kugel.svg"),
     "Diffusion bei sphärischer Symmetrie, Daten berechnet am: ", geometrie_detail::kugel},
}};

constexpr bool in_reihenfolge()
{
    for (std::size_t i = 0; i < Geometrien.size(); ++i)
        if (static_cast<std::size_t>(Geometrien[i].geometrie) != i)
            return false;
    return true;
}
static_assert(in_reihenfolge(), "Geometrien is indexed by Geometrie");

constexpr const Geometriebeschreibung& beschreibung(Geometrie g)
{
    return Geometrien[static_cast<std::size_t>(g)];
}

}  // namespace kalvion

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Long runs in one jump. Every explicit step maps the cell amounts linearly
// with the same coefficients, so S further steps are the S-th power of one
// fixed matrix, which its eigen-decomposition gives in closed form.
#include "modell.h"

namespace kalvion {

// A run steps explicitly through this step, so that the snapshots after steps
// 10, 100 and 1000 and the error count of those steps are the stepped ones,
// and jumps over the rest.
inline constexpr double Schritte_vor_dem_Sprung = 1000;

// Menge[1..Zellen] after `schritte` further steps of ein_zeitschritt (with an
// open surface of ein_zeitschritt_offen with the model's Randleitwert and
// Randwert) with the model's D, dx, dt, Flaeche and Volumen, starting from
// m.Menge; the unused
// cells 0 and 201 are copied from m.Menge. `schritte` is a whole number from 0
// to 2^53. Needs Zellen >= 2; changes nothing in m.
Zellfeld menge_nach_sprung(const Modell& m, double schritte);

// (1 − mu)^schritte for an eigenvalue mu of the step's matrix (0 <= mu < 2),
// exact for the small mu of the slow modes even at 2^53 steps.
double sprungfaktor(double mu, double schritte);

// Puts those steps into the model: Menge as above and Konz = Menge / Volumen,
// as a step leaves them, and what the cells gained or lost into Menge_rand.
// Fluss keeps the fluxes of the last stepped step and Fehlerzahl stays: a jump
// looks at no single flux. Zero steps change nothing.
void springe(Modell& m, double schritte);

}  // namespace kalvion

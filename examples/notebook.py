#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""First steps with Kalvion in Python: a run and its five curves, a fit of a
measured profile, a small study. Copy it into a notebook cell by cell.

    python3 notebook.py [folder]     # the plot goes into the folder (default: here)
"""
import os
import sys
import tempfile

import numpy as np

import kalvion

ordner = sys.argv[1] if len(sys.argv) > 1 else "."

# --- A run: the same numbers as the window and kalvion-cli ------------------
ergebnis = kalvion.run(temperature_c=1100, time_h=1.5, length_um=50, geometry="spherical")
print(ergebnis.summary)
print("D =", ergebnis.d_cm2_s, "cm²/s;", ergebnis.steps, "steps; final profile:", ergebnis.final[:3], "…")

# --- The five curves ---------------------------------------------------------
try:
    import matplotlib.pyplot as plt
except ImportError:
    plt = None
    print("matplotlib is not installed (python3-matplotlib): no plot")
if plt is not None:
    fig, ax = plt.subplots(figsize=(7, 4.5))
    for feld, name in [("initial", "start"), ("after_10", "after 10 steps"), ("after_100", "after 100 steps"),
                       ("after_1000", "after 1000 steps"), ("final", "end")]:
        ax.plot(ergebnis.x_um, getattr(ergebnis, feld), label=name)
    ax.set_xlabel("x [µm]")
    ax.set_ylabel("concentration [mol%]")
    ax.legend()
    bild = os.path.join(ordner, "kalvion_curves.png")
    fig.savefig(bild, dpi=100)
    print("curves drawn into", bild)

# --- A fit: which D explains a measured profile? -----------------------------
# A stand-in for a line scan: a run at 1100 °C with a little noise, 30 points.
gemessen = kalvion.run(temperature_c=1100, time_h=1, length_um=40)
x = np.linspace(0, 40, 30)
konzentration = np.interp(x, gemessen.x_um, gemessen.final) + np.random.default_rng(1).normal(0, 0.3, x.size)
with tempfile.TemporaryDirectory() as tmp:
    pfad = os.path.join(tmp, "scan_1100.csv")
    np.savetxt(pfad, np.column_stack([x, konzentration]), delimiter=";", header="x_um;mol%", comments="")
    profil = kalvion.read_profile(pfad)
anpassung = kalvion.fit(profil, temperature_c=1100, time_h=1, length_um=40)
print(f"fitted D = {anpassung.d_cm2_s:.4g} cm²/s (95 %: {anpassung.d_low:.4g} … {anpassung.d_high:.4g}), "
      f"true {gemessen.d_cm2_s:.4g}; D0 at Q = {anpassung.q:g}: {anpassung.d0:.4g} (1000 · cm²/s)")

# --- A study: every combination, as a table ----------------------------------
tabelle = kalvion.study(geometry=["linear", "spherical"], temperature_c=range(1000, 1201, 100), time_h=[1, 4])
print(tabelle[["geometry", "temperature_c", "time_h", "d_cm2_s", "c_50"]]
      if hasattr(tabelle, "columns") else {k: tabelle[k] for k in ("geometry", "temperature_c", "c_50")})

# SPDX-License-Identifier: GPL-3.0-or-later
"""Kalvion: solid-state diffusion during sintering, from Python.

The same engine and writers as the Kalvion window and ``kalvion-cli``: a run
gives the numbers, profiles, results-file block and curve table those give
for the same values, byte for byte.

>>> import kalvion
>>> r = kalvion.run(temperature_c=1100, time_h=1.5)
>>> r.final[:3]                       # mol%, cell 1 at the surface
>>> r.results_block(decimal=",")      # the block "Speichern als ASCII" appends
>>> table = kalvion.study(geometry=["linear", "spherical"],
...                       temperature_c=range(1000, 1201, 50), time_h=[1, 2, 4])
>>> fit = kalvion.fit("scan_1100.csv", temperature_c=1100, time_h=4, length_um=40)

Units are in the keywords' names: temperature_c (°C), time_h (h), length_um
(µm), d0 (1000 · cm²/s, as the parameter dialog takes it), q (J/mol). A value
the window or the command line would refuse is a ValueError with the command
line's message; a file that cannot be read or written is an OSError. Long
runs and studies release the GIL and stop on Ctrl+C.
"""

from ._kalvion import (
    Arrhenius,
    Fit,
    Profile,
    Programme,
    Result,
    Start,
    Surface,
    __version__,
    arrhenius,
    fit,
    load_parameters,
    read_profile,
    run,
    save_parameters,
    study,
    study_csv,
)

__all__ = [
    "Arrhenius",
    "Fit",
    "Profile",
    "Programme",
    "Result",
    "Start",
    "Surface",
    "arrhenius",
    "fit",
    "load_parameters",
    "read_profile",
    "run",
    "save_parameters",
    "study",
    "study_csv",
]

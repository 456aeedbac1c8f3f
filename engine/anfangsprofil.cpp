#include "anfangsprofil.h"

#include <cmath>

namespace kalvion {

void anfangsprofil(Modell& m)
{
    const int n = m.Zellen;
    for (int i = 1; i <= n; ++i) {
        // A spherical face's area goes with the square of its radius; the
        // surface (face 1) has area 1, the innermost face (1/Zellen)².
        m.Flaeche[i] = m.Kugel ? std::pow(static_cast<double>((1 + n) - i) / n, 2) : 1.0;
        m.Volumen[i] = m.Flaeche[i] * m.dx;
    }

    m.Volumen_ges = 0;
    for (int i = 1; i <= n; ++i)
        m.Volumen_ges = m.Volumen_ges + m.Volumen[i];

    for (int i = 1; i <= n; ++i) {
        m.Konz[i] = i <= m.i_Diff ? 100.0 : 0.0;
        m.Menge[i] = i <= m.i_Diff ? m.Konz[i] * m.Volumen[i] : 0.0;
        m.Fluss[i] = 0;
        m.Konz_Start[i] = m.Konz[i];
    }

    m.Menge_ges = 0;
    for (int i = 1; i <= n; ++i)
        m.Menge_ges = m.Menge_ges + m.Menge[i];

    // Cell 1 always holds 100 %, so Volumen[1] / Menge[1] is 1/100 and this is
    // Menge_ges / Volumen_ges in mol%; kept in this order for the same digits.
    m.Molprozent = m.Menge_ges * 100 / m.Volumen_ges * m.Volumen[1] / m.Menge[1];
}

}  // namespace kalvion

#include "scoring/runningplace.h"

#include "scoring/placing.h"

namespace rzv {

int LaufenderPlatz::naechster(const QString& ergebnis) {
    int platz = 0;
    if (ergebnis != m_vorher && istGueltig(ergebnis)) {
        platz = m_zaehler++;
    } else if (ergebnis == m_vorher) {
        ++m_zaehler;
    }
    m_vorher = ergebnis;
    return platz;
}

int Standplatz::naechster(bool unterMinimum, const QString& summe) {
    int platz = 0;
    if (!unterMinimum && summe != m_vorher) {
        platz = m_zaehler;
        m_letzter = m_zaehler;
    }
    ++m_zaehler;
    m_vorher = summe;
    return platz;
}

} // namespace rzv

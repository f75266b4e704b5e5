#include "scoring/numbertexts.h"

namespace rzv {

const QString& Zahltexte::text(long long zahl) {
    if (zahl < 0 || zahl >= kGeteilt) {
        m_andere = QString::number(zahl);
        return m_andere;
    }
    const auto index = static_cast<size_t>(zahl);
    if (index >= m_texte.size()) m_texte.resize(index + 1);
    if (m_texte[index].isNull()) m_texte[index] = QString::number(zahl);
    return m_texte[index];
}

} // namespace rzv

#pragma once

#include <QString>
#include <vector>

namespace rzv {

// The texts of whole numbers, each made once and then shared: a standing writes the same few
// numbers (participations, places, totals) into thousands of cells, and a shared text needs no
// memory of its own.
class Zahltexte {
public:
    // The text of the number, valid until the next call.
    const QString& text(long long zahl);

private:
    static constexpr long long kGeteilt = 1 << 16; // numbers below are kept
    std::vector<QString> m_texte;                  // by number
    QString m_andere;
};

} // namespace rzv

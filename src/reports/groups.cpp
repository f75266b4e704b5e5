#include "reports/groups.h"

#include "cup/notation.h"
#include "cup/textorder.h"

namespace rzv {

Gruppenindex::Gruppenindex(const TCupContent& cup, const std::function<bool(int row)>& aufgenommen)
    : m_mitCup(cup.hasCupVariations()) {
    const TCellGrid& teil = cup.teil;
    for (int row = 1; row < teil.rowCount(); ++row) {
        if (!aufgenommen(row)) continue;
        m_gruppen[{teil.cell(kAltersgruppe, row), m_mitCup ? teil.cell(kCup, row) : QString()}]
            .push_back(row);
    }
}

const std::vector<int>& Gruppenindex::zeilen(const QString& bezeichnung,
                                             const QString& cupVariation) const {
    const auto it = m_gruppen.constFind({bezeichnung, m_mitCup ? cupVariation : QString()});
    return it == m_gruppen.cend() ? m_leer : it.value();
}

QString namensfeld(const TCellGrid& teil, int row) {
    return teil.cell(kName, row) + QStringLiteral(", ") + teil.cell(kVorname, row) +
           QStringLiteral(" ('") + copyChars(teil.cell(kGeburtsdatum, row), 9, 2) + u')';
}

QString platzfeld(int platz) {
    return platz > 0 ? rechtsbuendig(QString::number(platz) + QStringLiteral(". "), 5)
                     : QString(5, u' ');
}

void laufkopf(Ausgabe& ausgabe, const TCupContent& cup, int k, const QString& titel) {
    ausgabe.p(kSchwarz, Stil::fett, 12, titel + cup.laufe.cell(k, kDatum));
    ausgabe.p(kSchwarz, Stil::fett, 12,
              QStringLiteral("Lauf ") + cup.laufe.cell(k, kLaufnummer) + QStringLiteral(" - ") +
                  cup.laufe.cell(k, kLauftyp));
}

namespace {

// One age group of one cup variation (empty without): heading, female list, male list. Returns
// how many participants were listed; with none, the lines are taken back.
int schreibeAltersgruppe(Ausgabe& ausgabe, const TCupContent& cup, const Gruppenlayout& layout,
                         int r, const QString& untergrenze, const QString& cupVariation) {
    ausgabe.leerzeile();
    ausgabe.p(kSchwarz, Stil::unterstrichen, 9, layout.spaltenkopf);
    int gelistet = 0;
    for (int spalte : {0, 1}) {
        const QString& bezeichnung = cup.ag.cell(spalte, r);
        ausgabe.leerzeile();
        ausgabe.p(kSchwarz, Stil::normal, 9,
                  QStringLiteral("Altergruppe ") + bezeichnung + QStringLiteral(" (") +
                      untergrenze + u'-' + cup.ag.cell(2, r) + u')');
        const int anzahl = layout.liste(bezeichnung, cupVariation);
        if (anzahl == 0) ausgabe.d(-2);
        gelistet += anzahl;
    }
    if (gelistet == 0) ausgabe.d(-2);
    return gelistet;
}

// Every age group; the lower age is 0 for the first and the previous group's maximum age after.
int schreibeAltersgruppen(Ausgabe& ausgabe, const TCupContent& cup, const Gruppenlayout& layout,
                          const QString& cupVariation) {
    int gelistet = 0;
    for (int r = 1; r < cup.ag.rowCount(); ++r) {
        const QString untergrenze =
            r == 1 ? QStringLiteral("0") : QString::number(toInt(cup.ag.cell(2, r - 1)));
        gelistet += schreibeAltersgruppe(ausgabe, cup, layout, r, untergrenze, cupVariation);
    }
    return gelistet;
}

} // namespace

void schreibeGruppen(Ausgabe& ausgabe, const TCupContent& cup, const Gruppenlayout& layout) {
    if (!cup.hasCupVariations()) {
        schreibeAltersgruppen(ausgabe, cup, layout, QString());
        return;
    }
    for (int v = 1; v < cup.cv.rowCount(); ++v) {
        ausgabe.leerzeile();
        ausgabe.doppellinie();
        ausgabe.leerzeile();
        ausgabe.p(kSchwarz, Stil::fett, 10, layout.cupTitel(v));
        if (schreibeAltersgruppen(ausgabe, cup, layout, cup.cv.cell(0, v)) == 0) ausgabe.d(-4);
    }
}

} // namespace rzv

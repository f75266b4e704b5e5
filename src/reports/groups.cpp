#include "reports/groups.h"

#include "cup/notation.h"
#include "scoring/groupnumbers.h"

#include <algorithm>

namespace rzv {

Gruppenindex::Gruppenindex(const TCupContent& cup, const std::function<bool(int row)>& aufgenommen)
    : m_mitCup(cup.hasCupVariations()) {
    const TCellGrid& teil = cup.teil;
    const Gruppennummern gruppen(cup);
    std::vector<std::vector<int>> zeilen(static_cast<size_t>(gruppen.anzahl()));
    for (int row = 1; row < teil.rowCount(); ++row)
        if (aufgenommen(row)) zeilen[static_cast<size_t>(gruppen.von(row))].push_back(row);
    for (int g = 0; g < gruppen.anzahl(); ++g) {
        std::vector<int>& gruppe = zeilen[static_cast<size_t>(g)];
        if (gruppe.empty()) continue;
        const int erste = gruppen.ersteZeile(g);
        m_gruppen.insert({teil.cell(kAltersgruppe, erste), m_mitCup ? teil.cell(kCup, erste) : QString()},
                         std::move(gruppe));
    }
}

const std::vector<int>& Gruppenindex::zeilen(const QString& bezeichnung,
                                             const QString& cupVariation) const {
    const auto it = m_gruppen.constFind({bezeichnung, m_mitCup ? cupVariation : QString()});
    return it == m_gruppen.cend() ? m_leer : it.value();
}

namespace {

void namensfeldAnhaengen(QString& zeile, const TCellGrid& teil, int row) {
    zeile.append(teil.cell(kName, row));
    zeile.append(u", ");
    zeile.append(teil.cell(kVorname, row));
    zeile.append(u" ('");
    const QString& geburtsdatum = teil.cell(kGeburtsdatum, row); // the year's last two digits
    if (geburtsdatum.size() >= 9) zeile.append(QStringView(geburtsdatum).mid(8, 2));
    zeile.append(u')');
}

void platzfeldAnhaengen(QString& zeile, int platz) {
    if (platz <= 0) {
        zeile.resize(zeile.size() + 5, u' ');
        return;
    }
    // The number and ". " are at most 12 characters; a place beyond 999 fills the field from its
    // start, as the right-aligned field cuts it.
    char16_t ziffern[12];
    qsizetype laenge = 0;
    for (unsigned rest = static_cast<unsigned>(platz); rest > 0; rest /= 10)
        ziffern[laenge++] = static_cast<char16_t>(u'0' + rest % 10);
    std::reverse(ziffern, ziffern + laenge);
    ziffern[laenge++] = u'.';
    ziffern[laenge++] = u' ';
    rechtsAnhaengen(zeile, QStringView(ziffern, laenge), 5);
}

} // namespace

QString namensfeld(const TCellGrid& teil, int row) {
    QString feld;
    namensfeldAnhaengen(feld, teil, row);
    return feld;
}

QString platzfeld(int platz) {
    QString feld;
    platzfeldAnhaengen(feld, platz);
    return feld;
}

QString listenzeile(const TCellGrid& teil, int row, int platz, int vereinsbreite) {
    QString zeile;
    zeile.reserve(kZeilenbreite);
    platzfeldAnhaengen(zeile, platz);
    const qsizetype namensAnfang = zeile.size();
    namensfeldAnhaengen(zeile, teil, row);
    feldSchliessen(zeile, namensAnfang, 36);
    linksAnhaengen(zeile, teil.cell(kVerein, row), vereinsbreite);
    return zeile;
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

#include "reports/teilnehmer.h"

#include "cup/notation.h"
#include "cup/textjoin.h"
#include "reports/sheet.h"
#include "scoring/placing.h"
#include "scoring/points.h"
#include "scoring/speed.h"

#include <QHash>
#include <algorithm>
#include <functional>
#include <span>
#include <utility>

namespace rzv {

namespace {

// Race k's place of a participant row, counted for one participant or looked up for many.
using Platzfinder = std::function<int(int k, int i)>;

struct Statistik {
    int anzahl = 0;
    int besterPlatz = 0;
    int schlechtesterPlatz = 0;
    long long platzsumme = 0;
    long long punktesumme = 0;

    void add(int platz, int punkte) {
        besterPlatz = anzahl == 0 ? platz : std::min(besterPlatz, platz);
        schlechtesterPlatz = std::max(schlechtesterPlatz, platz);
        platzsumme += platz;
        punktesumme += punkte;
        ++anzahl;
    }
};

void zeile(Ausgabe& ausgabe, const QString& text) {
    ausgabe.p(kSchwarz, Stil::normal, 9, text);
}

// The start of a race line and the race parameter it names: the fixed distance or time a
// participant ran, the race's own or that of the participant's cup variation (empty when the
// participant has none of the cup's).
struct Laufkopf {
    QString parameter;
    QString text;
};

// What the participant blocks of one report share: the cup, where the places come from, the
// points table read once, and the start of every race line for each cup variation.
class Bericht {
public:
    Bericht(const TCupContent& cup, Platzfinder platzVon)
        : cup(cup), platzVon(std::move(platzVon)), punkte(cup) {
        const bool mitCup = cup.hasCupVariations();
        m_koepfe.resize(mitCup ? static_cast<size_t>(cup.cv.rowCount()) : 1);
        for (int v = 0; v < static_cast<int>(m_koepfe.size()); ++v) {
            if (mitCup && v > 0 && !m_variante.contains(cup.cv.cell(0, v)))
                m_variante.insert(cup.cv.cell(0, v), v);
            for (int k = 1; k <= cup.raceCount(); ++k) {
                const bool zeitlauf = cup.laufe.cell(k, kLauftyp) == kZeitlauf;
                const QString parameter = !mitCup  ? cup.laufe.cell(k, kCuplauf)
                                          : v == 0 ? QString()
                                                   : cup.cv.cell(zeitlauf ? 1 : 2, v);
                m_koepfe[static_cast<size_t>(v)].push_back(
                    {parameter, rechtsbuendig(QString::number(k), 3) + QStringLiteral(". Lauf (") +
                                    cup.laufe.cell(k, kDatum) + QStringLiteral(") über ") +
                                    rechtsbuendig(parameter, 11)});
            }
        }
    }

    // The starts of the race lines of participant row i, race k at index k - 1.
    const std::vector<Laufkopf>& koepfe(int i) const {
        return m_koepfe[static_cast<size_t>(m_variante.value(cup.teil.cell(kCup, i), 0))];
    }

    const TCupContent& cup;
    const Platzfinder platzVon;
    Punkterechner punkte;

private:
    std::vector<std::vector<Laufkopf>> m_koepfe; // by cup-variation row (0: none), then race
    QHash<QString, int> m_variante;              // the first row of each cup variation's name
};

QString laufzeile(Bericht& bericht, const Laufkopf& kopf, int k, int i, Statistik& statistik) {
    const QString& ergebnis = bericht.cup.teil.cell(resultColumn(k), i);
    if (ergebnis.isEmpty()) return verbunden({kopf.text, u": nicht gemeldet"});
    if (!istGueltig(ergebnis))
        return verbunden({kopf.text, u": ", rechtsbuendig(abk2text(ergebnis), 11)});

    const int platz = bericht.platzVon(k, i);
    const int punkte = bericht.punkte.punkte(platz);
    statistik.add(platz, punkte);
    QString zeile;
    zeile.reserve(kopf.text.size() + 52);
    zeile.append(kopf.text);
    zeile.append(u": ");
    rechtsAnhaengen(zeile, ergebnis, 11);
    zeile.append(u" (");
    rechtsAnhaengen(zeile, BerechneMps(kopf.parameter, ergebnis), 8);
    zeile.append(u") = ");
    rechtsAnhaengen(zeile, QString::number(platz), 3);
    zeile.append(u" .Platz = ");
    rechtsAnhaengen(zeile, QString::number(punkte), 3);
    zeile.append(u" Punkte");
    return zeile;
}

struct Datenzeile {
    const char16_t* label;
    int spalte;
};
constexpr Datenzeile kAlleDaten[] = {
    {u"Geburtsdatum : ", kGeburtsdatum}, {u"Geschlecht   : ", kGeschlecht},
    {u"Verein       : ", kVerein},       {u"Altersgruppe : ", kAltersgruppe},
    {u"Startnummer  : ", kStartnummer},  {u"ggf. Cup     : ", kCup},
};

void teilnehmerblock(Ausgabe& ausgabe, Bericht& bericht, int i, bool alleDaten) {
    const TCupContent& cup = bericht.cup;
    const TCellGrid& teil = cup.teil;
    ausgabe.p(kSchwarz, Stil::fett, 12, QStringLiteral("Teilnehmerstatistik für"));
    ausgabe.p(kSchwarz, Stil::fett, 12, verbunden({teil.cell(kVorname, i), u" ", teil.cell(kName, i)}));
    ausgabe.leerzeile();
    ausgabe.p(kSchwarz, Stil::normal, 10, QStringLiteral("Teilnehmerdaten:"));
    for (const Datenzeile& daten :
         alleDaten ? std::span(kAlleDaten) : std::span(kAlleDaten).last(2))
        zeile(ausgabe, verbunden({daten.label, teil.cell(daten.spalte, i)}));
    ausgabe.leerzeile();
    ausgabe.p(kSchwarz, Stil::normal, 10, QStringLiteral("Ergebnisse:"));
    Statistik statistik;
    const std::vector<Laufkopf>& koepfe = bericht.koepfe(i);
    for (int k = 1; k <= cup.raceCount(); ++k)
        zeile(ausgabe, laufzeile(bericht, koepfe[static_cast<size_t>(k - 1)], k, i, statistik));
    ausgabe.leerzeile();
    if (statistik.anzahl == 0) return;
    ausgabe.p(kSchwarz, Stil::normal, 10, QStringLiteral("Statistik:"));
    const auto zahl = [](long long n) { return QString::number(n); };
    zeile(ausgabe, QStringLiteral("beste Platzierung        : ") + zahl(statistik.besterPlatz));
    zeile(ausgabe,
          QStringLiteral("schlechteste Platzierung : ") + zahl(statistik.schlechtesterPlatz));
    zeile(ausgabe, QStringLiteral("Durchschnittsplatzierung : ") +
                       zahl(statistik.platzsumme / statistik.anzahl));
    zeile(ausgabe, QStringLiteral("Punktesumme              : ") + zahl(statistik.punktesumme));
    zeile(ausgabe, QStringLiteral("Punktedurchschnitt       : ") +
                       zahl(statistik.punktesumme / statistik.anzahl));
}

} // namespace

void ausgabe_teilnehmer(Ausgabe& ausgabe, const TCupContent& cup, int i) {
    ausgabe.clear();
    berichtskopf(ausgabe, cup);
    // One participant: counting once against every row is cheaper than placing whole races.
    Bericht bericht(cup, [&](int k, int row) { return laufplatz(cup, k, row); });
    teilnehmerblock(ausgabe, bericht, i, true);
    berichtsfuss(ausgabe);
}

void ausgabe_teilnehmeralle(Ausgabe& ausgabe, const TCupContent& cup) {
    ausgabe.clear();
    berichtskopfOhneLeerzeile(ausgabe, cup);
    // Per participant at most: blank, two titles, blank, the data heading and two data lines,
    // blank, "Ergebnisse:", the races, blank and six statistic lines; then the foot.
    ausgabe.reserve(2 + cup.participantCount() * (16 + cup.raceCount()) + 5);
    const Plaetze plaetze(cup, cup.raceCount());
    Bericht bericht(cup, [&](int k, int row) { return plaetze.platz(k, row); });
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        ausgabe.leerzeile();
        teilnehmerblock(ausgabe, bericht, i, false);
    }
    berichtsfuss(ausgabe);
}

} // namespace rzv

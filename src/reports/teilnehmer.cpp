#include "reports/teilnehmer.h"

#include "cup/notation.h"
#include "reports/sheet.h"
#include "scoring/placing.h"
#include "scoring/points.h"
#include "scoring/speed.h"

#include <algorithm>
#include <functional>
#include <span>

namespace rzv {

namespace {

// Race k's place of a participant row, from the literal count or a report's cache.
using Platzfinder = std::function<int(int k, int i)>;

// The fixed distance or time a participant ran in race k: the race's own, or that of the
// participant's cup variation (empty when it has none of the cup's).
QString laufparameter(const TCupContent& cup, int k, int i) {
    if (!cup.hasCupVariations()) return cup.laufe.cell(k, kCuplauf);
    const QString& cupVariation = cup.teil.cell(kCup, i);
    const int spalte = cup.laufe.cell(k, kLauftyp) == kZeitlauf ? 1 : 2;
    for (int v = 1; v < cup.cv.rowCount(); ++v)
        if (cup.cv.cell(0, v) == cupVariation) return cup.cv.cell(spalte, v);
    return QString();
}

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

QString laufzeile(const TCupContent& cup, int k, int i, const Platzfinder& platzVon,
                  Statistik& statistik) {
    const QString parameter = laufparameter(cup, k, i);
    QString text = rechtsbuendig(QString::number(k), 3) + QStringLiteral(". Lauf (") +
                   cup.laufe.cell(k, kDatum) + QStringLiteral(") über ") +
                   rechtsbuendig(parameter, 11);
    const QString& ergebnis = cup.teil.cell(resultColumn(k), i);
    if (ergebnis.isEmpty()) return text + QStringLiteral(": nicht gemeldet");
    if (!istGueltig(ergebnis))
        return text + QStringLiteral(": ") + rechtsbuendig(abk2text(ergebnis), 11);

    const int platz = platzVon(k, i);
    const int punkte = punkteFuerPlatz(cup, platz);
    statistik.add(platz, punkte);
    return text + QStringLiteral(": ") + rechtsbuendig(ergebnis, 11) + QStringLiteral(" (") +
           rechtsbuendig(BerechneMps(parameter, ergebnis), 8) + QStringLiteral(") = ") +
           rechtsbuendig(QString::number(platz), 3) + QStringLiteral(" .Platz = ") +
           rechtsbuendig(QString::number(punkte), 3) + QStringLiteral(" Punkte");
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

void teilnehmerblock(Ausgabe& ausgabe, const TCupContent& cup, int i, bool alleDaten,
                     const Platzfinder& platzVon) {
    const TCellGrid& teil = cup.teil;
    ausgabe.p(kSchwarz, Stil::fett, 12, QStringLiteral("Teilnehmerstatistik für"));
    ausgabe.p(kSchwarz, Stil::fett, 12, teil.cell(kVorname, i) + u' ' + teil.cell(kName, i));
    ausgabe.leerzeile();
    ausgabe.p(kSchwarz, Stil::normal, 10, QStringLiteral("Teilnehmerdaten:"));
    for (const Datenzeile& daten :
         alleDaten ? std::span(kAlleDaten) : std::span(kAlleDaten).last(2))
        zeile(ausgabe, QString::fromUtf16(daten.label) + teil.cell(daten.spalte, i));
    ausgabe.leerzeile();
    ausgabe.p(kSchwarz, Stil::normal, 10, QStringLiteral("Ergebnisse:"));
    Statistik statistik;
    for (int k = 1; k <= cup.raceCount(); ++k)
        zeile(ausgabe, laufzeile(cup, k, i, platzVon, statistik));
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
    teilnehmerblock(ausgabe, cup, i, true, [&](int k, int row) { return laufplatz(cup, k, row); });
    berichtsfuss(ausgabe);
}

void ausgabe_teilnehmeralle(Ausgabe& ausgabe, const TCupContent& cup) {
    ausgabe.clear();
    berichtskopfOhneLeerzeile(ausgabe, cup);
    PlatzCache plaetze(cup);
    const Platzfinder platzVon = [&](int k, int row) { return plaetze.platz(k, row); };
    for (int i = 1; i < cup.teil.rowCount(); ++i) {
        ausgabe.leerzeile();
        teilnehmerblock(ausgabe, cup, i, false, platzVon);
    }
    berichtsfuss(ausgabe);
}

} // namespace rzv

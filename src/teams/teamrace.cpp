#include "teams/teamrace.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/textorder.h"
#include "scoring/placing.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <optional>

namespace rzv {

bool ohneVerein(const QString& verein) {
    const QString name = verein.trimmed();
    return name.isEmpty() || name.compare(u"vereinslos", Qt::CaseInsensitive) == 0 ||
           name.compare(u"ohne Verein", Qt::CaseInsensitive) == 0;
}

Mannschaftskategorien::Mannschaftskategorien(const TCupContent& cup,
                                             const Mannschaftseinstellungen& einstellungen) {
    // The cup variations by name (the first row of a name counts), or one without a name.
    QHash<QString, int> cupIndex;
    std::vector<std::pair<int, QString>> cups;
    if (cup.hasCupVariations()) {
        for (int v = 1; v < cup.cv.rowCount(); ++v) {
            const QString& name = cup.cv.cell(0, v);
            if (cupIndex.contains(name)) continue;
            cupIndex.insert(name, static_cast<int>(cups.size()));
            cups.emplace_back(v, name);
        }
    } else {
        cups.emplace_back(0, QString());
    }
    const std::vector<Mannschaftskategorie::Geschlecht> geschlechter =
        einstellungen.gemischt ? std::vector{Mannschaftskategorie::gemischt}
                               : std::vector{Mannschaftskategorie::weiblich,
                                             Mannschaftskategorie::maennlich};
    for (const auto& [zeile, name] : cups)
        for (const auto geschlecht : geschlechter)
            m_kategorien.push_back({zeile, name, geschlecht});

    const TCellGrid& teil = cup.teil;
    const int proCup = static_cast<int>(geschlechter.size());
    m_von.assign(static_cast<size_t>(std::max(teil.rowCount(), 1)), -1);
    for (int i = 1; i < teil.rowCount(); ++i) {
        if (ohneVerein(teil.cell(kVerein, i))) continue;
        const int cupNr = cup.hasCupVariations() ? cupIndex.value(teil.cell(kCup, i), -1) : 0;
        const QString& geschlecht = teil.cell(kGeschlecht, i);
        const int geschlechtNr = einstellungen.gemischt        ? 0
                                 : geschlecht == u"weiblich"   ? 0
                                 : geschlecht == u"männlich"   ? 1
                                                               : -1;
        if (cupNr >= 0 && geschlechtNr >= 0)
            m_von[static_cast<size_t>(i)] = cupNr * proCup + geschlechtNr;
    }
}

namespace {

// The value of a valid result: tenths of a second for a time, metres for a distance; nothing
// for a result without digits, which cannot be added up. Digits beyond a whole number stop the
// computation, as they stop the placing.
std::optional<long long> wertVon(const QString& ergebnis, bool zeitlauf) {
    if (!istGueltig(ergebnis)) return std::nullopt;
    bool ziffern = false;
    long long zahl = 0;
    for (const QChar ch : ergebnis) {
        if (ch < u'0' || ch > u'9') continue;
        ziffern = true;
        zahl = zahl * 10 + (ch.unicode() - u'0');
        if (zahl > std::numeric_limits<int>::max()) throw conversionError(digitsOf(ergebnis));
    }
    if (!ziffern) return std::nullopt;
    if (!zeitlauf) return zahl;
    // The digits of h:mm'ss,z" read as hhmmssz.
    return zahl / 100000 * 36000 + zahl / 1000 % 100 * 600 + zahl / 10 % 100 * 10 + zahl % 10;
}

bool besser(bool zeitlauf, long long a, long long b) {
    return zeitlauf ? a < b : a > b;
}

// The order of a club's results, best first; equal results in name order, so that the same
// runners count whatever order the participant table is in.
void ordneLaeufer(std::vector<Mannschaftslaeufer>& laeufer, const TCellGrid& teil, bool zeitlauf) {
    std::sort(laeufer.begin(), laeufer.end(),
              [&](const Mannschaftslaeufer& a, const Mannschaftslaeufer& b) {
                  if (a.wert != b.wert) return besser(zeitlauf, a.wert, b.wert);
                  for (const int spalte : {kName, kVorname, kStartnummer})
                      if (const int c = textCompare(teil.cell(spalte, a.row), teil.cell(spalte, b.row)))
                          return c < 0;
                  return a.row < b.row;
              });
}

bool vereinVor(const QString& a, const QString& b) {
    const int c = textCompare(a, b);
    return c != 0 ? c < 0 : a < b;
}

Kategoriewertung werte(std::vector<Mannschaftsergebnis> mannschaften, const TCellGrid& teil,
                       bool zeitlauf, int groesse) {
    Kategoriewertung wertung;
    for (Mannschaftsergebnis& m : mannschaften) {
        ordneLaeufer(m.laeufer, teil, zeitlauf);
        if (static_cast<int>(m.laeufer.size()) < groesse) {
            wertung.nichtGewertet.push_back(std::move(m));
            continue;
        }
        m.laeufer.resize(static_cast<size_t>(groesse));
        for (const Mannschaftslaeufer& l : m.laeufer)
            m.summe += l.wert;
        wertung.gewertet.push_back(std::move(m));
    }
    std::sort(wertung.gewertet.begin(), wertung.gewertet.end(),
              [&](const Mannschaftsergebnis& a, const Mannschaftsergebnis& b) {
                  if (a.summe != b.summe) return besser(zeitlauf, a.summe, b.summe);
                  return vereinVor(a.verein, b.verein);
              });
    for (size_t n = 0; n < wertung.gewertet.size(); ++n)
        wertung.gewertet[n].platz = n > 0 && wertung.gewertet[n].summe == wertung.gewertet[n - 1].summe
                                        ? wertung.gewertet[n - 1].platz
                                        : static_cast<int>(n) + 1;
    std::sort(wertung.nichtGewertet.begin(), wertung.nichtGewertet.end(),
              [](const Mannschaftsergebnis& a, const Mannschaftsergebnis& b) {
                  if (a.laeufer.size() != b.laeufer.size()) return a.laeufer.size() > b.laeufer.size();
                  return vereinVor(a.verein, b.verein);
              });
    return wertung;
}

} // namespace

Mannschaftslauf mannschaftswertung(const TCupContent& cup, int k,
                                   const Mannschaftskategorien& kategorien, int groesse) {
    Mannschaftslauf lauf;
    lauf.zeitlauf = cup.laufe.cell(k, kLauftyp) == kZeitlauf;
    const TCellGrid& teil = cup.teil;
    const int spalte = resultColumn(k);
    std::vector<std::vector<Mannschaftsergebnis>> mannschaften(kategorien.alle().size());
    std::vector<QHash<QString, size_t>> index(kategorien.alle().size());
    for (int i = 1; i < teil.rowCount(); ++i) {
        const int kategorie = kategorien.von(i);
        if (kategorie < 0) continue;
        const auto wert = wertVon(teil.cell(spalte, i), lauf.zeitlauf);
        if (!wert) continue;
        auto& liste = mannschaften[static_cast<size_t>(kategorie)];
        const QString& verein = teil.cell(kVerein, i);
        auto it = index[static_cast<size_t>(kategorie)].find(verein);
        if (it == index[static_cast<size_t>(kategorie)].end()) {
            it = index[static_cast<size_t>(kategorie)].insert(verein, liste.size());
            liste.push_back({verein, 0, 0, {}});
        }
        liste[*it].laeufer.push_back({i, *wert});
    }
    for (auto& liste : mannschaften)
        lauf.wertungen.push_back(werte(std::move(liste), teil, lauf.zeitlauf, groesse));
    return lauf;
}

QString mannschaftswert(bool zeitlauf, long long wert) {
    if (!zeitlauf) return QString::number(wert) + u'm';
    const auto zweistellig = [](long long n) { return QString::number(n).rightJustified(2, u'0'); };
    return QString::number(wert / 36000) + u':' + zweistellig(wert / 600 % 60) + u'\'' +
           zweistellig(wert / 10 % 60) + u',' + QString::number(wert % 10) + u'"';
}

} // namespace rzv

#include "teams/teamstanding.h"

#include "cup/textorder.h"
#include "scoring/points.h"

#include <QHash>
#include <algorithm>

namespace rzv {

namespace {

// Marks the `max` best race values as counted (the earlier race first among equal ones) and adds
// them up.
long long zaehle(std::vector<Mannschaftslaufwert>& laeufe, int max, bool platzziffern) {
    std::vector<Mannschaftslaufwert*> reihe;
    for (Mannschaftslaufwert& l : laeufe)
        reihe.push_back(&l);
    std::stable_sort(reihe.begin(), reihe.end(),
                     [&](const Mannschaftslaufwert* a, const Mannschaftslaufwert* b) {
                         return platzziffern ? a->wert < b->wert : a->wert > b->wert;
                     });
    long long summe = 0;
    for (size_t n = 0; n < reihe.size() && n < static_cast<size_t>(std::max(max, 0)); ++n) {
        reihe[n]->gezaehlt = true;
        summe += reihe[n]->wert;
    }
    return summe;
}

void ordne(std::vector<Mannschaftsstandeintrag>& liste, const TCupContent& cup, bool platzziffern) {
    const auto platziert = [&](const Mannschaftsstandeintrag& e) {
        return static_cast<int>(e.laeufe.size()) >= cup.min;
    };
    std::sort(liste.begin(), liste.end(),
              [&](const Mannschaftsstandeintrag& a, const Mannschaftsstandeintrag& b) {
                  if (platziert(a) != platziert(b)) return platziert(a);
                  if (platziert(a) && a.summe != b.summe)
                      return platzziffern ? a.summe < b.summe : a.summe > b.summe;
                  if (!platziert(a) && a.laeufe.size() != b.laeufe.size())
                      return a.laeufe.size() > b.laeufe.size();
                  const int c = textCompare(a.verein, b.verein);
                  return c != 0 ? c < 0 : a.verein < b.verein;
              });
    for (size_t n = 0; n < liste.size() && platziert(liste[n]); ++n)
        liste[n].platz = n > 0 && liste[n].summe == liste[n - 1].summe ? liste[n - 1].platz
                                                                       : static_cast<int>(n) + 1;
}

} // namespace

Mannschaftsstand mannschaftsstand(const TCupContent& cup, int n,
                                  const Mannschaftskategorien& kategorien,
                                  const Mannschaftseinstellungen& einstellungen) {
    const size_t anzahl = kategorien.alle().size();
    Mannschaftsstand stand;
    stand.kategorien.resize(anzahl);
    std::vector<QHash<QString, size_t>> index(anzahl);
    Punkterechner rechner(cup);
    for (int k = 1; k <= n; ++k) {
        const Mannschaftslauf lauf = mannschaftswertung(cup, k, kategorien, einstellungen.groesse);
        for (size_t kat = 0; kat < anzahl; ++kat) {
            auto& liste = stand.kategorien[kat];
            for (const Mannschaftsergebnis& m : lauf.wertungen[kat].gewertet) {
                auto it = index[kat].find(m.verein);
                if (it == index[kat].end()) {
                    it = index[kat].insert(m.verein, liste.size());
                    liste.push_back({m.verein, 0, 0, {}});
                }
                const long long wert =
                    einstellungen.platzziffern ? m.platz : rechner.laufwertung(k, m.platz);
                liste[*it].laeufe.push_back({k, m.platz, wert, false});
            }
        }
    }
    for (auto& liste : stand.kategorien) {
        for (Mannschaftsstandeintrag& e : liste)
            e.summe = zaehle(e.laeufe, cup.max, einstellungen.platzziffern);
        ordne(liste, cup, einstellungen.platzziffern);
    }
    return stand;
}

} // namespace rzv

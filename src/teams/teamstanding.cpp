#include "teams/teamstanding.h"

#include "cup/textorder.h"
#include "scoring/points.h"

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

void ordne(std::vector<Mannschaftsstandeintrag>& liste, const TCupContent& cup,
           const Mannschaften& mannschaften, bool platzziffern) {
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
                  const QString& x = mannschaften.verein(a.mannschaft);
                  const QString& y = mannschaften.verein(b.mannschaft);
                  const int c = textCompare(x, y);
                  return c != 0 ? c < 0 : x < y;
              });
    for (size_t n = 0; n < liste.size() && platziert(liste[n]); ++n)
        liste[n].platz = n > 0 && liste[n].summe == liste[n - 1].summe ? liste[n - 1].platz
                                                                       : static_cast<int>(n) + 1;
}

} // namespace

Mannschaftsstand mannschaftsstand(const TCupContent& cup, int n, const Mannschaften& mannschaften,
                                  const Mannschaftseinstellungen& einstellungen) {
    // Every team ranked at least once, in the order they first were.
    std::vector<int> eintragVon(static_cast<size_t>(mannschaften.anzahl()), -1);
    std::vector<Mannschaftsstandeintrag> eintraege;
    Punkterechner rechner(cup);
    const std::vector<Mannschaftslauf> laeufe =
        mannschaftswertungen(cup, 1, n, mannschaften, einstellungen.groesse);
    for (int k = 1; k <= n; ++k) {
        for (const Kategoriewertung& wertung : laeufe[static_cast<size_t>(k - 1)].wertungen) {
            for (const Mannschaftsergebnis& m : wertung.gewertet) {
                int& nummer = eintragVon[static_cast<size_t>(m.mannschaft)];
                if (nummer < 0) {
                    nummer = static_cast<int>(eintraege.size());
                    eintraege.push_back({m.mannschaft, 0, 0, {}});
                }
                const long long wert =
                    einstellungen.platzziffern ? m.platz : rechner.laufwertung(k, m.platz);
                eintraege[static_cast<size_t>(nummer)].laeufe.push_back({k, m.platz, wert, false});
            }
        }
    }
    Mannschaftsstand stand;
    stand.kategorien.resize(mannschaften.kategorien().size());
    for (Mannschaftsstandeintrag& e : eintraege) {
        e.summe = zaehle(e.laeufe, cup.max, einstellungen.platzziffern);
        stand.kategorien[static_cast<size_t>(mannschaften.kategorie(e.mannschaft))].push_back(
            std::move(e));
    }
    for (auto& liste : stand.kategorien)
        ordne(liste, cup, mannschaften, einstellungen.platzziffern);
    return stand;
}

} // namespace rzv

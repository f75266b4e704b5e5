#include "teams/teamrace.h"

#include "cup/errors.h"
#include "cup/notation.h"
#include "cup/textorder.h"
#include "scoring/placing.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace rzv {

bool ohneVerein(const QString& verein) {
    const QString name = verein.trimmed();
    return name.isEmpty() || name.compare(u"vereinslos", Qt::CaseInsensitive) == 0 ||
           name.compare(u"ohne Verein", Qt::CaseInsensitive) == 0;
}

QString wertungsname(Mannschaftskategorie::Geschlecht geschlecht) {
    switch (geschlecht) {
    case Mannschaftskategorie::weiblich:
        return QStringLiteral("Frauen");
    case Mannschaftskategorie::maennlich:
        return QStringLiteral("Männer");
    case Mannschaftskategorie::gemischt:
        break;
    }
    return QStringLiteral("gemischt");
}

Mannschaften::Mannschaften(const TCupContent& cup, const Mannschaftseinstellungen& einstellungen) {
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
        einstellungen.gemischt
            ? std::vector{Mannschaftskategorie::gemischt}
            : std::vector{Mannschaftskategorie::weiblich, Mannschaftskategorie::maennlich};
    for (const auto& [zeile, name] : cups)
        for (const auto geschlecht : geschlechter)
            m_kategorien.push_back({zeile, name, geschlecht});

    const TCellGrid& teil = cup.teil;
    const int proCup = static_cast<int>(geschlechter.size());
    const size_t zeilen = static_cast<size_t>(std::max(teil.rowCount(), 1));
    m_von.assign(zeilen, -1);
    QHash<std::pair<int, QString>, int> nummern;
    for (int i = 1; i < teil.rowCount(); ++i) {
        const QString& verein = teil.cell(kVerein, i);
        if (ohneVerein(verein)) continue;
        const int cupNr = cup.hasCupVariations() ? cupIndex.value(teil.cell(kCup, i), -1) : 0;
        const QString& geschlecht = teil.cell(kGeschlecht, i);
        const int geschlechtNr = einstellungen.gemischt      ? 0
                                 : geschlecht == u"weiblich" ? 0
                                 : geschlecht == u"männlich" ? 1
                                                             : -1;
        if (cupNr < 0 || geschlechtNr < 0) continue;
        const std::pair<int, QString> schluessel{cupNr * proCup + geschlechtNr, verein};
        auto it = nummern.find(schluessel);
        if (it == nummern.end()) {
            it = nummern.insert(schluessel, anzahl());
            m_mannschaften.push_back(schluessel);
        }
        m_von[static_cast<size_t>(i)] = *it;
    }

    // Name, first name and start number in text order, each key read once.
    std::vector<std::pair<std::array<std::u32string, 3>, int>> schluessel;
    for (int i = 1; i < teil.rowCount(); ++i)
        if (m_von[static_cast<size_t>(i)] >= 0)
            schluessel.push_back({{textKey(teil.cell(kName, i)), textKey(teil.cell(kVorname, i)),
                                   textKey(teil.cell(kStartnummer, i))},
                                  i});
    std::sort(schluessel.begin(), schluessel.end());
    m_namensrang.assign(zeilen, 0);
    for (size_t n = 0; n < schluessel.size(); ++n)
        m_namensrang[static_cast<size_t>(schluessel[n].second)] = static_cast<int>(n);
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
void ordneLaeufer(std::vector<Mannschaftslaeufer>& laeufer, const Mannschaften& mannschaften,
                  bool zeitlauf) {
    std::sort(laeufer.begin(), laeufer.end(),
              [&](const Mannschaftslaeufer& a, const Mannschaftslaeufer& b) {
                  if (a.wert != b.wert) return besser(zeitlauf, a.wert, b.wert);
                  return mannschaften.namensrang(a.row) < mannschaften.namensrang(b.row);
              });
}

// Ranks the teams of one category.
Kategoriewertung werte(std::vector<Mannschaftsergebnis> ergebnisse,
                       const Mannschaften& mannschaften, bool zeitlauf, int groesse) {
    const auto vereinVor = [&](const Mannschaftsergebnis& a, const Mannschaftsergebnis& b) {
        const QString& x = mannschaften.verein(a.mannschaft);
        const QString& y = mannschaften.verein(b.mannschaft);
        const int c = textCompare(x, y);
        return c != 0 ? c < 0 : x < y;
    };
    Kategoriewertung wertung;
    for (Mannschaftsergebnis& m : ergebnisse) {
        ordneLaeufer(m.laeufer, mannschaften, zeitlauf);
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
                  return vereinVor(a, b);
              });
    for (size_t n = 0; n < wertung.gewertet.size(); ++n)
        wertung.gewertet[n].platz =
            n > 0 && wertung.gewertet[n].summe == wertung.gewertet[n - 1].summe
                ? wertung.gewertet[n - 1].platz
                : static_cast<int>(n) + 1;
    std::sort(wertung.nichtGewertet.begin(), wertung.nichtGewertet.end(),
              [&](const Mannschaftsergebnis& a, const Mannschaftsergebnis& b) {
                  if (a.laeufer.size() != b.laeufer.size())
                      return a.laeufer.size() > b.laeufer.size();
                  return vereinVor(a, b);
              });
    return wertung;
}

} // namespace

std::vector<Mannschaftslauf> mannschaftswertungen(const TCupContent& cup, int von, int bis,
                                                  const Mannschaften& mannschaften, int groesse) {
    const size_t laeufe = static_cast<size_t>(std::max(bis - von + 1, 0));
    std::vector<Mannschaftslauf> ergebnis(laeufe);
    for (size_t n = 0; n < laeufe; ++n)
        ergebnis[n].zeitlauf = cup.laufe.cell(von + static_cast<int>(n), kLauftyp) == kZeitlauf;
    // The results of each team in each race, the teams in the order they first appear.
    const size_t anzahl = static_cast<size_t>(mannschaften.anzahl());
    std::vector<int> ergebnisVon(laeufe * anzahl, -1);
    std::vector<std::vector<Mannschaftsergebnis>> ergebnisse(laeufe);
    const TCellGrid& teil = cup.teil;
    for (int i = 1; i < teil.rowCount(); ++i) {
        const int mannschaft = mannschaften.von(i);
        if (mannschaft < 0) continue;
        const TCellGrid::Row& zeile = teil.row(i);
        for (size_t n = 0; n < laeufe; ++n) {
            const size_t spalte = static_cast<size_t>(resultColumn(von + static_cast<int>(n)));
            if (spalte >= zeile.size()) break;
            const auto wert = wertVon(zeile[spalte], ergebnis[n].zeitlauf);
            if (!wert) continue;
            int& nummer = ergebnisVon[n * anzahl + static_cast<size_t>(mannschaft)];
            if (nummer < 0) {
                nummer = static_cast<int>(ergebnisse[n].size());
                ergebnisse[n].push_back({mannschaft, 0, 0, {}});
            }
            ergebnisse[n][static_cast<size_t>(nummer)].laeufer.push_back({i, *wert});
        }
    }
    for (size_t n = 0; n < laeufe; ++n) {
        std::vector<std::vector<Mannschaftsergebnis>> proKategorie(
            mannschaften.kategorien().size());
        for (Mannschaftsergebnis& m : ergebnisse[n])
            proKategorie[static_cast<size_t>(mannschaften.kategorie(m.mannschaft))].push_back(
                std::move(m));
        for (auto& liste : proKategorie)
            ergebnis[n].wertungen.push_back(
                werte(std::move(liste), mannschaften, ergebnis[n].zeitlauf, groesse));
    }
    return ergebnis;
}

QString mannschaftswert(bool zeitlauf, long long wert) {
    if (!zeitlauf) return QString::number(wert) + u'm';
    const auto zweistellig = [](long long n) { return QString::number(n).rightJustified(2, u'0'); };
    return QString::number(wert / 36000) + u':' + zweistellig(wert / 600 % 60) + u'\'' +
           zweistellig(wert / 10 % 60) + u',' + QString::number(wert % 10) + u'"';
}

} // namespace rzv

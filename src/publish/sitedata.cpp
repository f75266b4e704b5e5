#include "publish/sitedata.h"

#include "cup/notation.h"
#include "cup/ordering.h"
#include "cup/textorder.h"
#include "publish/sitehtml.h"
#include "publish/sitepages.h"
#include "scoring/runningplace.h"

#include <QSet>
#include <algorithm>
#include <numeric>

namespace rzv {

namespace {

TCupContent& nachNamen(TCupContent& cup) {
    teilsort(cup, -1, kName);
    return cup;
}

// The groups in the order the reports list them: every cup variation (when there are any),
// every age group, its female and then its male designation.
std::vector<Gruppe> gruppenfolge(const TCupContent& cup) {
    std::vector<Gruppe> gruppen;
    const int varianten = cup.hasCupVariations() ? cup.cv.rowCount() - 1 : 1;
    for (int v = 1; v <= varianten; ++v) {
        for (int r = 1; r < cup.ag.rowCount(); ++r) {
            const QString untergrenze =
                r == 1 ? QStringLiteral("0") : QString::number(toInt(cup.ag.cell(2, r - 1)));
            for (int spalte : {0, 1}) {
                const QString& bezeichnung = cup.ag.cell(spalte, r);
                gruppen.push_back({cup.hasCupVariations() ? v : 0,
                                   webtext(QStringLiteral("Altersgruppe ") + bezeichnung +
                                           QStringLiteral(" (") + untergrenze + u'-' +
                                           cup.ag.cell(2, r) + u')'),
                                   bezeichnung});
            }
        }
    }
    return gruppen;
}

QString cupVariationVon(const TCupContent& cup, const Gruppe& gruppe) {
    return gruppe.cvZeile > 0 ? cup.cv.cell(0, gruppe.cvZeile) : QString();
}

} // namespace

Seitendaten::Seitendaten(TCupContent& cup, int stil, const QDateTime& veroeffentlicht,
                         const Mannschaftseinstellungen& mannschaft)
    : m_cup(nachNamen(cup)), m_stil(stil), m_veroeffentlicht(veroeffentlicht),
      m_mannschaft(mannschaft), m_mannschaften(m_cup, mannschaft),
      m_gruppen(gruppenfolge(cup)),
      m_ohneGruppe{0, QStringLiteral("Ohne passende Altersgruppe"), QString()},
      m_plaetze(cup, cup.raceCount()), m_verlauf(cup, m_plaetze, cup.raceCount()) {
    const TCellGrid& teil = cup.teil;
    const bool mitCup = cup.hasCupVariations();
    QHash<std::pair<QString, QString>, int> schluessel;
    for (const Gruppe& gruppe : m_gruppen) {
        const auto it = schluessel.insert({gruppe.bezeichnung, cupVariationVon(cup, gruppe)},
                                          static_cast<int>(schluessel.size()));
        m_gruppenschluessel.push_back(*it);
    }
    m_laeufer.resize(static_cast<size_t>(std::max(teil.rowCount(), 1)));
    m_schluessel.assign(m_laeufer.size(), -1);
    QSet<QString> dateien;
    for (int p = 1; p < teil.rowCount(); ++p) {
        Laeufer& l = m_laeufer[static_cast<size_t>(p)];
        l.name = webtext(teil.cell(kName, p) + QStringLiteral(", ") + teil.cell(kVorname, p));
        l.vollerName = webtext(teil.cell(kVorname, p) + u' ' + teil.cell(kName, p));
        l.jahrgang = webtext(copyChars(teil.cell(kGeburtsdatum, p), 7, 4));
        l.verein = webtext(teil.cell(kVerein, p));
        l.altersgruppe = webtext(teil.cell(kAltersgruppe, p));
        l.cupVariation = webtext(teil.cell(kCup, p));
        l.startnummer = webtext(teil.cell(kStartnummer, p));
        l.datei = datei::laeufer(teil.cell(kStartnummer, p), dateien);
        m_schluessel[static_cast<size_t>(p)] = schluessel.value(
            {teil.cell(kAltersgruppe, p), mitCup ? teil.cell(kCup, p) : QString()}, -1);
        m_nachId.insert(teil.rowId(p), p);
        l.zellen = QStringLiteral("<th scope=\"row\"><a href=\"") + l.datei + QStringLiteral("\">") +
                   l.name + QStringLiteral("</a></th><td class=\"z jg\">") + l.jahrgang +
                   QStringLiteral("</td><td class=\"v\">") + l.verein + QStringLiteral("</td>");
    }
    const size_t r = static_cast<size_t>(std::max(laeufe(), 1));
    m_wertungen.resize(m_laeufer.size() * r);
    m_zellenende.resize(m_laeufer.size() * r);
    for (int p = 1; p <= teilnehmer(); ++p) {
        QString& zellen = m_laeufer[static_cast<size_t>(p)].wertungszellen;
        for (int k = 1; k <= laeufe(); ++k) {
            const size_t index = static_cast<size_t>(p) * r + static_cast<size_t>(k - 1);
            if (m_verlauf.gewertet(k, p)) m_wertungen[index] = QString::number(m_verlauf.wertung(k, p));
            zellen += QStringLiteral("<td class=\"z\">") + m_wertungen[index] + QStringLiteral("</td>");
            m_zellenende[index] = zellen.size();
        }
    }
    m_endstand.resize(m_laeufer.size());
    if (laeufe() > 0) gesamtstand(laeufe(), &m_endstand);
}

int Seitendaten::imZiel(int k) const {
    int anzahl = 0;
    for (int p = 1; p <= teilnehmer(); ++p)
        if (m_schluessel[static_cast<size_t>(p)] >= 0 && platz(k, p) > 0) ++anzahl;
    return anzahl;
}

template <typename Zeilen>
Listen Seitendaten::gruppiert(const std::vector<int>& reihenfolge, Zeilen zeilen) const {
    std::vector<std::vector<int>> je(m_gruppen.size() + 1);
    std::vector<int> ohne;
    for (int p : reihenfolge) {
        const int s = m_schluessel[static_cast<size_t>(p)];
        (s >= 0 ? je[static_cast<size_t>(s)] : ohne).push_back(p);
    }
    Listen listen;
    for (size_t g = 0; g < m_gruppen.size(); ++g) {
        const std::vector<int>& ps = je[static_cast<size_t>(m_gruppenschluessel[g])];
        if (!ps.empty()) listen.push_back({&m_gruppen[g], zeilen(ps)});
    }
    if (!ohne.empty()) listen.push_back({&m_ohneGruppe, zeilen(ohne)});
    return listen;
}

Listen Seitendaten::gesamtstand(int nach) const {
    return gesamtstand(nach, nullptr);
}

Listen Seitendaten::gesamtstand(int nach, std::vector<Endstand>* ende) const {
    std::vector<int> reihenfolge(static_cast<size_t>(teilnehmer()));
    std::iota(reihenfolge.begin(), reihenfolge.end(), 1);
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](int a, int b) {
        return m_verlauf.summe(nach, a) > m_verlauf.summe(nach, b);
    });
    Listen listen = gruppiert(reihenfolge, [&](const std::vector<int>& ps) {
        std::vector<Listenzeile> zeilen;
        Standplatz platzierung;
        for (int p : ps) {
            const QString summe = QString::number(m_verlauf.summe(nach, p));
            const bool unterMinimum = m_verlauf.teilnahmen(nach, p) < m_cup.min;
            const int platz = platzierung.naechster(unterMinimum, summe);
            zeilen.push_back({p, platz, unterMinimum ? QStringLiteral("---") : summe});
            if (ende) (*ende)[static_cast<size_t>(p)] = {true, unterMinimum, platzierung.letzterPlatz(), summe};
        }
        return zeilen;
    });
    // Those in no group have no place in the standing.
    if (!listen.empty() && listen.back().gruppe == &m_ohneGruppe) listen.pop_back();
    return listen;
}

Listen Seitendaten::alle() const {
    std::vector<int> reihenfolge(static_cast<size_t>(teilnehmer()));
    std::iota(reihenfolge.begin(), reihenfolge.end(), 1);
    return gruppiert(reihenfolge, [](const std::vector<int>& ps) {
        std::vector<Listenzeile> zeilen;
        for (int p : ps)
            zeilen.push_back({p, 0, QString()});
        return zeilen;
    });
}

Listen Seitendaten::laufergebnis(int k) const {
    // Ordered as the race report orders: by name (the order here), then stably by the result.
    const int spalte = resultColumn(k);
    TCupContent kopie = m_cup;
    teilsort(kopie, -1, spalte);
    std::vector<int> reihenfolge;
    for (int row = 1; row < kopie.teil.rowCount(); ++row)
        if (!kopie.teil.cell(spalte, row).isEmpty())
            reihenfolge.push_back(m_nachId.value(kopie.teil.rowId(row)));
    Listen listen = gruppiert(reihenfolge, [&](const std::vector<int>& ps) {
        std::vector<Listenzeile> zeilen;
        LaufenderPlatz platzierung;
        for (int p : ps) {
            const QString& wert = ergebnis(k, p);
            const int platz = platzierung.naechster(wert);
            zeilen.push_back({p, platz, platz > 0 ? wert : abk2text(wert)});
        }
        return zeilen;
    });
    // Those in no group are not in the race's results.
    if (!listen.empty() && listen.back().gruppe == &m_ohneGruppe) listen.pop_back();
    return listen;
}

} // namespace rzv

#pragma once

#include "cup/cupdata.h"
#include "scoring/placing.h"
#include "scoring/standingseries.h"
#include "teams/teamrace.h"
#include "teams/teamsettings.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <algorithm>
#include <vector>

namespace rzv {

// One participant as the pages show them, the texts already safe for a page.
struct Laeufer {
    QString name;         // "Name, Vorname"
    QString vollerName;   // "Vorname Name"
    QString jahrgang;
    QString verein;
    QString altersgruppe;
    QString cupVariation;
    QString startnummer;
    QString datei;        // the runner's own page
    // The cells every list starts a runner's row with: the name (a header cell linking to the
    // runner's page), the birth year and the club (the search looks at the name and the club).
    QString zellen;
    QString wertungszellen; // the cells of the race scores of all races
};

// One list of the reports: the female or male designation of an age group, within a cup
// variation when the cup has any.
struct Gruppe {
    int cvZeile;          // the cup variation's row, 0 in a cup without any
    QString titel;        // "Altersgruppe F30 (30-35)", safe
    QString bezeichnung;  // as in the cup
};

// A row of a group's table: participant p, the place it shows (0: none) and the value the
// report ends its line with (result, or total).
struct Listenzeile {
    int p;
    int platz;
    QString wert;
};
struct Gruppenliste {
    const Gruppe* gruppe;
    std::vector<Listenzeile> zeilen;
};
using Listen = std::vector<Gruppenliste>; // only groups with rows, in the order of the reports

// Where a participant stands after the last race.
struct Endstand {
    bool gelistet = false;     // in one of the groups of the standing
    bool unterMinimum = false;
    int platz = 0;             // the place shared with equal totals
    QString summe;
};

// Everything the pages of a published cup show, computed once for the whole site: the
// participants in name order (p = 1, 2, ... in that order), the places and scores of every race
// and the standing after each race in one pass, and the clubs as teams with their settings.
class Seitendaten {
public:
    // Orders the participants of `cup` by name; the cup must stay as it is while this lives.
    Seitendaten(TCupContent& cup, int stil, const QDateTime& veroeffentlicht,
                const Mannschaftseinstellungen& mannschaft = {});

    const TCupContent& cup() const { return m_cup; }
    int stil() const { return m_stil; }
    const QDateTime& veroeffentlicht() const { return m_veroeffentlicht; }
    int laeufe() const { return m_cup.raceCount(); }
    const Mannschaftseinstellungen& mannschaftseinstellungen() const { return m_mannschaft; }
    const Mannschaften& mannschaften() const { return m_mannschaften; }
    // The site has team pages: there are races and at least one team.
    bool mitMannschaften() const { return laeufe() > 0 && m_mannschaften.anzahl() > 0; }
    int teilnehmer() const { return static_cast<int>(m_laeufer.size()) - 1; }
    const Laeufer& laeufer(int p) const { return m_laeufer[static_cast<size_t>(p)]; }
    // The result cell of p in race k, the race place (0: no valid result) and the score.
    const QString& ergebnis(int k, int p) const { return m_cup.teil.cell(resultColumn(k), p); }
    int platz(int k, int p) const { return m_plaetze.platz(k, p); }
    const Standverlauf& verlauf() const { return m_verlauf; }
    // The cells of p's race scores in races 1 to `bis`, as the standings write them.
    QStringView wertungszellen(int bis, int p) const {
        return QStringView(m_laeufer[static_cast<size_t>(p)].wertungszellen)
            .left(m_zellenende[static_cast<size_t>(p) * static_cast<size_t>(std::max(laeufe(), 1)) +
                               static_cast<size_t>(bis - 1)]);
    }
    // The race score of p in race k as the pages write it, empty without one.
    const QString& wertung(int k, int p) const {
        return m_wertungen[static_cast<size_t>(p) * static_cast<size_t>(std::max(laeufe(), 1)) +
                           static_cast<size_t>(k - 1)];
    }
    const std::vector<Gruppe>& gruppen() const { return m_gruppen; }
    const Endstand& endstand(int p) const { return m_endstand[static_cast<size_t>(p)]; }
    // The finishers of race k: those in a group with a valid result.
    int imZiel(int k) const;

    // The standing after race `nach` as the standings report lists it: by total highest first,
    // equal totals in name order, places as the report shows them, "---" below the minimum.
    Listen gesamtstand(int nach) const;
    // Everybody in name order, by group; those in no group last, in a list of their own.
    Listen alle() const;
    // The results of race k as the race report lists them.
    Listen laufergebnis(int k) const;

private:
    // The standing; also tells each listed participant's place and total after it.
    Listen gesamtstand(int nach, std::vector<Endstand>* ende) const;
    // The groups' lists of the participants in the given order.
    template <typename Zeile>
    Listen gruppiert(const std::vector<int>& reihenfolge, Zeile zeile) const;

    TCupContent& m_cup;
    int m_stil;
    QDateTime m_veroeffentlicht;
    Mannschaftseinstellungen m_mannschaft;
    Mannschaften m_mannschaften;
    std::vector<Laeufer> m_laeufer;     // by p; 0 unused
    std::vector<int> m_schluessel;       // by p: the key of its group, -1 for none
    std::vector<Gruppe> m_gruppen;
    std::vector<int> m_gruppenschluessel; // by group
    Gruppe m_ohneGruppe;
    QHash<TCellGrid::Id, int> m_nachId;  // p of each row's identity
    Plaetze m_plaetze;
    Standverlauf m_verlauf;
    std::vector<Endstand> m_endstand;
    std::vector<QString> m_wertungen;     // by p, then race
    std::vector<qsizetype> m_zellenende;  // by p, then race: where its score cell ends
};

} // namespace rzv

#pragma once

#include "cup/cupdata.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace rzv {

// The plain, stable file names of a published cup, so that a website linking to them keeps
// working after the next publishing.
namespace datei {
inline const QString kUebersicht = QStringLiteral("index.html");
inline const QString kGesamtwertung = QStringLiteral("gesamtwertung.html");
inline const QString kGesamtwertungTabelle = QStringLiteral("gesamtwertung.csv");
inline const QString kTeilnehmer = QStringLiteral("teilnehmer.html");
QString lauf(int k);           // lauf-K.html: the results of race k
QString laufTabelle(int k);    // lauf-K.csv
QString standNachLauf(int k);  // gesamt-nach-lauf-K.html: the standing after race k
// The team rankings, when the cup has teams.
inline const QString kMannschaftsstand = QStringLiteral("mannschaftswertung.html");
inline const QString kMannschaftsstandTabelle = QStringLiteral("mannschaftswertung.csv");
QString mannschaftLauf(int k);        // mannschaft-lauf-K.html: the team ranking of race k
QString mannschaftLaufTabelle(int k); // mannschaft-lauf-K.csv
} // namespace datei

// The navigation lines above the published pages (one line of the page's cell): back to the
// overview and, on the pages of a race, to the previous and next race and to the other page of
// the same race. r is the number of races.
QString laufNavigation(int k, int r);
QString standNavigation(int k, int r);
QString mannschaftNavigation(int k, int r);
QString uebersichtNavigation();

// The overview page: the cup's name and organiser, a table of the races (number, date, type,
// distance or time, finishers, links to the results and the standing after the race), links to
// the current standing and to the statistics of all participants, and the time of publishing.
// imZiel holds the finishers of races 1, 2, ... With teams, it also links the team ranking of
// every race and the team standing.
QString uebersichtsseite(const TCupContent& cup, const QList<int>& imZiel, int stil,
                         const QDateTime& veroeffentlicht, bool mitMannschaften = false);

} // namespace rzv

#pragma once

#include "cup/cupdata.h"
#include "teams/teamsettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace rzv {

// Publishes the whole cup as a website into a folder (created when missing): the overview page
// index.html, the results of every race (lauf-K.html, lauf-K.csv), the standing after every race
// (gesamt-nach-lauf-K.html), the current standing (gesamtwertung.html, gesamtwertung.csv), the
// list of all participants (teilnehmer.html), a page for every runner (teilnehmer-SN.html), when
// the cup has teams the team ranking of every race (mannschaft-lauf-K.html, .csv) and the team
// standing (mannschaftswertung.html, .csv) with the given team settings, and the stylesheet and
// script the pages share (stil.css, suche.js); style 1 gives the pages a white and blue
// background. Works on a copy: the open cup stays exactly as it is. The folder shows the previous
// set until every file is written, then the new set at once (PublishFolder); the pages no longer
// in the set go, other files in the folder stay. Returns the names of the files written. Stops
// with the message of a value that does not read, or of the folder.
QStringList veroeffentlichen(const TCupContent& cup, const QString& ordner, int stil,
                             const QDateTime& zeitpunkt = QDateTime::currentDateTime(),
                             const Mannschaftseinstellungen& mannschaft = {});

} // namespace rzv

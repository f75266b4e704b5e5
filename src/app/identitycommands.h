#pragma once

namespace rzv {

class Tw;

// "&Bearbeiten" → "&Doppelte Teilnehmer suchen …": the duplicates dialog, whose
// "Zusammenführen" merges a pair as one step of the history.
void doppelteSuchen(Tw& w);
// "&Bearbeiten" → "&Vereine vereinheitlichen …": the club spellings dialog, whose "Umbenennen"
// renames a spelling for every participant as one step.
void vereineVereinheitlichen(Tw& w);

} // namespace rzv

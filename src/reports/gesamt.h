#pragma once

#include "cup/cupdata.h"
#include "reports/groups.h"

namespace rzv {

class Ausgabe;

// The standings report after race n, written while the working columns of the standing exist
// (after gesamt_berechnen): it also writes each participant's standing place into the place
// column. The reader, if any, is told of every listed participant.
void gesamt_vorschau(Ausgabe& ausgabe, TCupContent& cup, int n, const Listenleser& leser = {});

// The whole standings report: computes the standing, writes it and removes the working columns
// again, whatever happens. The participant table stays ordered by the totals.
void ausgabe_gesamt(Ausgabe& ausgabe, TCupContent& cup, int n);

} // namespace rzv

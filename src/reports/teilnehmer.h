#pragma once

#include "cup/cupdata.h"

namespace rzv {

class Ausgabe;

// The statistics of participant row i: data, race by race result, speed, place and points, and
// a small statistic of places and points.
void ausgabe_teilnehmer(Ausgabe& ausgabe, const TCupContent& cup, int i);

// The statistics of every participant in the participant table's order, each with a short data
// part (start number and cup variation).
void ausgabe_teilnehmeralle(Ausgabe& ausgabe, const TCupContent& cup);

} // namespace rzv

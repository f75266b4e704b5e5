#pragma once

#include "teams/teamsettings.h"

namespace rzv {

class Ausgabe;
struct TCupContent;

// "Mannschaftswertung" of race k: every ranked team with its place, club and sum and under it
// its counted runners with their results; below the ranked teams of a category those with
// fewer results ("nicht gewertet", with how many they had).
void ausgabe_mannschaftswertung(Ausgabe& ausgabe, const TCupContent& cup, int k,
                                const Mannschaftseinstellungen& einstellungen);

} // namespace rzv

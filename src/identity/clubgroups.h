#pragma once

#include <QString>
#include <vector>

namespace rzv {

class TCellGrid;

struct ClubSpelling {
    QString text;
    int participants = 0;
};

// Spellings that may name one club: each folds to the same text as the group's most used
// spelling, or differs from it only by "e.V." or punctuation, or by at most two letters. Most
// used spelling first.
using ClubGroup = std::vector<ClubSpelling>;

// Every club spelling of the participants (empty clubs left out) in its group; the groups in
// order of their folded first spelling, a spelling without another as a group of its own.
std::vector<ClubGroup> clubGroups(const TCellGrid& teil);

} // namespace rzv

#include "identity/clubgroups.h"

#include "cup/cupdata.h"
#include "identity/nearkeys.h"
#include "identity/spelling.h"

#include <QHash>
#include <algorithm>

namespace rzv {

std::vector<ClubGroup> clubGroups(const TCellGrid& teil) {
    QHash<QString, int> counts;
    std::vector<ClubSpelling> spellings;
    for (int row = 1; row < teil.rowCount(); ++row) {
        const QString& club = teil.cell(kVerein, row);
        if (club.isEmpty()) continue;
        auto it = counts.find(club);
        if (it == counts.end()) {
            it = counts.insert(club, static_cast<int>(spellings.size()));
            spellings.push_back({club, 0});
        }
        ++spellings[static_cast<size_t>(it.value())].participants;
    }

    // The most used spellings lead: each spelling joins the first leader it is near to, or
    // leads a group of its own. Near means near to the leader, so that no chain of small
    // differences joins clubs that have little in common.
    std::sort(spellings.begin(), spellings.end(), [](const ClubSpelling& a, const ClubSpelling& b) {
        return a.participants != b.participants ? a.participants > b.participants : a.text < b.text;
    });
    NearKeys folded;
    for (const ClubSpelling& spelling : spellings) folded.add(foldClub(spelling.text), 0);
    folded.build();
    std::vector<int> groupOf(spellings.size(), -1); // the group a leader leads
    std::vector<ClubGroup> result;
    for (int i = 0; i < folded.size(); ++i) {
        int group = -1;
        for (const NearKeys::Near& near : folded.near(folded.key(i), 0)) {
            if (near.index >= i) break;
            if ((group = groupOf[static_cast<size_t>(near.index)]) >= 0) break;
        }
        if (group < 0) {
            group = static_cast<int>(result.size());
            groupOf[static_cast<size_t>(i)] = group;
            result.emplace_back();
        }
        result[static_cast<size_t>(group)].push_back(spellings[static_cast<size_t>(i)]);
    }
    std::sort(result.begin(), result.end(), [](const ClubGroup& a, const ClubGroup& b) {
        const QString foldedA = foldClub(a.front().text);
        const QString foldedB = foldClub(b.front().text);
        return foldedA != foldedB ? foldedA < foldedB : a.front().text < b.front().text;
    });
    return result;
}

} // namespace rzv

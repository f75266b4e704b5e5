#pragma once

#include "cup/cellgrid.h"

#include <QTableWidget>
#include <map>

namespace rzv {

struct TCupContent;

// "3) 14.06.2008 (ZL)": race number, date and a mark of the race type of race k.
QString raceCaption(const TCellGrid& laufe, int k);

// The participant editor's results: one row per race, a caption column and the result column.
// Each row remembers its race by the identity of the race's result column in the participant
// table, so results go back to the same races even when races were added, moved or removed
// while the editor was open. Every result is normalised as soon as its cell is left.
class ResultGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit ResultGrid(QWidget* parent = nullptr);

    // Width of the caption column: 98 pixels, or what a caption needs in a larger font.
    int captionWidth() const;

    // One row per race of the cup, with the participant's stored results (row 0: none).
    void fill(const TCupContent& cup, int participantRow);
    void clearResults();
    // The results by race, and putting them back into the rows of races that still exist.
    std::map<TCellGrid::Id, QString> results() const;
    void setResults(const std::map<TCellGrid::Id, QString>& results);
    // Ends an open cell edit, normalising its text.
    void commitEditing();
    // `checkentry`: normalises the result of row r by its race's type.
    void checkentry(int r);

private:
    void itemEdited(QTableWidgetItem* item);

    const TCupContent* m_cup = nullptr;
    bool m_normalising = false;
};

} // namespace rzv

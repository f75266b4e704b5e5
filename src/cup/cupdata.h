#pragma once

#include "cup/cellgrid.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

namespace rzv {

// Rows of the race table (one column per race; column 0 holds these captions).
enum LaufRow {
    kLaufnummer = 0,
    kLauftyp = 1,
    kDatum = 2,
    kCuplauf = 3,
    kDlvNummer = 31,
    kBonusfaktor = 32,
    kBonussummand = 33,
    kLaufRows = 34
};

// Columns of the participant table; race k's result stands in column kErstesErgebnis - 1 + k.
enum TeilCol {
    kName = 0,
    kVorname = 1,
    kGeburtsdatum = 2,
    kGeschlecht = 3,
    kVerein = 4,
    kAltersgruppe = 5,
    kStartnummer = 6,
    kCup = 7,
    kErstesErgebnis = 8,
    kTeilFixedCols = 8
};

inline int resultColumn(int race) { return kTeilFixedCols - 1 + race; }

inline const QString kZeitlauf = QStringLiteral("Zeitlauf (fixe Distanz)");
inline const QString kDistanzlauf = QStringLiteral("Distanzlauf (fixe Zeit)");
inline const QString kDatePlaceholder = QStringLiteral("TT.MM.JJJJ");

// The seven event categories, index 0 first.
const QStringList& kategorieTexts();
// The captions of the 34 rows of the race table.
const QStringList& laufeRowCaptions();
// The captions of the eight fixed participant columns.
const QStringList& teilCaptions();

// Everything a cup file holds: the header fields and the five tables.
struct TCupContent {
    QString name;
    QString veranstalter;
    int kategorie = 0; // -1 when a typed text stands in place of a list entry
    int min = 1;
    int max = 1;
    TCellGrid ag;
    TCellGrid cv;
    TCellGrid pv;
    TCellGrid laufe;
    TCellGrid teil;

    int raceCount() const { return laufe.colCount() - 1; }
    int participantCount() const { return teil.rowCount() - 1; }
    bool hasCupVariations() const { return cv.rowCount() > 1; }
};

// The defaults of a new cup (tables ordered, headers frozen, column widths set).
TCupContent newCupContent();

// Coupling of the two spinners: neither exceeds the race count nor goes below 1, and max is
// never below min. One function per changed spinner, as the change handlers run them.
void coupleMin(TCupContent& cup);
void coupleMax(TCupContent& cup);
void coupleMin(int& min, int& max, int races);
void coupleMax(int& min, int& max, int races);

// The cup document owned by the main window: the content plus the file name, the changed flag,
// the history of its changes and the two styles that live only while the program runs.
//
// The changed flag follows the history: undoing back to the state last saved or loaded shows the
// cup as unchanged again. A new or loaded cup starts with an empty history.
class TCupData : public QObject, public TCupContent {
    Q_OBJECT
public:
    explicit TCupData(QObject* parent = nullptr);

    QString fileName;
    int htmlStyle = 0;      // 0 "Standard RZV Stil", 1 "weiss-blauer Hintergrund"
    int urkundeStyle = 0;   // certificate style 0, 1 or 2

    bool changed() const { return m_changed; }

    // Fills the document with a new cup, clears the file name and resets both styles.
    void neu();
    // Replaces the content (a completely read cup file) and marks the cup as saved.
    void replaceContent(TCupContent content, const QString& newFileName);
    // Records the changed state: flag != 0 changed, 0 saved (the history's state is then the
    // saved one).
    void edit(int flag);

    // The steps that can be undone and redone (src/commands makes them).
    QUndoStack& history() { return m_history; }

    // The two status-bar panels: the file name or "unbekannt", and "geändert" or nothing.
    QString statusFileText() const;
    QString statusChangedText() const;

    // Tells views that the tables changed shape or order (after loading, new, orderings).
    void notifyTablesChanged() { Q_EMIT tablesChanged(); }

Q_SIGNALS:
    void statusChanged();
    void tablesChanged();
    // Smaller changes, for views that show only what changed: one cell, one row inserted or
    // removed (after the fact), the header fields.
    void cellChanged(const rzv::TCellGrid& grid, int col, int row);
    void rowInserted(const rzv::TCellGrid& grid, int row);
    void rowRemoved(const rzv::TCellGrid& grid, int row);
    void headerChanged();

private:
    void setChanged(bool changed);

    bool m_changed = false;
    QUndoStack m_history;
};

} // namespace rzv

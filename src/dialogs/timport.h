#pragma once

#include "import/csvreader.h"
#include "import/importfields.h"
#include "import/importplan.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <set>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace rzv {

class Prompt;
class TCupData;

// Asks for the file to import, starting in the folder of the last import, which it remembers.
QString chooseImportFile(Prompt& prompt);

// The import dialog: the first rows of a file with a drop-down per column saying what it feeds,
// the target (participants only, or results into a race), how rows find their participant, the
// cup variation and the club of new participants whose row names none. "Prüfen" shows what the
// import will do without changing anything, and lists the rows only similar to a participant:
// a ticked one is taken as that participant, an unticked one becomes a new participant; "Übernehmen" hands the checked plan over to be applied;
// "Abbrechen" changes nothing. Changing a choice after "Prüfen" asks for a new check. The cup
// chosen for rows without one is remembered per cup file.
class Timport : public QDialog {
    Q_OBJECT
public:
    // Applies a plan to the cup; false when it could not (the error has been shown).
    using Apply = std::function<bool(const ImportPlan&)>;

    // race: the race preselected as the target (0: participants only).
    Timport(const TCupData& cup, Prompt& prompt, CsvTable table, const QString& fileName, int race,
            Apply apply, QWidget* parent = nullptr);

    QComboBox* fieldChoice(int column) const;
    ColumnMapping mapping() const;
    ImportOptions options() const;

    void pruefenClick();
    void uebernehmenClick();

    QCheckBox* kopfzeile;
    QTableWidget* vorschau;
    QComboBox* ziel;
    QComboBox* abgleich;
    QComboBox* cup;
    QLineEdit* verein;
    QLabel* aehnlicheText;
    QListWidget* aehnliche;
    QPushButton* pruefen;
    QPushButton* uebernehmen;
    QPushButton* abbrechen;
    QPlainTextEdit* zusammenfassung;

private:
    void buildLayout(const QString& fileName);
    void fillPreview();
    void choicesChanged();
    void showSimilar();
    void similarTicked(QListWidgetItem* item);

    const TCupData& m_cup;
    Prompt& m_prompt;
    CsvTable m_table;
    int m_columns;
    Apply m_apply;
    std::optional<ImportPlan> m_plan;
    std::set<int> m_sameLines; // similar rows ticked as the same person
};

} // namespace rzv

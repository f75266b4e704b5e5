#include "dialogs/tdoppelte.h"

#include "commands/cupcommand.h"
#include "commands/mergeparticipants.h"
#include "cup/cupdata.h"
#include "dialogs/resultgrid.h"
#include "identity/duplicates.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rzv {

namespace {

enum Column { kLeft, kRight, kMerged, kColumns };

QString pairText(const TCellGrid& teil, const DuplicatePair& pair) {
    return QStringLiteral("%1 %2  —  %3 %4:  %5")
        .arg(teil.cell(kStartnummer, pair.first), participantName(teil, pair.first),
             teil.cell(kStartnummer, pair.second), participantName(teil, pair.second),
             likenessText(pair.likeness, Person::ofRow(teil, pair.first), Person::ofRow(teil, pair.second)));
}

void setText(QTableWidget* table, int row, int col, const QString& text) {
    table->setCellWidget(row, col, nullptr);
    table->setItem(row, col, new QTableWidgetItem(text));
}

} // namespace

Tdoppelte::Tdoppelte(const TCupData& cupData, Merge merge, QWidget* parent)
    : QDialog(parent), m_cup(cupData), m_merge(std::move(merge)) {
    setObjectName(QStringLiteral("doppelte"));
    setWindowTitle(QStringLiteral("Doppelte Teilnehmer suchen"));
    setModal(true);
    paare = new QListWidget(this);
    vergleich = new QTableWidget(this);
    vergleich->setColumnCount(kColumns);
    vergleich->setHorizontalHeaderLabels(
        {QStringLiteral("links"), QStringLiteral("rechts"), QStringLiteral("nach dem Zusammenführen")});
    vergleich->setEditTriggers(QAbstractItemView::NoEditTriggers);
    vergleich->verticalHeader()->setDefaultSectionSize(22);
    vergleich->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    behalten = new QComboBox(this);
    behalten->addItems({QStringLiteral("den linken Teilnehmer behalten"), QStringLiteral("den rechten Teilnehmer behalten")});
    hinweis = new QLabel(this);
    hinweis->setWordWrap(true);
    zusammenfuehren = new QPushButton(QStringLiteral("&Zusammenführen"), this);
    schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    for (QPushButton* button : {zusammenfuehren, schliessen}) button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Paare, die ein Läufer sein könnten:"), this));
    layout->addWidget(paare, 1);
    layout->addWidget(vergleich, 3);
    layout->addWidget(hinweis);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(behalten);
    buttons->addStretch();
    buttons->addWidget(zusammenfuehren);
    buttons->addWidget(schliessen);
    layout->addLayout(buttons);

    connect(paare, &QListWidget::currentRowChanged, this, &Tdoppelte::showPair);
    connect(behalten, &QComboBox::currentIndexChanged, this, &Tdoppelte::showMerged);
    connect(zusammenfuehren, &QPushButton::clicked, this, &Tdoppelte::zusammenfuehrenClick);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::reject);
    findPairs();
    resize(780, 620);
}

void Tdoppelte::findPairs() {
    const TCellGrid& teil = m_cup.teil;
    m_pairs.clear();
    paare->clear();
    for (const DuplicatePair& pair : findDuplicates(teil)) {
        m_pairs.emplace_back(teil.rowId(pair.first), teil.rowId(pair.second));
        paare->addItem(pairText(teil, pair));
    }
    if (m_pairs.empty()) {
        hinweis->setText(QStringLiteral("Keine doppelten Teilnehmer gefunden."));
        vergleich->setRowCount(0);
        zusammenfuehren->setEnabled(false);
        return;
    }
    paare->setCurrentRow(0);
}

int Tdoppelte::keptRow() const {
    const int pair = paare->currentRow();
    if (pair < 0) return -1;
    const auto& [left, right] = m_pairs[static_cast<size_t>(pair)];
    return m_cup.teil.findRow(behalten->currentIndex() == 0 ? left : right);
}

int Tdoppelte::otherRow() const {
    const int pair = paare->currentRow();
    if (pair < 0) return -1;
    const auto& [left, right] = m_pairs[static_cast<size_t>(pair)];
    return m_cup.teil.findRow(behalten->currentIndex() == 0 ? right : left);
}

void Tdoppelte::showPair() {
    const int pair = paare->currentRow();
    if (pair < 0) return;
    const TCellGrid& teil = m_cup.teil;
    const int left = teil.findRow(m_pairs[static_cast<size_t>(pair)].first);
    const int right = teil.findRow(m_pairs[static_cast<size_t>(pair)].second);
    const int races = m_cup.raceCount();
    vergleich->setRowCount(kTeilFixedCols + races);
    QStringList captions = teilCaptions();
    for (int k = 1; k <= races; ++k) captions << raceCaption(m_cup.laufe, k);
    vergleich->setVerticalHeaderLabels(captions);
    // Row r of the comparison shows column r of the participant table.
    for (int col = 0; col < vergleich->rowCount(); ++col) {
        setText(vergleich, col, kLeft, teil.cell(col, left));
        setText(vergleich, col, kRight, teil.cell(col, right));
    }
    showMerged();
}

// The last column: what the kept participant will hold, with a choice where both results differ.
void Tdoppelte::showMerged() {
    const int kept = keptRow();
    const int other = otherRow();
    if (kept < 1 || other < 1) return;
    const TCellGrid& teil = m_cup.teil;
    for (int col = 0; col < teil.colCount(); ++col) {
        const bool fromOther = col >= kErstesErgebnis && teil.cell(col, kept).isEmpty();
        setText(vergleich, col, kMerged, teil.cell(col, fromOther ? other : kept));
    }
    const std::vector<MergeConflict> conflicts = mergeConflicts(teil, kept, other);
    for (const MergeConflict& conflict : conflicts) {
        auto* choice = new QComboBox(vergleich);
        choice->setObjectName(QStringLiteral("konflikt%1").arg(conflict.col - (kTeilFixedCols - 1)));
        choice->addItem(conflict.kept + QStringLiteral(" (behalten)"), false);
        choice->addItem(conflict.other + QStringLiteral(" (vom anderen)"), true);
        vergleich->setItem(conflict.col, kMerged, nullptr);
        vergleich->setCellWidget(conflict.col, kMerged, choice);
    }
    hinweis->setText(conflicts.empty()
                         ? QStringLiteral("Die Ergebnisse widersprechen sich nicht.")
                         : QStringLiteral("In %1 haben beide ein anderes Ergebnis: bitte wählen, welches bleibt.")
                               .arg(conflicts.size() == 1 ? QStringLiteral("einem Lauf")
                                                          : QStringLiteral("%1 Läufen").arg(conflicts.size())));
    zusammenfuehren->setEnabled(true);
}

QComboBox* Tdoppelte::konflikt(int race) const {
    return qobject_cast<QComboBox*>(vergleich->cellWidget(resultColumn(race), kMerged));
}

void Tdoppelte::zusammenfuehrenClick() {
    const int kept = keptRow();
    const int other = otherRow();
    if (kept < 1 || other < 1) return;
    std::set<TCellGrid::Id> takeOther;
    for (int k = 1; k <= m_cup.raceCount(); ++k)
        if (const QComboBox* choice = konflikt(k); choice && choice->currentData().toBool())
            takeOther.insert(m_cup.teil.colId(resultColumn(k)));
    m_merge(m_cup.teil.rowId(kept), m_cup.teil.rowId(other), takeOther);
    findPairs();
}

} // namespace rzv

#include "dialogs/resultgrid.h"

#include "cup/cupdata.h"
#include "cup/notation.h"

#include <QHeaderView>

#include <algorithm>

namespace rzv {

namespace {

constexpr int kRaceIdRole = Qt::UserRole;
constexpr int kRaceTypeRole = Qt::UserRole + 1;

} // namespace

QString raceCaption(const TCellGrid& laufe, int k) {
    const bool timeRace = laufe.cell(k, kLauftyp) == kZeitlauf;
    return laufe.cell(k, kLaufnummer) + QStringLiteral(") ") + laufe.cell(k, kDatum) +
           (timeRace ? QStringLiteral(" (ZL)") : QStringLiteral(" (DL)"));
}

ResultGrid::ResultGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setMinimumSectionSize(18);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(false);
    setToolTip(QStringLiteral("Werte a la "));
    connect(this, &QTableWidget::itemChanged, this, &ResultGrid::itemEdited);
}

void ResultGrid::fill(const TCupContent& cup, int participantRow) {
    m_cup = &cup;
    const int races = cup.raceCount();
    setEnabled(races > 0);
    setRowCount(0);
    setColumnCount(races > 0 ? 2 : 0);
    if (races == 0) return;
    setColumnWidth(0, captionWidth());
    setColumnWidth(1, 70);
    setRowCount(races);
    const QSignalBlocker quiet(this);
    for (int k = 1; k <= races; ++k) {
        auto* caption = new QTableWidgetItem(raceCaption(cup.laufe, k));
        caption->setFlags(Qt::ItemIsEnabled);
        caption->setBackground(palette().button());
        caption->setData(kRaceIdRole, QVariant::fromValue(cup.teil.colId(resultColumn(k))));
        caption->setData(kRaceTypeRole, cup.laufe.cell(k, kLauftyp));
        setItem(k - 1, 0, caption);
        const QString stored =
            participantRow > 0 ? cup.teil.cell(resultColumn(k), participantRow) : QString();
        setItem(k - 1, 1, new QTableWidgetItem(stored));
    }
    setCurrentCell(0, 1);
}

int ResultGrid::captionWidth() const {
    return std::max(98, fontMetrics().horizontalAdvance(QStringLiteral("99) 99.99.9999 (ZL)")) + 8);
}

void ResultGrid::clearResults() {
    const QSignalBlocker quiet(this);
    for (int r = 0; r < rowCount(); ++r)
        item(r, 1)->setText(QString());
}

std::map<TCellGrid::Id, QString> ResultGrid::results() const {
    std::map<TCellGrid::Id, QString> byRace;
    for (int r = 0; r < rowCount(); ++r)
        byRace[item(r, 0)->data(kRaceIdRole).value<TCellGrid::Id>()] = item(r, 1)->text();
    return byRace;
}

void ResultGrid::setResults(const std::map<TCellGrid::Id, QString>& results) {
    const QSignalBlocker quiet(this);
    for (int r = 0; r < rowCount(); ++r) {
        const auto found = results.find(item(r, 0)->data(kRaceIdRole).value<TCellGrid::Id>());
        if (found != results.end()) item(r, 1)->setText(found->second);
    }
}

void ResultGrid::commitEditing() {
    if (state() != EditingState) return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ResultGrid::checkentry(int r) {
    QTableWidgetItem* result = item(r, 1);
    if (!result || !m_cup) return;
    // The race's type as it stands now; a race removed meanwhile keeps the type it had.
    QString raceType = item(r, 0)->data(kRaceTypeRole).toString();
    const int column = m_cup->teil.findCol(item(r, 0)->data(kRaceIdRole).value<TCellGrid::Id>());
    if (column >= kErstesErgebnis && column - (kTeilFixedCols - 1) <= m_cup->raceCount())
        raceType = m_cup->laufe.cell(column - (kTeilFixedCols - 1), kLauftyp);
    const QString normalised = normalizeResult(result->text(), raceType);
    if (normalised != result->text()) result->setText(normalised);
}

void ResultGrid::itemEdited(QTableWidgetItem* edited) {
    if (m_normalising || edited->column() != 1) return;
    m_normalising = true;
    checkentry(edited->row());
    m_normalising = false;
}

} // namespace rzv

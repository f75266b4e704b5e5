#include "app/gridview.h"

#include "app/gridmodel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>

namespace rzv {

namespace {

// How a caption cell shows where the current cell is: as the current cell itself, as a caption
// of its row or column, or not at all.
enum class Mark { none, line, cell };

Mark markOf(const GridView& view, int col, int row) {
    if (col == view.currentCol() && row == view.currentRow()) return Mark::cell;
    const CellGridModel& model = *view.gridModel();
    const bool captionColumn = col < model.fixedCols() && row >= model.fixedRows();
    const bool captionRow = row < model.fixedRows() && col >= model.fixedCols();
    if ((captionColumn && row == view.currentRow()) || (captionRow && col == view.currentCol()))
        return Mark::line;
    return Mark::none;
}

// Paints one caption cell the way the header paints its sections, marked in the highlight
// colour of the selection: fully for the current cell, lightly for its row and column. A text
// wider than the cell ends in "…".
void paintCaption(QWidget* widget, QPainter& painter, const QRect& rect, const QString& text,
                  Mark mark) {
    QStyleOptionHeader option;
    option.initFrom(widget);
    option.rect = rect;
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.position = QStyleOptionHeader::Middle;
    QStyle* style = widget->style();
    style->drawControl(QStyle::CE_HeaderSection, &option, &painter, widget);
    // The header's margins left and right; the row keeps its height for the font.
    const QRect label = style->subElementRect(QStyle::SE_HeaderLabel, &option, widget);
    option.rect = QRect(label.left(), rect.top(), label.width(), rect.height());
    option.text = option.fontMetrics.elidedText(text, Qt::ElideRight, option.rect.width());
    if (mark != Mark::none) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        if (mark == Mark::line) highlight.setAlphaF(0.3f);
        painter.fillRect(rect.adjusted(0, 0, -1, -1), highlight);
    }
    if (mark == Mark::cell)
        option.palette.setColor(QPalette::ButtonText,
                                option.palette.color(QPalette::HighlightedText));
    style->drawControl(QStyle::CE_HeaderLabel, &option, &painter, widget);
}

// The room the header style leaves left and right of a caption's text.
int captionMargins(const QWidget* widget) {
    QStyleOptionHeader option;
    option.initFrom(widget);
    option.rect = QRect(0, 0, 1000, 20);
    return option.rect.width() -
           widget->style()->subElementRect(QStyle::SE_HeaderLabel, &option, widget).width();
}

// The frozen caption row: each scrolled column shows its row-0 cell.
class CaptionRowHeader : public QHeaderView {
public:
    CaptionRowHeader(GridView& view) : QHeaderView(Qt::Horizontal, &view), m_view(view) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        const int col = m_view.gridModel()->gridCol(section);
        paintCaption(viewport(), *painter, rect, m_view.grid().cell(col, 0),
                     markOf(m_view, col, 0));
    }

private:
    GridView& m_view;
};

// The frozen caption columns: each row of the view shows the grid's cells of those columns.
class FrozenColumnsHeader : public QHeaderView {
public:
    FrozenColumnsHeader(GridView& view) : QHeaderView(Qt::Vertical, &view), m_view(view) {}

    QSize sizeHint() const override {
        int width = 0;
        const auto* model = m_view.gridModel();
        for (int c = 0; c < model->fixedCols(); ++c)
            width += m_view.frozenColWidth(c);
        return {width, QHeaderView::sizeHint().height()};
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        const auto* model = m_view.gridModel();
        const int row = model->gridRow(section);
        int left = rect.left();
        for (int c = 0; c < model->fixedCols(); ++c) {
            const int width = m_view.frozenColWidth(c);
            paintCaption(viewport(), *painter, QRect(left, rect.top(), width, rect.height()),
                         m_view.grid().cell(c, row), markOf(m_view, c, row));
            left += width;
        }
    }

private:
    GridView& m_view;
};

// The corner above the frozen caption columns: their row-0 captions.
class CaptionCorner : public QWidget {
public:
    CaptionCorner(GridView& view) : QWidget(&view), m_view(view) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        int left = 0;
        for (int c = 0; c < m_view.gridModel()->fixedCols(); ++c) {
            const int width = m_view.frozenColWidth(c);
            paintCaption(this, painter, QRect(left, 0, width, height()), m_view.grid().cell(c, 0),
                         markOf(m_view, c, 0));
            left += width;
        }
    }

private:
    GridView& m_view;
};

} // namespace

GridView::GridView(TCellGrid& grid, QWidget* parent, Captions captionsIn)
    : QTableView(parent), m_grid(grid), m_model(new CellGridModel(grid, this)),
      m_captions(captionsIn) {
    setHorizontalHeader(new CaptionRowHeader(*this));
    setVerticalHeader(new FrozenColumnsHeader(*this));
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    auto* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(m_grid.rowHeight);
    rows->setSectionsClickable(false);

    auto* captions = horizontalHeader();
    captions->setSectionResizeMode(QHeaderView::Interactive);
    captions->setMinimumSectionSize(4);
    captions->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    captions->setSectionsClickable(false);
    captions->setHighlightSections(false);
    connect(captions, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (!m_reloading) m_grid.setColWidth(m_model->gridCol(section), size);
    });

    m_col = m_model->fixedCols();
    m_row = m_model->fixedRows();
    m_corner = new CaptionCorner(*this);
    m_corner->installEventFilter(this);
    captions->viewport()->installEventFilter(this);
    rows->viewport()->installEventFilter(this);
    reload();
}

void GridView::reload() {
    const bool hadCaptions = m_model->fixedCols() > 0 || m_model->fixedRows() > 0;
    m_reloading = true;
    m_model->reload();
    auto* captions = horizontalHeader();
    for (int section = 0; section < m_model->columnCount(); ++section)
        captions->resizeSection(section, shownColWidth(m_model->gridCol(section)));
    m_frozenWidths.clear();
    for (int col = 0; col < m_model->fixedCols(); ++col)
        m_frozenWidths << shownColWidth(col);
    // Rows as high as the table says, higher where the font needs it.
    const int rowHeight = std::max(m_grid.rowHeight, fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    captions->setFixedHeight(rowHeight + 1);
    captions->setVisible(m_model->fixedRows() > 0);
    verticalHeader()->setVisible(m_model->fixedCols() > 0);
    m_corner->setVisible(m_model->fixedRows() > 0 && m_model->fixedCols() > 0);
    m_reloading = false;

    // A grid that gets its captions starts on its first scrolled cell, as a new one does.
    if (!hadCaptions && (m_col < m_model->fixedCols() || m_row < m_model->fixedRows())) {
        m_col = m_model->fixedCols();
        m_row = m_model->fixedRows();
    }
    m_col = std::clamp(m_col, 0, std::max(0, m_grid.colCount() - 1));
    m_row = std::clamp(m_row, 0, std::max(0, m_grid.rowCount() - 1));
    updateGeometries();
    showCurrentCell();
}

void GridView::cellChanged(int col, int row) {
    m_model->cellChanged(col, row);
}

bool GridView::reshaped(int row) const {
    return row < m_model->fixedRows() || m_grid.fixedRows != m_model->fixedRows() ||
           m_grid.fixedCols != m_model->fixedCols();
}

void GridView::rowInserted(int row) {
    if (reshaped(row)) {
        reload();
        return;
    }
    m_model->rowInserted(row);
}

void GridView::rowRemoved(int row) {
    if (reshaped(row)) {
        reload();
        return;
    }
    m_model->rowRemoved(row);
    m_row = std::clamp(m_row, 0, std::max(0, m_grid.rowCount() - 1));
}

void GridView::setCurrentCell(int col, int row) {
    if (col < 0 || row < 0 || col >= m_grid.colCount() || row >= m_grid.rowCount()) return;
    m_col = col;
    m_row = row;
    showCurrentCell();
}

void GridView::showCurrentCell() {
    const QModelIndex index = m_model->indexOfCell(m_col, m_row);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clearCurrentIndex();
        selectionModel()->clearSelection();
    }
    updateCaptions();
}

void GridView::updateCaptions() {
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
    m_corner->update();
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid()) return;
    m_col = m_model->gridCol(current.column());
    m_row = m_model->gridRow(current.row());
    updateCaptions();
}

int GridView::shownColWidth(int col) const {
    const QWidget* captions = horizontalHeader()->viewport();
    // Exact widths: a text one fraction of a pixel too wide would end in "…".
    const QFontMetricsF metrics(captions->font());
    qreal needed = metrics.horizontalAdvance(m_grid.cell(col, 0));
    if (col == 0 && m_captions == Captions::rowAndColumn)
        for (int row = 1; row < m_grid.rowCount(); ++row)
            needed = std::max(needed, metrics.horizontalAdvance(m_grid.cell(col, row)));
    return std::max(m_grid.colWidth(col), qCeil(needed) + captionMargins(captions));
}

int GridView::frozenColAt(int x) const {
    int right = 0;
    for (int c = 0; c < m_model->fixedCols(); ++c) {
        right += frozenColWidth(c);
        if (x < right) return c;
    }
    return -1;
}

bool GridView::pickCellAt(const QPoint& widgetPos) {
    const QWidget* target = childAt(widgetPos);
    auto* captions = horizontalHeader();
    auto* rows = verticalHeader();
    if (target == m_corner) {
        const int col = frozenColAt(m_corner->mapFrom(this, widgetPos).x());
        if (col < 0) return false;
        setCurrentCell(col, 0);
        return true;
    }
    if (target == captions->viewport()) {
        const int section =
            captions->logicalIndexAt(captions->viewport()->mapFrom(this, widgetPos));
        if (section < 0) return false;
        setCurrentCell(m_model->gridCol(section), 0);
        return true;
    }
    if (target == rows->viewport()) {
        const QPoint pos = rows->viewport()->mapFrom(this, widgetPos);
        const int section = rows->logicalIndexAt(pos);
        const int col = frozenColAt(pos.x());
        if (section < 0 || col < 0) return false;
        setCurrentCell(col, m_model->gridRow(section));
        return true;
    }
    const QModelIndex index = indexAt(viewport()->mapFrom(this, widgetPos));
    if (!index.isValid()) return false;
    setCurrentCell(m_model->gridCol(index.column()), m_model->gridRow(index.row()));
    return true;
}

void GridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    pickCellAt(viewport()->mapTo(this, event->position().toPoint()));
}

void GridView::contextMenuEvent(QContextMenuEvent* event) {
    // The menu key opens the menu for the current cell; the mouse for the cell under it.
    if (event->reason() == QContextMenuEvent::Mouse) pickCellAt(mapFromGlobal(event->globalPos()));
    Q_EMIT contextMenuWanted(event->globalPos());
}

void GridView::focusInEvent(QFocusEvent* event) {
    // Qt puts the current index on the first scrolled cell when the focus comes in without one,
    // which is always so while the current cell is a caption: among others when a context menu
    // opened over a caption closes, just before its command runs. The current cell stays.
    const int col = m_col;
    const int row = m_row;
    QTableView::focusInEvent(event);
    if (col != m_col || row != m_row) setCurrentCell(col, row);
}

void GridView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) reload();
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        pickCellAt(mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
    } else if (event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        pickCellAt(mapFromGlobal(menuEvent->globalPos()));
        Q_EMIT contextMenuWanted(menuEvent->globalPos());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void GridView::updateGeometries() {
    QTableView::updateGeometries();
    if (!m_corner) return;
    const int frame = frameWidth();
    m_corner->setGeometry(frame, frame, verticalHeader()->width(), horizontalHeader()->height());
    m_corner->raise();
}

} // namespace rzv

#include "app/gridview.h"

#include "app/gridmodel.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace rzv {

namespace {

// Paints one caption cell the way the header paints its sections.
void paintCaption(QWidget* widget, QPainter& painter, const QRect& rect, const QString& text,
                  bool current) {
    QStyleOptionHeader option;
    option.initFrom(widget);
    option.rect = rect;
    option.text = text;
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.position = QStyleOptionHeader::Middle;
    if (current) option.state |= QStyle::State_Sunken;
    widget->style()->drawControl(QStyle::CE_Header, &option, &painter, widget);
}

// The frozen caption columns: each row of the view shows the grid's cells of those columns.
class FrozenColumnsHeader : public QHeaderView {
public:
    FrozenColumnsHeader(GridView& view) : QHeaderView(Qt::Vertical, &view), m_view(view) {}

    QSize sizeHint() const override {
        int width = 0;
        const auto* model = m_view.gridModel();
        for (int c = 0; c < model->fixedCols(); ++c)
            width += m_view.grid().colWidth(c);
        return {width, QHeaderView::sizeHint().height()};
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        const auto* model = m_view.gridModel();
        const int row = model->gridRow(section);
        int left = rect.left();
        for (int c = 0; c < model->fixedCols(); ++c) {
            const int width = m_view.grid().colWidth(c);
            paintCaption(viewport(), *painter, QRect(left, rect.top(), width, rect.height()),
                         m_view.grid().cell(c, row),
                         m_view.currentCol() == c && m_view.currentRow() == row);
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
            const int width = m_view.grid().colWidth(c);
            paintCaption(this, painter, QRect(left, 0, width, height()), m_view.grid().cell(c, 0),
                         m_view.currentCol() == c && m_view.currentRow() == 0);
            left += width;
        }
    }

private:
    GridView& m_view;
};

} // namespace

GridView::GridView(TCellGrid& grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new CellGridModel(grid, this)) {
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
    captions->setFixedHeight(m_grid.rowHeight + 1);
    connect(captions, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (!m_reloading) m_grid.setColWidth(m_model->gridCol(section), size);
    });

    m_corner = new CaptionCorner(*this);
    m_corner->installEventFilter(this);
    captions->viewport()->installEventFilter(this);
    rows->viewport()->installEventFilter(this);
    reload();
}

void GridView::reload() {
    m_reloading = true;
    m_model->reload();
    auto* captions = horizontalHeader();
    for (int section = 0; section < m_model->columnCount(); ++section)
        captions->resizeSection(section, m_grid.colWidth(m_model->gridCol(section)));
    verticalHeader()->setDefaultSectionSize(m_grid.rowHeight);
    captions->setVisible(m_model->fixedRows() > 0);
    verticalHeader()->setVisible(m_model->fixedCols() > 0);
    m_corner->setVisible(m_model->fixedRows() > 0 && m_model->fixedCols() > 0);
    m_reloading = false;

    m_col = std::clamp(m_col, 0, std::max(0, m_grid.colCount() - 1));
    m_row = std::clamp(m_row, 0, std::max(0, m_grid.rowCount() - 1));
    updateGeometries();
    showCurrentCell();
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
    verticalHeader()->viewport()->update();
    m_corner->update();
}

void GridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!current.isValid()) return;
    m_col = m_model->gridCol(current.column());
    m_row = m_model->gridRow(current.row());
    verticalHeader()->viewport()->update();
    m_corner->update();
}

int GridView::frozenColAt(int x) const {
    int right = 0;
    for (int c = 0; c < m_model->fixedCols(); ++c) {
        right += m_grid.colWidth(c);
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

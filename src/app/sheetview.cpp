#include "app/sheetview.h"

#include "reports/sheet.h"

#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace rzv {

namespace {
constexpr int kMargin = 4;
}

SheetView::SheetView(const Ausgabe& sheet, QWidget* parent)
    : QAbstractScrollArea(parent), m_sheet(sheet) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    refresh();
}

const SheetView::LineFont& SheetView::fontOf(int size, unsigned style) {
    const unsigned key = static_cast<unsigned>(size) << 3 | (style & 7u);
    auto found = m_fonts.find(key);
    if (found != m_fonts.end()) return *found;
    QFont font(kSheetFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(std::max(1, size));
    font.setBold(style & unsigned(Stil::fett));
    font.setItalic(style & unsigned(Stil::kursiv));
    font.setUnderline(style & unsigned(Stil::unterstrichen));
    const QFontMetrics metrics(font);
    return *m_fonts.insert(key, {font, metrics.lineSpacing(), metrics.ascent(),
                                 metrics.horizontalAdvance(QLatin1Char('M'))});
}

void SheetView::refresh() {
    m_top.assign(1, kMargin);
    m_top.reserve(static_cast<size_t>(m_sheet.count()) + 1);
    m_width = 0;
    for (const Zeile& zeile : m_sheet.zeilen()) {
        const LineFont& lf = fontOf(zeile.groesse, zeile.stil.toInt());
        m_top.push_back(m_top.back() + lf.height);
        m_width = std::max(m_width, static_cast<int>(zeile.text.size()) * lf.charWidth);
    }
    m_width += 2 * kMargin;
    m_top.back() += kMargin;
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

void SheetView::updateScrollBars() {
    const QSize area = viewport()->size();
    verticalScrollBar()->setRange(0, std::max(0, contentHeight() - area.height()));
    verticalScrollBar()->setPageStep(area.height());
    verticalScrollBar()->setSingleStep(16);
    horizontalScrollBar()->setRange(0, std::max(0, m_width - area.width()));
    horizontalScrollBar()->setPageStep(area.width());
    horizontalScrollBar()->setSingleStep(16);
}

void SheetView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void SheetView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int dy = verticalScrollBar()->value();
    const int dx = horizontalScrollBar()->value();
    const int bottom = dy + viewport()->height();
    const auto& zeilen = m_sheet.zeilen();
    // The first line whose bottom lies below the top of the view.
    auto it = std::upper_bound(m_top.begin() + 1, m_top.end(), dy);
    for (auto i = static_cast<qsizetype>(it - m_top.begin()) - 1;
         i < zeilen.size() && m_top[static_cast<size_t>(i)] < bottom; ++i) {
        const Zeile& zeile = zeilen[i];
        const LineFont& lf = fontOf(zeile.groesse, zeile.stil.toInt());
        painter.setFont(lf.font);
        painter.setPen(zeile.farbe.isValid() ? zeile.farbe : QColor(Qt::black));
        painter.drawText(kMargin - dx, m_top[static_cast<size_t>(i)] - dy + lf.ascent, zeile.text);
    }
}

} // namespace rzv

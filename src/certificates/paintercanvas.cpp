#include "certificates/paintercanvas.h"

#include "cup/errors.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <cmath>

namespace rzv {

PainterCanvas::PainterCanvas(QPrinter& printer) : m_printer(printer) {}

PainterCanvas::~PainterCanvas() {
    if (m_painter.isActive()) m_painter.end();
}

void PainterCanvas::beginJob(const QString& title) {
    m_printer.setDocName(title);
    if (!m_painter.begin(&m_printer))
        throw RzvError(QStringLiteral("Der Drucker konnte nicht geöffnet werden."));
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setFont(m_font);
}

void PainterCanvas::endJob() {
    if (m_painter.isActive()) m_painter.end();
}

void PainterCanvas::newPage() {
    m_printer.newPage();
}

QSize PainterCanvas::pageSize() const {
    return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size();
}

void PainterCanvas::setFontName(const QString& name) {
    m_font.setFamily(name);
    applyFont();
}

void PainterCanvas::setFontColor(const QColor& color) {
    m_painter.setPen(color);
}

void PainterCanvas::setFontHeight(int pixels) {
    m_cellHeight = pixels;
    applyFont();
}

// Qt sizes a font by its em square; the canvas is given the height of the whole character
// cell (ascent plus descent), so the pixel size is scaled by the family's cell-to-em ratio.
void PainterCanvas::applyFont() {
    if (m_cellHeight > 0) {
        QFont reference = m_font;
        reference.setPixelSize(1000);
        const qreal cellPerEm = QFontMetricsF(reference, &m_printer).height() / 1000.0;
        m_font.setPixelSize(qMax(1, static_cast<int>(std::lround(m_cellHeight / cellPerEm))));
    }
    if (m_painter.isActive()) m_painter.setFont(m_font);
}

int PainterCanvas::textWidth(const QString& text) const {
    return static_cast<int>(std::ceil(QFontMetricsF(m_font, &m_printer).horizontalAdvance(text)));
}

void PainterCanvas::drawText(int x, int y, const QString& text) {
    const qreal ascent = QFontMetricsF(m_font, &m_printer).ascent();
    m_painter.drawText(QPointF(x, y + ascent), text);
}

void PainterCanvas::drawImage(const QRect& target, const QImage& image) {
    m_painter.drawImage(target, image);
}

} // namespace rzv

#include "certificates/paintercanvas.h"

#include "cup/errors.h"

#include <QFontMetricsF>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

namespace rzv {

PainterCanvas::PainterCanvas(QPrinter& printer)
    : m_device(printer),
      m_setTitle([&printer](const QString& title) { printer.setDocName(title); }) {}

PainterCanvas::PainterCanvas(QPdfWriter& writer)
    : m_device(writer), m_setTitle([&writer](const QString& title) { writer.setTitle(title); }) {}

PainterCanvas::~PainterCanvas() {
    if (m_painter.isActive()) m_painter.end();
}

void PainterCanvas::beginJob(const QString& title) {
    m_setTitle(title);
    if (!m_painter.begin(&m_device))
        throw RzvError(QStringLiteral("Der Drucker konnte nicht geöffnet werden."));
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setFont(m_font);
}

void PainterCanvas::endJob() {
    if (m_painter.isActive()) m_painter.end();
}

void PainterCanvas::newPage() {
    m_device.newPage();
}

QSize PainterCanvas::pageSize() const {
    return m_device.pageLayout().paintRectPixels(m_device.logicalDpiX()).size();
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
        const qreal cellPerEm = QFontMetricsF(reference, &m_device).height() / 1000.0;
        m_font.setPixelSize(qMax(1, static_cast<int>(std::lround(m_cellHeight / cellPerEm))));
    }
    if (m_painter.isActive()) m_painter.setFont(m_font);
}

int PainterCanvas::textWidth(const QString& text) const {
    return static_cast<int>(std::ceil(QFontMetricsF(m_font, &m_device).horizontalAdvance(text)));
}

void PainterCanvas::drawText(int x, int y, const QString& text) {
    const qreal ascent = QFontMetricsF(m_font, &m_device).ascent();
    m_painter.drawText(QPointF(x, y + ascent), text);
}

void PainterCanvas::drawImage(const QRect& target, const QImage& image) {
    m_painter.drawImage(target, image);
}

} // namespace rzv

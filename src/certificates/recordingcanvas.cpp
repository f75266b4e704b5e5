#include "certificates/recordingcanvas.h"

namespace rzv {

void RecordingCanvas::beginJob(const QString& title) {
    jobTitles.append(title);
    pages.append(Page());
}

int RecordingCanvas::textWidth(const QString& text) const {
    return static_cast<int>((text.size() * m_height + 1) / 2);
}

RecordingCanvas::Page& RecordingCanvas::currentPage() {
    if (pages.isEmpty()) pages.append(Page());
    return pages.last();
}

void RecordingCanvas::drawText(int x, int y, const QString& text) {
    Item item;
    item.text = text;
    item.pos = QPoint(x, y);
    item.height = m_height;
    item.fontName = m_fontName;
    item.color = m_color;
    currentPage().append(item);
}

void RecordingCanvas::drawImage(const QRect& target, const QImage& image) {
    Item item;
    item.rect = target;
    item.image = image;
    currentPage().append(item);
}

QStringList RecordingCanvas::texts(int page) const {
    QStringList result;
    for (const Item& item : pages.value(page))
        if (!item.isImage()) result.append(item.text);
    return result;
}

} // namespace rzv

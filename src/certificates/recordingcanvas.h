#pragma once

#include "certificates/certificatecanvas.h"

#include <QList>
#include <QStringList>

namespace rzv {

// A canvas that keeps what is drawn on it, page by page, for checking layouts without a
// printer. Text widths follow a fixed-pitch model: every character is half the cell height
// wide (rounded up over the whole text), so results do not depend on installed fonts.
class RecordingCanvas : public CertificateCanvas {
public:
    // A4 at 600 dpi.
    static constexpr QSize kA4At600Dpi{4960, 7016};

    struct Item {
        QString text; // a text line, or empty for a picture
        QPoint pos;   // top-left corner of the text cell
        int height = 0;
        QString fontName;
        QColor color;
        QRect rect; // the rectangle a picture was stretched into
        QImage image;
        bool isImage() const { return !image.isNull(); }
    };
    using Page = QList<Item>;

    explicit RecordingCanvas(QSize pageSize = kA4At600Dpi) : m_pageSize(pageSize) {}

    void beginJob(const QString& title) override;
    void endJob() override { ++endedJobs; }
    void newPage() override { pages.append(Page()); }
    QSize pageSize() const override { return m_pageSize; }

    void setFontName(const QString& name) override { m_fontName = name; }
    void setFontColor(const QColor& color) override { m_color = color; }
    void setFontHeight(int pixels) override { m_height = pixels; }
    int textWidth(const QString& text) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawImage(const QRect& target, const QImage& image) override;

    // The texts of one page in drawing order.
    QStringList texts(int page) const;

    QStringList jobTitles;
    int endedJobs = 0;
    QList<Page> pages; // the pages of all jobs

private:
    Page& currentPage();

    QSize m_pageSize;
    QString m_fontName;
    QColor m_color;
    int m_height = 0;
};

} // namespace rzv

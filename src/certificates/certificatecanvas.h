#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace rzv {

// The page canvas that certificates are drawn on: one print job of pages measured in device
// pixels. The page drawing only needs these few operations, so tests record them and the
// printer, a PDF file or an image can stand behind them alike.
class CertificateCanvas {
public:
    virtual ~CertificateCanvas() = default;

    // Begins a print job with the given title; the job starts with one open page.
    virtual void beginJob(const QString& title) = 0;
    virtual void endJob() = 0;
    virtual void newPage() = 0;

    // The printable page in device pixels.
    virtual QSize pageSize() const = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontColor(const QColor& color) = 0;
    // The height of the character cell (internal leading included) in device pixels.
    virtual void setFontHeight(int pixels) = 0;
    virtual int textWidth(const QString& text) const = 0;
    // Draws a text with the top-left corner of its cell at (x, y).
    virtual void drawText(int x, int y, const QString& text) = 0;
    virtual void drawImage(const QRect& target, const QImage& image) = 0;
};

} // namespace rzv

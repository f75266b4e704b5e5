#pragma once

#include "certificates/certificatecanvas.h"

#include <QFont>
#include <QPainter>

#include <functional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

namespace rzv {

// The certificate canvas of a printer (a real printer or a PDF file) or of a PDF writer: a
// QPainter on the printable area, with the origin at its top-left corner.
class PainterCanvas : public CertificateCanvas {
public:
    explicit PainterCanvas(QPrinter& printer);
    explicit PainterCanvas(QPdfWriter& writer);
    ~PainterCanvas() override;

    void beginJob(const QString& title) override;
    void endJob() override;
    void newPage() override;
    QSize pageSize() const override;

    void setFontName(const QString& name) override;
    void setFontColor(const QColor& color) override;
    void setFontHeight(int pixels) override;
    int textWidth(const QString& text) const override;
    void drawText(int x, int y, const QString& text) override;
    void drawImage(const QRect& target, const QImage& image) override;

private:
    void applyFont();

    QPagedPaintDevice& m_device;
    std::function<void(const QString&)> m_setTitle; // the job's title: document name, PDF title
    QPainter m_painter;
    QFont m_font;
    int m_cellHeight = 0;
};

} // namespace rzv

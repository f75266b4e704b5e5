#pragma once

#include <QBuffer>
#include <QPdfWriter>
#include <QString>

namespace rzv::cli {

// A PDF file of A4 pages without margins, written whole or not at all: the pages are drawn into
// memory, and save() writes them like a cup file (a temporary file beside the target, then
// renamed), so a failed write leaves no truncated PDF and an existing file as it was.
class PdfFile {
public:
    PdfFile(QString path, int dpi);

    QPdfWriter& writer() { return m_writer; }
    // Writes the finished document (its painter ended); stops with "I/O-Fehler %d".
    void save() const;

private:
    QString m_path;
    QBuffer m_buffer;
    QPdfWriter m_writer;
};

} // namespace rzv::cli

#include "cli/pdffile.h"

#include "cup/cupfile.h"

#include <QPageLayout>
#include <QPageSize>

namespace rzv::cli {

PdfFile::PdfFile(QString path, int dpi) : m_path(std::move(path)), m_writer(&m_buffer) {
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setResolution(dpi);
    m_writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

void PdfFile::save() const {
    writeFileAtomically(m_path, m_buffer.data());
}

} // namespace rzv::cli

#include "app/bildertab.h"

#include "certificates/certificatepictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace rzv {

void fillBilderTab(QWidget* bilder) {
    const CertificatePictures& pictures = certificatePictures();
    QList<QPair<QString, QImage>> shown = {
        {QStringLiteral("bild_laufer"), pictures.laufer},
        {QStringLiteral("bild_laufer_leer"), pictures.lauferLeer},
        {QStringLiteral("Veranstaltungslogo"), pictures.eventLogo},
    };
    for (size_t i = 0; i < pictures.sponsorLogos.size(); ++i)
        shown.append({QStringLiteral("Sponsorenlogo %1").arg(i + 1), pictures.sponsorLogos[i]});
    shown.append({QStringLiteral("Vereinslogo"), pictures.clubLogo});

    auto* area = new QScrollArea(bilder);
    auto* content = new QWidget(area);
    auto* grid = new QGridLayout(content);
    for (int i = 0; i < shown.size(); ++i) {
        auto* label = new QLabel(content);
        label->setPixmap(QPixmap::fromImage(shown[i].second));
        label->setToolTip(shown[i].first);
        grid->addWidget(label, i / 3, i % 3, Qt::AlignLeft | Qt::AlignTop);
    }
    area->setWidget(content);
    auto* layout = new QVBoxLayout(bilder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
}

} // namespace rzv

#include "certificates/certificatepictures.h"

#include <QString>

// The resources of a static library must be registered by name, outside any namespace.
static void registerPictureResources() {
    Q_INIT_RESOURCE(pictures);
}

namespace rzv {

namespace {

QImage picture(const QString& name) {
    return QImage(QStringLiteral(":/certificates/") + name + QStringLiteral(".png"));
}

CertificatePictures loadPictures() {
    registerPictureResources();
    CertificatePictures pictures;
    pictures.laufer = picture(QStringLiteral("laufer"));
    pictures.lauferLeer = picture(QStringLiteral("laufer_leer"));
    pictures.eventLogo = picture(QStringLiteral("eventlogo"));
    for (size_t i = 0; i < pictures.sponsorLogos.size(); ++i)
        pictures.sponsorLogos[i] = picture(QStringLiteral("sponsor%1").arg(i + 1));
    pictures.clubLogo = picture(QStringLiteral("clublogo"));
    return pictures;
}

} // namespace

const CertificatePictures& certificatePictures() {
    static const CertificatePictures pictures = loadPictures();
    return pictures;
}

} // namespace rzv

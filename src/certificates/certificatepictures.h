#pragma once

#include <QImage>
#include <array>

namespace rzv {

// The pictures the certificates draw: the runner picture of style 0, the empty runner frame of
// style 1 and the logos of style 2. They are the program's own artwork, kept as resources
// (drawn by the rzv_drawpictures tool).
struct CertificatePictures {
    QImage laufer;     // 215 x 527, 256 colours
    QImage lauferLeer; // 215 x 527, 256 colours
    QImage eventLogo;  // 686 x 549
    std::array<QImage, 6> sponsorLogos;
    QImage clubLogo; // 193 x 220
};

// The pictures, read from the resources once.
const CertificatePictures& certificatePictures();

} // namespace rzv

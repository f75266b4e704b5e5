// rzv_drawpictures DIR: draws the pictures of the certificates (a runner, the empty runner
// frame, the event logo, six sponsor placeholders and the club logo) into PNG files in DIR.
// The PNGs are kept in the source tree as resources; run this tool again after changing a
// drawing.
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

const QColor kNavy(18, 58, 122);
const QColor kTrack(190, 64, 48);
const QColor kMeadow(76, 150, 70);

// Draws a text centred in a rectangle, in the largest bold sans-serif size that fits.
void fittedText(QPainter& painter, const QRectF& box, const QString& text, const QColor& color) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    int size = static_cast<int>(box.height());
    for (; size > 4; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height())
            break;
    }
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The frame of the runner picture: a light panel with a blue border above a running track.
QImage runnerFrame() {
    QImage image(215, 527, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 527);
    sky.setColorAt(0, QColor(206, 226, 246));
    sky.setColorAt(1, QColor(250, 250, 244));
    painter.fillRect(image.rect(), sky);
    painter.fillRect(QRect(0, 445, 215, 82), kTrack);
    painter.setPen(QPen(Qt::white, 3));
    for (int y : {468, 496})
        painter.drawLine(0, y, 215, y);
    painter.setPen(QPen(kNavy, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(4, 4, 207, 519), 14, 14);
    return image;
}

void limb(QPainter& painter, std::initializer_list<QPointF> joints, qreal width) {
    painter.setPen(QPen(kNavy, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(*joints.begin());
    for (auto it = joints.begin() + 1; it != joints.end(); ++it)
        path.lineTo(*it);
    painter.drawPath(path);
}

// A runner in full stride on the frame.
QImage runner() {
    QImage image = runnerFrame();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    limb(painter, {{117, 160}, {82, 205}, {60, 248}}, 17);               // back arm
    limb(painter, {{100, 265}, {78, 350}, {38, 398}, {28, 382}}, 20);    // back leg
    limb(painter, {{120, 142}, {100, 265}}, 30);                         // body
    limb(painter, {{100, 265}, {152, 328}, {142, 420}, {170, 426}}, 20); // front leg
    limb(painter, {{117, 160}, {152, 214}, {178, 186}}, 17);             // front arm
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawEllipse(QPointF(130, 108), 24, 24);
    painter.setPen(QPen(kNavy.lighter(170), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        painter.drawLine(QPointF(18, 180 + 40 * i), QPointF(48, 180 + 40 * i));
    return image;
}

QImage palette256(const QImage& image) {
    return image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
}

// The event logo: a crane standing in a meadow under the sun, with the event's name.
QImage eventLogo() {
    QImage image(686, 549, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 420);
    sky.setColorAt(0, QColor(120, 180, 235));
    sky.setColorAt(1, QColor(220, 238, 250));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(10, 10, 666, 529), 40, 40);
    QRadialGradient sun(520, 120, 70);
    sun.setColorAt(0, QColor(255, 236, 120));
    sun.setColorAt(1, QColor(250, 190, 40));
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(520, 120), 70, 70);
    QPainterPath meadow;
    meadow.moveTo(10, 360);
    meadow.cubicTo(200, 300, 420, 420, 676, 330);
    meadow.lineTo(676, 440);
    meadow.lineTo(10, 440);
    meadow.closeSubpath();
    painter.setBrush(kMeadow);
    painter.drawPath(meadow);
    // The crane: legs, body, neck and beak.
    painter.setPen(QPen(QColor(60, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(250, 250), QPointF(240, 370));
    painter.drawLine(QPointF(275, 250), QPointF(295, 370));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 235));
    painter.drawEllipse(QRectF(195, 170, 130, 90));
    painter.setBrush(QColor(40, 40, 40));
    QPainterPath tail;
    tail.moveTo(200, 205);
    tail.cubicTo(170, 210, 160, 250, 185, 260);
    tail.lineTo(225, 240);
    tail.closeSubpath();
    painter.drawPath(tail);
    painter.setPen(QPen(QColor(235, 235, 235), 16, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath neck;
    neck.moveTo(305, 190);
    neck.cubicTo(345, 150, 330, 110, 345, 85);
    painter.drawPath(neck);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QPointF(348, 80), 12, 12);
    painter.setPen(QPen(QColor(90, 70, 40), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(358, 84), QPointF(400, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRoundedRect(QRectF(10, 440, 666, 99), 30, 30);
    fittedText(painter, QRectF(40, 450, 606, 80), QStringLiteral("Wiesenlauf"), Qt::white);
    return image;
}

// A sponsor placeholder: a coloured badge with a simple emblem and its number.
QImage sponsorLogo(int number, QSize size, const QColor& color) {
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(image.rect()).adjusted(3, 3, -3, -3);
    const qreal radius = qMin(area.width(), area.height()) / 6;
    painter.setPen(QPen(color.darker(140), 4));
    painter.setBrush(color);
    painter.drawRoundedRect(area, radius, radius);
    const bool tall = size.height() > size.width();
    const qreal emblem = qMin(area.width(), area.height()) * (tall ? 0.5 : 0.6);
    const QRectF emblemBox =
        tall ? QRectF(area.center().x() - emblem / 2, area.top() + emblem / 3, emblem, emblem)
             : QRectF(area.left() + emblem / 4, area.center().y() - emblem / 2, emblem, emblem);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color.lighter(160));
    switch (number % 3) {
    case 0:
        painter.drawEllipse(emblemBox);
        break;
    case 1:
        painter.drawRect(emblemBox.adjusted(emblem / 8, emblem / 8, -emblem / 8, -emblem / 8));
        break;
    default: {
        QPolygonF triangle;
        triangle << QPointF(emblemBox.center().x(), emblemBox.top()) << emblemBox.bottomRight()
                 << emblemBox.bottomLeft();
        painter.drawPolygon(triangle);
    }
    }
    const QRectF textBox =
        tall ? QRectF(area.left() + 8, emblemBox.bottom() + 8, area.width() - 16,
                      area.bottom() - emblemBox.bottom() - 16)
             : QRectF(emblemBox.right() + emblem / 4, area.top() + 4,
                      area.right() - emblemBox.right() - emblem / 2, area.height() - 8);
    fittedText(painter, textBox, QStringLiteral("Sponsor %1").arg(number), Qt::white);
    return image;
}

// The club logo: a blue and white shield with the letters "SV".
QImage clubLogo() {
    QImage image(193, 220, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(10, 10);
    shield.lineTo(183, 10);
    shield.lineTo(183, 110);
    shield.cubicTo(183, 170, 130, 195, 96.5, 212);
    shield.cubicTo(63, 195, 10, 170, 10, 110);
    shield.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawPath(shield);
    painter.setClipPath(shield);
    painter.fillRect(QRectF(96.5, 10, 90, 210), QColor(40, 110, 200));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(230, 190, 60), 6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shield);
    fittedText(painter, QRectF(30, 40, 133, 110), QStringLiteral("SV"), Qt::white);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: rzv_drawpictures DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {
        {"laufer", palette256(runner())},
        {"laufer_leer", palette256(runnerFrame())},
        {"eventlogo", eventLogo()},
        {"sponsor1", sponsorLogo(1, {327, 480}, QColor(230, 120, 30))},
        {"sponsor2", sponsorLogo(2, {267, 98}, QColor(40, 90, 170))},
        {"sponsor3", sponsorLogo(3, {1136, 449}, QColor(50, 140, 80))},
        {"sponsor4", sponsorLogo(4, {165, 110}, QColor(190, 40, 50))},
        {"sponsor5", sponsorLogo(5, {691, 116}, QColor(120, 60, 150))},
        {"sponsor6", sponsorLogo(6, {929, 364}, QColor(20, 130, 140))},
        {"clublogo", clubLogo()},
    };
    for (const auto& picture : pictures) {
        const QString path =
            dir.filePath(QString::fromLatin1(picture.name) + QStringLiteral(".png"));
        if (!picture.image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

#include "dialogs/tuberrzv.h"

#include "ui/prompt.h"
#include "cup/product.h"
#include "reports/sheet.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QtMath>

namespace rzv {

QPixmap stopwatchPicture(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size / 2.0, size * 0.56);
    const double radius = size * 0.4;
    painter.setPen(QPen(QColor(0x00, 0x33, 0x66), size / 24.0));
    painter.setBrush(QColor(0x33, 0x66, 0x99));
    painter.drawRect(QRectF(centre.x() - size * 0.06, size * 0.04, size * 0.12, size * 0.1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    for (int tick = 0; tick < 12; ++tick) {
        const double angle = tick * M_PI / 6;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(centre + direction * radius * 0.82, centre + direction * radius * 0.95);
    }
    painter.setPen(QPen(QColor(0xCC, 0x22, 0x22), size / 20.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(radius * 0.55, -radius * 0.45));
    painter.setPen(QPen(QColor(0x00, 0x33, 0x66), size / 16.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(0, -radius * 0.7));
    return picture;
}

namespace {

QLabel* linkLabel(const QUrl& url, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(url.toString()), parent);
    label->setTextFormat(Qt::RichText);
    label->setOpenExternalLinks(false);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

Tuberrzv::Tuberrzv(Prompt& prompt, QWidget* parent) : QDialog(parent), m_prompt(prompt) {
    setModal(false);

    auto* picture = new QLabel(this);
    picture->setPixmap(stopwatchPicture(128));
    auto* title = new QLabel(kProduktname + QLatin1Char(' ') + kVersion, this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    title->setWordWrap(true); // the version goes below the name where large fonts need it
    auto* purpose = new QLabel(QStringLiteral("Läufe, Ergebnisse und Wertungen eines Rundenpokals "
                                              "erfassen, auswerten, drucken und veröffentlichen."),
                               this);
    purpose->setWordWrap(true);
    auto* credit = new QLabel(kCredit, this);
    QLabel* label1 = linkLabel(kWerkstatt, this);
    QLabel* label2 = linkLabel(kProduktseite, this);
    connect(label1, &QLabel::linkActivated, this, &Tuberrzv::Label1Click);
    connect(label2, &QLabel::linkActivated, this, &Tuberrzv::Label2Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(purpose, 1, 1);
    layout->addWidget(credit, 2, 1);
    layout->addWidget(label1, 3, 1);
    layout->addWidget(label2, 4, 1);
    layout->setRowStretch(5, 1);
    // Larger only where the desktop's fonts need more room.
    setFixedSize(QSize(472, 286).expandedTo(minimumSizeHint()));
}

void Tuberrzv::zeigen() {
    setWindowTitle(QStringLiteral("Über RZV ") + kVersion);
    if (!isVisible() && screen()) move(screen()->availableGeometry().center() - rect().center());
    show();
    raise();
    activateWindow();
}

void Tuberrzv::Label1Click() {
    m_prompt.openUrl(kWerkstatt);
}
void Tuberrzv::Label2Click() {
    m_prompt.openUrl(kProduktseite);
}

} // namespace rzv

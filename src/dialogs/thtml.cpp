#include "dialogs/thtml.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>

namespace rzv {

QPixmap validatorBadge() {
    QPixmap badge(88, 31);
    badge.fill(Qt::white);
    QPainter painter(&badge);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x00, 0x66, 0x99), 1));
    painter.setBrush(QColor(0xAA, 0xCC, 0xFF));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 87, 30), 4, 4);
    // A folded page with a green check mark.
    QPainterPath page;
    page.moveTo(6, 5);
    page.lineTo(18, 5);
    page.lineTo(23, 10);
    page.lineTo(23, 26);
    page.lineTo(6, 26);
    page.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(page);
    painter.setPen(QPen(QColor(0x2E, 0x8B, 0x22), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(9, 16), QPointF(13, 21), QPointF(21, 9)}));
    painter.setPen(QColor(0x00, 0x33, 0x66));
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(27, 3, 58, 13), Qt::AlignCenter, QStringLiteral("HTML 4.01"));
    font.setBold(false);
    font.setPixelSize(9);
    painter.setFont(font);
    painter.drawText(QRect(27, 16, 58, 12), Qt::AlignCenter, QStringLiteral("geprüft"));
    return badge;
}

Thtml::Thtml(TCupData& cup, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_cup(cup), m_prompt(prompt) {
    setWindowTitle(QStringLiteral("HTML-Einstellungen"));
    setModal(false);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    auto* badge = new QLabel(panel);
    badge->setPixmap(validatorBadge());
    badge->setFixedSize(88, 31);
    badge->setCursor(Qt::PointingHandCursor);
    badge->installEventFilter(this);
    m_badge = badge;
    auto* texts = new QVBoxLayout;
    texts->addWidget(
        new QLabel(QStringLiteral("Rundenzeitverwalter erzeugt validierte HTML-Dateien."), panel));
    texts->addWidget(new QLabel(
        QStringLiteral("Mehr Informationen erhalten Sie unter: ") + kValidator.toString(), panel));
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(badge);
    panelLayout->addLayout(texts);

    stil = new QComboBox(this);
    stil->addItems(
        {QStringLiteral("Standard RZV Stil"), QStringLiteral("weiss-blauer Hintergrund")});
    connect(stil, &QComboBox::activated, this, [this](int index) { m_cup.htmlStyle = index; });
    // A new cup returns to the standard style, also while the dialog is open.
    connect(&cup, &TCupData::tablesChanged, this,
            [this] { stil->setCurrentIndex(m_cup.htmlStyle); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(new QLabel(
        QStringLiteral("Wählen Sie einen Stil für die exportierten HTML-Dateien aus:"), this));
    layout->addWidget(stil);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Thtml::zeigen() {
    stil->setCurrentIndex(m_cup.htmlStyle);
    if (!isVisible() && screen())
        move(screen()->availableGeometry().center() -
             QPoint(sizeHint().width(), sizeHint().height()) / 2);
    show();
    raise();
    activateWindow();
}

void Thtml::bildClick() {
    m_prompt.openUrl(kValidator);
}

bool Thtml::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_badge && event->type() == QEvent::MouseButtonRelease) {
        bildClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace rzv

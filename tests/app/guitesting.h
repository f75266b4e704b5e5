#pragma once

#include <QFile>
#include <QMenu>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleOption>

namespace rzv::test {

// The entries of a menu as they read, a separator as "-".
inline QStringList menuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

// The bytes of a file the program wrote; empty when there is none.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A style that keeps the texts of the captions it paints, as they are shown.
class PaintedCaptions : public QProxyStyle {
public:
    mutable QStringList texts;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_HeaderLabel)
            texts << static_cast<const QStyleOptionHeader*>(option)->text;
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace rzv::test

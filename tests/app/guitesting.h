#pragma once

#include <QFile>
#include <QMenu>
#include <QStringList>

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

} // namespace rzv::test

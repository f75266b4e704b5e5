#include "ui/remembered.h"

#include "cup/product.h"

#include <QDir>
#include <QSettings>
#include <QUrl>

namespace rzv {

QString Remembered::cupKey(const QString& cupFile) const {
    // A path holds "/", which would make settings groups of its parts.
    return m_group + QStringLiteral("/Cup-") +
           QString::fromLatin1(QUrl::toPercentEncoding(QDir::cleanPath(cupFile)));
}

QString Remembered::lastKey() const {
    return m_group + QStringLiteral("/zuletzt");
}

QString Remembered::forCup(const QString& cupFile) const {
    if (cupFile.isEmpty()) return {};
    return QSettings(kProduktname, kProduktname).value(cupKey(cupFile)).toString();
}

QString Remembered::last() const {
    return QSettings(kProduktname, kProduktname).value(lastKey()).toString();
}

void Remembered::remember(const QString& cupFile, const QString& value) const {
    QSettings settings(kProduktname, kProduktname);
    if (!cupFile.isEmpty()) settings.setValue(cupKey(cupFile), value);
    settings.setValue(lastKey(), value);
}

} // namespace rzv

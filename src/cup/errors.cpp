#include "cup/errors.h"

namespace rzv {

RzvError::RzvError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

RzvError conversionError(const QString& text) {
    return RzvError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
}

RzvError ioError(int errorNumber) {
    return RzvError(QStringLiteral("I/O-Fehler %1").arg(errorNumber));
}

} // namespace rzv

#include "cup/errors.h"

#include <new>

namespace rzv {

RzvError::RzvError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

RzvError conversionError(const QString& text) {
    return RzvError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
}

RzvError ioError(int errorNumber) {
    return RzvError(QStringLiteral("I/O-Fehler %1").arg(errorNumber));
}

bool runOperation(const std::function<void()>& operation,
                  const std::function<void(const QString&)>& showError) {
    try {
        operation();
        return true;
    } catch (const RzvError& error) {
        showError(error.message());
    } catch (const std::bad_alloc&) {
        showError(QStringLiteral("Der Arbeitsspeicher reicht für diesen Vorgang nicht aus; er wurde "
                                 "abgebrochen."));
    }
    return false;
}

} // namespace rzv

#pragma once

#include <QByteArray>
#include <QString>
#include <exception>
#include <functional>

namespace rzv {

// An error that stops the running operation; its message is shown to the user as it stands.
class RzvError : public std::exception {
public:
    explicit RzvError(QString message);
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// "'%s' ist kein gültiger Integerwert": a stored value that does not read as a whole number.
RzvError conversionError(const QString& text);
// "I/O-Fehler %d" with the system's error number.
RzvError ioError(int errorNumber);

// Runs one operation of the user to its end or to an error that stops it: an RzvError, or the
// memory running out, which stops it with a message of its own instead of ending the program.
// The message goes to showError; returns false when the operation stopped.
bool runOperation(const std::function<void()>& operation,
                  const std::function<void(const QString&)>& showError);

} // namespace rzv

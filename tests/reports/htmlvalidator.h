#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryFile>

namespace rzv::test {

// The SGML check of the W3C validator for HTML 4.01 pages: Debian's onsgmls with the catalog of
// w3c-sgml-lib, reading the page as UTF-8.
inline QString onsgmlsProgram() {
    return QStandardPaths::findExecutable(QStringLiteral("onsgmls"));
}

inline QString w3cCatalog() {
    const QString path = QStringLiteral("/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc");
    return QFile::exists(path) ? path : QString();
}

inline bool validatorAvailable() {
    return !onsgmlsProgram().isEmpty() && !w3cCatalog().isEmpty();
}

// The validator's messages about the page; empty when it is valid.
inline QString sgmlErrors(const QByteArray& page) {
    QTemporaryFile file;
    if (!file.open()) return QStringLiteral("cannot write the page to check it");
    file.write(page);
    file.close();
    QProcess onsgmls;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SP_CHARSET_FIXED"), QStringLiteral("YES"));
    environment.insert(QStringLiteral("SP_ENCODING"), QStringLiteral("UTF-8"));
    onsgmls.setProcessEnvironment(environment);
    onsgmls.start(onsgmlsProgram(),
                  {QStringLiteral("-s"), QStringLiteral("-c"), w3cCatalog(), file.fileName()});
    if (!onsgmls.waitForFinished(60000)) return QStringLiteral("onsgmls did not finish");
    const QString messages = QString::fromUtf8(onsgmls.readAllStandardError());
    if (onsgmls.exitCode() != 0 && messages.isEmpty()) return QStringLiteral("onsgmls failed");
    return messages;
}

} // namespace rzv::test

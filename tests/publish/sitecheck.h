#pragma once
// Checks of a written website: the structure every page must have, every link resolving to a
// file of the folder, and the Nu HTML checker when it is installed.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace rzv::test {

inline QByteArray dateiBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What is wrong with the structure of a page, empty when nothing: the head an HTML5 page in
// German needs; elements closed in the order they were opened; table rows only in a table's
// head or body and cells only in rows; "&" only as an entity.
inline QString strukturfehler(const QString& seite) {
    for (const char* pflicht : {"<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n",
                                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
                                "</html>\n"})
        if (!seite.contains(QString::fromUtf8(pflicht))) return QStringLiteral("ohne ") + QString::fromUtf8(pflicht);
    static const QStringList leer{"meta", "link", "input", "br"};
    static const QHash<QString, QStringList> eltern{{"tr", {"thead", "tbody"}},
                                                    {"td", {"tr"}}, {"th", {"tr"}},
                                                    {"thead", {"table"}}, {"tbody", {"table"}},
                                                    {"caption", {"table"}}};
    static const QRegularExpression tag(QStringLiteral("<(/?)([a-zA-Z][a-zA-Z0-9]*)[^<>]*>"));
    QStringList offen;
    for (const QRegularExpressionMatch& m : tag.globalMatch(seite)) {
        const QString name = m.captured(2).toLower();
        if (m.captured(1).isEmpty()) {
            if (eltern.contains(name) && (offen.isEmpty() || !eltern[name].contains(offen.last())))
                return QStringLiteral("<%1> in <%2>").arg(name, offen.value(offen.size() - 1));
            if (!leer.contains(name)) offen << name;
        } else if (offen.isEmpty() || offen.takeLast() != name) {
            return QStringLiteral("</%1> schließt nicht das zuletzt Geöffnete").arg(name);
        }
    }
    if (!offen.isEmpty()) return QStringLiteral("nicht geschlossen: ") + offen.join(u' ');
    static const QRegularExpression amp(QStringLiteral("&(?!amp;|lt;|gt;|quot;)"));
    if (seite.contains(amp)) return QStringLiteral("& ohne Entity");
    return {};
}

// Every file a page links to or loads (href and src, without query and anchor).
inline QStringList verweise(const QString& seite) {
    static const QRegularExpression ziel(QStringLiteral("(?:href|src)=\"([^\"#?]*)"));
    QStringList ziele;
    for (const QRegularExpressionMatch& m : ziel.globalMatch(seite))
        ziele << m.captured(1);
    return ziele;
}

// The Nu HTML checker (npm package vnu-jar, run by Java), or empty when it is not installed.
inline QString nuChecker() {
    QStringList orte{qEnvironmentVariable("RZV_VNU_JAR")};
    for (const char* wurzel : {"/usr/lib/node_modules", "/usr/local/lib/node_modules"})
        orte << QString::fromUtf8(wurzel) + QStringLiteral("/vnu-jar/build/dist/vnu.jar");
    for (const QString& ort : orte)
        if (!ort.isEmpty() && QFile::exists(ort)) return ort;
    return {};
}

// The checker's errors about the pages of a folder; empty when they are valid.
inline QString nuFehler(const QString& ordner) {
    QProcess java;
    java.start(QStringLiteral("java"), {QStringLiteral("-jar"), nuChecker(),
                                        QStringLiteral("--errors-only"),
                                        QStringLiteral("--skip-non-html"), ordner});
    if (!java.waitForFinished(300000)) return QStringLiteral("vnu did not finish");
    return QString::fromUtf8(java.readAllStandardError() + java.readAllStandardOutput());
}

} // namespace rzv::test

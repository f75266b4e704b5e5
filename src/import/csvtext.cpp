#include "import/csvtext.h"

#include "cup/errors.h"
#include "cup/textorder.h"

#include <QStringDecoder>

namespace rzv {

namespace {

bool isTextControl(QChar ch) { return ch == u'\t' || ch == u'\n' || ch == u'\r' || ch == u'\f'; }

bool isText(const QString& text) {
    for (const QChar ch : text)
        if ((ch.unicode() < 0x20 && !isTextControl(ch)) || ch.unicode() == 0x7F) return false;
    return true;
}

// The text in the given encoding, or nothing when the bytes are not valid in it.
std::optional<QString> decodeStrictly(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) return std::nullopt;
    return text;
}

// UTF-16 without a byte order mark, told by its zero bytes: text files in the other encodings
// hold none, and in UTF-16 every character of Latin script, digit, delimiter and line end has
// one, in the second byte of the pair (little endian) or the first (big endian).
std::optional<QStringConverter::Encoding> utf16ByZeroBytes(QByteArrayView bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    qsizetype zeroFirst = 0;
    qsizetype zeroSecond = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        zeroFirst += bytes[i] == 0;
        zeroSecond += bytes[i + 1] == 0;
    }
    const qsizetype pairs = bytes.size() / 2;
    if (zeroSecond * 2 >= pairs && zeroFirst < zeroSecond) return QStringConverter::Utf16LE;
    if (zeroFirst * 2 >= pairs && zeroSecond < zeroFirst) return QStringConverter::Utf16BE;
    return std::nullopt;
}

CsvText decode(const QByteArray& bytes) {
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) {
        if (auto text = decodeStrictly(QStringConverter::Utf8, view.sliced(3)))
            return {*text, QStringLiteral("UTF-8")};
        throw RzvError(QStringLiteral("Die Datei beginnt als UTF-8-Text, enthält aber Bytes, die "
                                      "kein UTF-8 sind."));
    }
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        const bool littleEndian = encoding == QStringConverter::Utf16LE;
        if (view.startsWith(littleEndian ? "\xFF\xFE" : "\xFE\xFF")) {
            if (auto text = decodeStrictly(encoding, view.sliced(2)))
                return {*text, QStringLiteral("UTF-16")};
            throw RzvError(QStringLiteral("Die Datei beginnt als UTF-16-Text, ist aber keiner."));
        }
    }
    if (const auto encoding = utf16ByZeroBytes(view))
        if (auto text = decodeStrictly(*encoding, view)) return {*text, QStringLiteral("UTF-16")};
    if (auto text = decodeStrictly(QStringConverter::Utf8, view)) return {*text, QStringLiteral("UTF-8")};
    return {decodeCp1252(bytes), QStringLiteral("Windows-1252")};
}

} // namespace

CsvText decodeCsvText(const QByteArray& bytes) {
    CsvText result = decode(bytes);
    if (!isText(result.text))
        throw RzvError(QStringLiteral("Die Datei ist keine Textdatei (sie enthält Steuerzeichen)."));
    if (result.text.trimmed().isEmpty()) throw RzvError(QStringLiteral("Die Datei ist leer."));
    return result;
}

} // namespace rzv

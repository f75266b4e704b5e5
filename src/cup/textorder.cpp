#include "cup/textorder.h"

#include <array>

namespace rzv {

namespace {

// Unicode characters of the Windows-1252 bytes 0x80..0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QString decodeCp1252(const char* data, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

std::optional<unsigned char> cp1252Code(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == ch) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

qsizetype firstUnencodable(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!cp1252Code(text[i].unicode())) return i;
    return -1;
}

qsizetype firstControlChar(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].category() == QChar::Other_Control) return i;
    return -1;
}

void appendCp1252(QByteArray& out, QStringView text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* dest = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        dest[i] = static_cast<char>(ch < 0x80 ? static_cast<unsigned char>(ch) : cp1252Code(ch).value_or('?'));
    }
}

namespace {

char32_t plainCode(char16_t ch) {
    if (ch < 0x80) return ch;
    if (const auto code = cp1252Code(ch)) return *code;
    return 0x100 + static_cast<char32_t>(ch);
}

char32_t orderCode(char16_t ch) {
    return (ch >= u'a' && ch <= u'z') ? ch - (u'a' - u'A') : plainCode(ch);
}

template <char32_t (*Code)(char16_t)> std::u32string keyOf(QStringView text) {
    std::u32string key(static_cast<size_t>(text.size()), U'\0');
    for (qsizetype i = 0; i < text.size(); ++i) key[static_cast<size_t>(i)] = Code(text[i].unicode());
    return key;
}

} // namespace

std::u32string textKey(QStringView text) { return keyOf<orderCode>(text); }

std::u32string codeKey(QStringView text) { return keyOf<plainCode>(text); }

int textCompare(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char32_t ca = orderCode(a[i].unicode());
        const char32_t cb = orderCode(b[i].unicode());
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

QString copyChars(const QString& text, int from, int count) {
    if (from < 1 || count <= 0 || from > text.size()) return QString();
    return text.mid(from - 1, count);
}

QString dateKey(const QString& date) {
    return copyChars(date, 7, 4) + copyChars(date, 4, 2) + copyChars(date, 1, 2);
}

} // namespace rzv

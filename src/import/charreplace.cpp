#include "import/charreplace.h"

#include "cup/textorder.h"

namespace rzv {

namespace {

// Letters whose decomposition keeps no plain base letter.
struct Plain {
    char16_t letter;
    const char16_t* plain;
};
constexpr Plain kPlainLetters[] = {
    {u'ł', u"l"}, {u'Ł', u"L"}, {u'đ', u"d"}, {u'Đ', u"D"}, {u'ı', u"i"}, {u'ħ', u"h"},
    {u'Ħ', u"H"}, {u'ŧ', u"t"}, {u'Ŧ', u"T"}, {u'ŀ', u"l"}, {u'Ŀ', u"L"}, {u'ə', u"e"},
    {u'Ə', u"E"}, {u'ĸ', u"k"}, {u'ŉ', u"n"}, {u'ǆ', u"dz"}, {u'Ǆ', u"DZ"}, {u'ǅ', u"Dz"},
};

bool isMark(QChar ch) {
    return ch.category() == QChar::Mark_NonSpacing || ch.category() == QChar::Mark_SpacingCombining ||
           ch.category() == QChar::Mark_Enclosing;
}

// The replacement of one character, or nothing. A combining mark of its own (one that formed no
// letter of the file, like the ring of "e" and U+030A) goes the way of every other diacritic.
std::optional<QString> replaceChar(QStringView ch) {
    for (const Plain& p : kPlainLetters)
        if (ch.size() == 1 && ch[0] == QChar(p.letter)) return QString::fromUtf16(p.plain);
    if (isMark(ch[0])) return QString();
    QString base;
    for (const QChar part : ch.toString().normalized(QString::NormalizationForm_D))
        if (!isMark(part)) base.append(part);
    if (base.isEmpty() || firstUnencodable(base) >= 0) return std::nullopt;
    return base;
}

} // namespace

std::optional<QString> cp1252Replacement(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView ch = QStringView(text).mid(i, length);
        if (firstUnencodable(ch) < 0) {
            result.append(ch);
        } else if (const auto plain = replaceChar(ch)) {
            result.append(*plain);
        } else {
            return std::nullopt;
        }
        i += length;
    }
    if (result.isEmpty()) return std::nullopt;
    return result;
}

} // namespace rzv

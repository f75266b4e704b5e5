#include "identity/spelling.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace rzv {

namespace {

// Letters written as other letters rather than with an accent, so that taking the accents off
// does not reach them.
const char16_t* spelledOut(char16_t c) {
    switch (c) {
    case u'ä': return u"ae";
    case u'ö': return u"oe";
    case u'ü': return u"ue";
    case u'ß': return u"ss";
    case u'æ': return u"ae";
    case u'œ': return u"oe";
    case u'ø': return u"o";
    case u'ł': return u"l";
    case u'đ': return u"d";
    case u'ð': return u"d";
    case u'ħ': return u"h";
    case u'ı': return u"i";
    case u'ŧ': return u"t";
    case u'þ': return u"th";
    default: return nullptr;
    }
}

bool isSeparator(QChar c) {
    switch (c.unicode()) {
    case u'-': case u'\'': case u'.': case u'`': case u'´':
    case u'‐': case u'‑': case u'‒': case u'–': case u'—': case u'―':
    case u'‘': case u'’': case u'‛': case u'ʼ':
        return true;
    default:
        return c.isSpace();
    }
}

bool isMark(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

bool isAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// Blanks in place of separators, one blank per run, none at the ends.
QString joinWords(const QString& text, bool (*separates)(QChar)) {
    QString out;
    out.reserve(text.size());
    bool blank = false;
    for (const QChar c : text) {
        if (separates(c)) {
            blank = !out.isEmpty();
            continue;
        }
        if (blank) out += u' ';
        blank = false;
        out += c;
    }
    return out;
}

bool isClubSeparator(QChar c) { return !c.isLetterOrNumber(); }

} // namespace

QString foldSpelling(const QString& text) {
    if (isAscii(text)) return joinWords(text.toLower(), isSeparator);
    // Composed first, so that a u with a combining diaeresis is an ü like any other.
    const QString lower = text.normalized(QString::NormalizationForm_C).toLower();
    QString spelled;
    spelled.reserve(lower.size() + 4);
    for (const QChar c : lower) {
        if (const char16_t* letters = spelledOut(c.unicode()))
            spelled += QString::fromUtf16(letters);
        else
            spelled += c;
    }
    QString bare;
    for (const QChar c : spelled.normalized(QString::NormalizationForm_D))
        if (!isMark(c)) bare += c;
    return joinWords(bare, isSeparator);
}

QString foldClub(const QString& text) {
    QStringList words = joinWords(foldSpelling(text), isClubSeparator).split(u' ', Qt::SkipEmptyParts);
    // "e.V." and "e. V." read as the words "e" and "v"; "eV" is one word.
    for (qsizetype i = 0; i < words.size();) {
        if (words[i] == u"ev")
            words.removeAt(i);
        else if (words[i] == u"e" && i + 1 < words.size() && words[i + 1] == u"v")
            words.remove(i, 2);
        else
            ++i;
    }
    return words.join(u' ');
}

int lettersApart(QStringView a, QStringView b, int limit) {
    if (a.size() > b.size()) std::swap(a, b);
    const qsizetype n = a.size();
    const qsizetype m = b.size();
    if (m - n > limit) return -1;
    // The edit distance within a band of `limit` around the diagonal; cells outside it count as
    // above the limit. Two rows of the table, on the stack for names of usual length.
    const int above = limit + 1;
    constexpr qsizetype kOnStack = 128;
    int stackRows[2][kOnStack + 1];
    std::vector<int> heapRows;
    int* previous = stackRows[0];
    int* current = stackRows[1];
    if (n > kOnStack) {
        heapRows.resize(static_cast<size_t>(2 * (n + 1)));
        previous = heapRows.data();
        current = heapRows.data() + n + 1;
    }
    for (qsizetype i = 0; i <= n; ++i) previous[i] = i <= limit ? int(i) : above;
    for (qsizetype j = 1; j <= m; ++j) {
        const qsizetype from = std::max<qsizetype>(1, j - limit);
        const qsizetype to = std::min<qsizetype>(n, j + limit);
        current[0] = j <= limit ? int(j) : above;
        if (from > 1) current[from - 1] = above;
        int best = current[0];
        for (qsizetype i = from; i <= to; ++i) {
            const int replace = previous[i - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            const int insert = (i < j + limit ? previous[i] : above) + 1;
            const int leave = current[i - 1] + 1;
            current[i] = std::min({replace, insert, leave, above});
            best = std::min(best, current[i]);
        }
        if (to < n) current[to + 1] = above;
        if (best > limit) return -1;
        std::swap(previous, current);
    }
    return previous[n] <= limit ? previous[n] : -1;
}

} // namespace rzv

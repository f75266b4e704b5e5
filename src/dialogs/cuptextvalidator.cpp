#include "dialogs/cuptextvalidator.h"

#include "cup/textorder.h"

#include <QLineEdit>

namespace rzv {

namespace {

int refusedCharacters(QStringView text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView ch = text.mid(i, 1);
        if (ch[0] == u'|' || firstUnencodable(ch) >= 0 || firstControlChar(ch) >= 0) ++count;
    }
    return count;
}

} // namespace

CupTextValidator::CupTextValidator(QLineEdit* field)
    : QValidator(field), m_refusedInText(refusedCharacters(field->text())) {
    // The field's text is also set without validation (from the cup), so it is counted on every
    // change.
    connect(field, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_refusedInText = refusedCharacters(text); });
}

QValidator::State CupTextValidator::validate(QString& input, int& /*pos*/) const {
    return refusedCharacters(input) <= m_refusedInText ? Acceptable : Invalid;
}

} // namespace rzv

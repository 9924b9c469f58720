#include "window/upper_case_line_edit.h"

#include <QScopedValueRollback>
#include <QValidator>

#include <algorithm>

namespace velmar {

namespace {

// Unicode's mandatory line breaks: LF, VT, FF, CR, NEL, the line and the
// paragraph separator.
bool IsLineBreak(QChar character)
{
    switch (character.unicode()) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u0085':
    case u'\u2028':
    case u'\u2029':
        return true;
    default:
        return false;
    }
}

qsizetype FirstLineBreak(const QString& text)
{
    const auto found = std::find_if(text.cbegin(), text.cend(), IsLineBreak);
    return found == text.cend() ? -1 : found - text.cbegin();
}

} // namespace

// Sees the whole text after each change, with the caret just after what was
// typed, pasted or dropped.
class UpperCaseLineEdit::UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;

    bool upperCasing = true;

    State validate(QString& text, int& caret) const override
    {
        // The box never holds a line break, so the first one lies in what was
        // just inserted: the rest of that goes, the text after it stays.
        if (const qsizetype cut = FirstLineBreak(text); cut >= 0) {
            text.remove(cut, caret - cut);
            caret = static_cast<int>(cut);
        }
        if (upperCasing) {
            for (QChar& character : text)
                character = character.toUpper();
        }
        return Acceptable;
    }
};

UpperCaseLineEdit::UpperCaseLineEdit(QWidget* parent)
    : QLineEdit(parent)
    , validator_(new UpperCaseValidator(this))
{
    setValidator(validator_);
}

void UpperCaseLineEdit::setTextAsGiven(const QString& text)
{
    QScopedValueRollback<bool> asGiven(validator_->upperCasing, false);
    QLineEdit::setText(text);
}

} // namespace velmar

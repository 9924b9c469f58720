#include "window/upper_case_line_edit.h"

#include <QScopedValueRollback>
#include <QValidator>

namespace velmar {

// Upper-cases in place, one character for one, so the caret keeps its place.
class UpperCaseLineEdit::UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;

    bool enabled = true;

    State validate(QString& text, int&) const override
    {
        if (enabled) {
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
    QScopedValueRollback<bool> asGiven(validator_->enabled, false);
    QLineEdit::setText(text);
}

} // namespace velmar

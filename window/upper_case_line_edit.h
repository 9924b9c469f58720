#pragma once

#include <QLineEdit>

namespace velmar {

// An edit box that shows and keeps in upper case every letter the user types
// or pastes. Text set by the program stays as given: it reaches the
// converters exactly as it was stored or computed.
class UpperCaseLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit UpperCaseLineEdit(QWidget* parent = nullptr);

    // Hides QLineEdit::setText, which would run the upper-casing too. Raises
    // textChanged only when the text differs.
    void setText(const QString& text);

private:
    class UpperCaseValidator;
    UpperCaseValidator* validator_;
};

} // namespace velmar

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

    // Sets the text exactly as given, where QLineEdit::setText would upper-case
    // it. Raises textChanged only when the text differs.
    void setTextAsGiven(const QString& text);

private:
    class UpperCaseValidator;
    UpperCaseValidator* validator_;
};

} // namespace velmar

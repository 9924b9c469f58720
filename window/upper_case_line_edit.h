#pragma once

#include <QLineEdit>

namespace velmar {

// An edit box that shows and keeps in upper case every letter the user types
// or pastes. Text set by the program stays as given: it reaches the
// converters exactly as it was stored or computed. The box holds one line:
// pasted or dropped text ends at its first line break, as in single-line
// boxes elsewhere on the desktop, and so does text set by the program.
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

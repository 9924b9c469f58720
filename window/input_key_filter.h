#pragma once

#include <QChar>
#include <QString>

namespace velmar {

// Whether the input box accepts a typed character while the tab with this
// caption is selected. Control characters 1 to 31 always pass so that the
// editing keys keep working. Under "Numbers" (exactly) digits and the letters
// A to Z in either case pass; under every other caption digits, "+", "-",
// ".", "E" and "e".
bool IsAcceptedInputKey(const QString& tabCaption, QChar key);

// The character a typed key puts into the input box. Numbers are read with
// "." alone, so where the regional decimal mark is another one (German ","),
// that mark, from the main keyboard or the keypad, types "."; every other key
// types itself. A regional mark longer than one character maps nothing.
QChar TypedInputCharacter(QChar key, const QString& regionalDecimalMark);

} // namespace velmar

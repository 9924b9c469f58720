#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QStyle>

class QDialog;
class QPushButton;
class QString;
class QWidget;

namespace velmar {

// The face of dialog labels and buttons: "MS Sans Serif", 11 pixels high.
QFont DialogControlFont();

// A font by face name and pixel height; faces the system lacks fall back to
// one of the same kind.
QFont FontByPixels(const QString& face, int pixelHeight, QFont::StyleHint kind);

// Caption, a fixed client area, a title bar with only the close box, and a
// place in the centre of the owner's screen.
void MakeFixedDialog(QDialog& dialog, const QString& caption, QSize clientSize);

// A push button at its design place showing a standard glyph before its caption.
QPushButton* MakeGlyphButton(QWidget* parent, const QString& objectName, const QString& caption,
                             QStyle::StandardPixmap glyph, QRect geometry);

// The Help button: its glyph alone.
QPushButton* MakeHelpButton(QWidget* parent, QRect geometry);

// "OK": the default button (Enter), closing the dialog as confirmed.
QPushButton* MakeOkButton(QDialog& dialog, QRect geometry);

// "Cancel": closes the dialog as cancelled, as Escape does.
QPushButton* MakeCancelButton(QDialog& dialog, QRect geometry);

// "Reset": shows the dialog's original choices again; `description` tells a
// screen reader which. Enter keeps pressing the default button.
QPushButton* MakeResetButton(QDialog& dialog, QRect geometry, const QString& description);

} // namespace velmar

#pragma once

#include <QStringList>

class QDialog;
class QListWidget;
class QString;

namespace velmar {

struct FontChoice;

// The prompt and the single-selection list of tab captions that both category
// dialogs open with. The list shows in the converter's text font; the prompt
// keeps the dialog control face.
QListWidget* MakeCategoryList(QDialog& dialog, const QString& prompt, const QStringList& captions,
                              const FontChoice& textFont);

} // namespace velmar

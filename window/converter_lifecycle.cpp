#include "packaging/product.h"
#include "window/converter_window.h"
#include "window/utf8_text.h"

namespace velmar {

// Runs as the last step of building the window. An error skips the remaining
// steps; the constructor reports it and the window is still shown.
void Tfrm_Converter::FormCreate()
{
    setWindowTitle(QString::fromUtf8(ApplicationTitle));
    categoryDisplayNames_.clear();
    for (int category = 0; category < CategoryCount; ++category)
        categoryDisplayNames_.append(ToQString(categoryInfo(category).DisplayName));
    focusedTextBox_ = nullptr;
    state_.PendingCategory = NoSwitchPending;
    catalogue_.BuildUnitTables();
    RebuildUnitNameLists();
    LoadSettings();
}

// Runs first when the window is taken down. An error skips the remaining
// steps; the destructor reports it and the program still ends.
void Tfrm_Converter::FormDestroy()
{
    SaveSettings();
    categoryDisplayNames_.clear();
    ReleaseUnitNameLists();
}

} // namespace velmar

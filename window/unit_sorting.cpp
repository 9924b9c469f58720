#include "converter_window.h"

namespace velmar {

void Tfrm_Converter::mnu_SortUnitLists1Click(QObject*) {}

} // namespace velmar

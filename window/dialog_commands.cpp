#include "converter_window.h"

namespace velmar {

void Tfrm_Converter::mnu_Result1Click(QObject*) {}

void Tfrm_Converter::mnu_Fonts1Click(QObject*) {}

void Tfrm_Converter::mnu_ChooseUnitCategory1Click(QObject*) {}

void Tfrm_Converter::mnu_ArrangeOrderofCategories1Click(QObject*) {}

void Tfrm_Converter::Calculator1Click(QObject*) {}

void Tfrm_Converter::mnu_MetricPrefixes1Click(QObject*) {}

void Tfrm_Converter::mnu_Contents1Click(QObject*) {}

void Tfrm_Converter::mnu_SearchforHelpOn1Click(QObject*) {}

void Tfrm_Converter::mnu_HowtoUseHelp1Click(QObject*) {}

void Tfrm_Converter::mnu_About1Click(QObject*) {}

} // namespace velmar

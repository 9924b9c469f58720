#include <QCoreApplication>

#include "converter_window.h"

namespace velmar {

void Tfrm_Converter::mnu_Exit1Click(QObject*)
{
    // Ends the message loop; taking the window down then runs FormDestroy.
    QCoreApplication::exit(0);
}

void Tfrm_Converter::mnu_Edit1Click(QObject*) {}

void Tfrm_Converter::mnu_Cut1Click(QObject*) {}

void Tfrm_Converter::mnu_Copy1Click(QObject*) {}

void Tfrm_Converter::mnu_Paste1Click(QObject*) {}

void Tfrm_Converter::mnu_ReverseSelectedUnits1Click(QObject*) {}

void Tfrm_Converter::mnu_ClearInputTextBox1Click(QObject*) {}

void Tfrm_Converter::mnu_Reset1Click(QObject*) {}

} // namespace velmar

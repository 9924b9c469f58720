#include <QApplication>
#include <QLocale>

#include "packaging/product.h"
#include "settings/regional_marks.h"
#include "widgets/application_icon.h"
#include "widgets/design_fonts.h"
#include "window/converter_window.h"
#include "window/termination_signals.h"

// Takes no arguments of its own and always ends with exit code 0.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    velmar::SubstituteDesignFonts();
    velmar::QuitOnTerminationSignals();
    const velmar::RegionalMarks marks = velmar::ReadRegionalMarks(QLocale::system());
    QApplication::setWindowIcon(velmar::ApplicationIcon());
    // Lets the desktop match the windows with the installed entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(velmar::ApplicationId));

    velmar::Tfrm_Converter frm_Converter(marks);
    if (velmar::TerminationRequested())
        return 0; // asked to stop during start-up: the window is taken down unseen, saving as usual
    frm_Converter.show();
    frm_Converter.raise();
    frm_Converter.activateWindow();
    QApplication::exec();
    return 0;
}

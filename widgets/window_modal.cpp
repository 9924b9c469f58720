#include "widgets/window_modal.h"

#include <QDialog>

namespace velmar {

int RunWindowModal(QDialog& dialog)
{
    if (dialog.parentWidget() != nullptr)
        dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

} // namespace velmar

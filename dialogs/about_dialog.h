#pragma once

#include <QDialog>

namespace velmar {

class UnitCatalogue;

// "About": title, version, ownership, credits, contacts, the number of units
// the converter knows and the platform.
class Tfrm_About : public QDialog {
    Q_OBJECT

public:
    Tfrm_About(QWidget* owner, int totalUnits);
};

// Shows the About window modally over `owner` until it is closed.
void RunAboutDialog(QWidget* owner, const UnitCatalogue& catalogue);

} // namespace velmar

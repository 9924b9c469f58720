#include "dialogs/reference/help_browser.h"

#include <QHelpEngineCore>

namespace velmar {

HelpBrowser::HelpBrowser(const QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent)
    , engine_(engine)
{ }

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

} // namespace velmar

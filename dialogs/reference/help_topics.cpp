#include "dialogs/reference/help_topics.h"

#include "dialogs/reference/help_window.h"
#include "dialogs/reference/help_window_host.h"

namespace velmar {

void ShowHelpTopic(const QString& contextString)
{
    presentHelpWindow().showTopic(contextString);
}

void ShowHelpContents()
{
    presentHelpWindow().showContents();
}

void ShowHelpKeywordSearch()
{
    presentHelpWindow().showKeywordSearch();
}

void ShowHelpOnHelp()
{
    presentHelpWindow().showTopic(QStringLiteral("HowToUseHelp"));
}

} // namespace velmar

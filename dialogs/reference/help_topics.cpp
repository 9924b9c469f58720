#include "help_topics.h"

#include "help_window.h"
#include "help_window_host.h"

namespace velmar {

void ShowHelpTopic(const QString& contextString)
{
    HelpWindowHost::present().showTopic(contextString);
}

void ShowHelpContents()
{
    HelpWindowHost::present().showContents();
}

void ShowHelpKeywordSearch()
{
    HelpWindowHost::present().showKeywordSearch();
}

void ShowHelpOnHelp()
{
    HelpWindowHost::present().showTopic(QStringLiteral("HowToUseHelp"));
}

} // namespace velmar

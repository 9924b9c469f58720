#pragma once

#include <QString>

namespace velmar {

// The name the application holds for its help; it resolves to the help
// collection shipped with the program.
inline constexpr char HelpFileName[] = "TOLVANEX.HLP";

// Opens the help window's contents, then the topic with this context string
// ("MetricPrefixes", "NumberFormatScreen", ...).
void ShowHelpTopic(const QString& contextString);

// Opens the help window on its contents page.
void ShowHelpContents();

// Opens the help window's keyword index with the search box focused.
void ShowHelpKeywordSearch();

// Opens the topic that explains how to use the help window.
void ShowHelpOnHelp();

} // namespace velmar

#pragma once
// Help topics by context number. A help file "NAME.HLP" is the folder NAME beside the library,
// holding one page "<context>.html" per topic; a missing topic shows nothing.

#include <QString>

// The help file of every request of the module ("VESK2004.HLP" once a run has started).
QString HelpFile();
void SetHelpFile(const QString& file);

// Asks the viewer for the topic; answers whether it could show it.
bool ShowHelpTopic(const QString& file, int context);
inline bool ShowHelpTopic(int context) {
    return ShowHelpTopic(HelpFile(), context);
}
// The page a topic would open (for tests and the viewer).
QString HelpTopicPath(const QString& file, int context);

#pragma once

#include <QString>

namespace kordavel {

// What the help window explains: the full instructions, or the short notice
// for a device whose software cannot be configured.
enum class HelpTopic { Instructions, NotSuitable };

// Two-line notice for a device whose software cannot be configured.
QString notSuitableNotice();
// The full help text: nineteen lines joined by CR LF, the first one empty.
QString fullHelpText();
// The text the help window shows for a topic.
QString helpText(HelpTopic topic);

} // namespace kordavel

#pragma once

#include <QString>

namespace kordavel {

// The status text for which the help window shows the short notice.
inline constexpr char kNotSuitableMessage[] = "Not Suitable";

// Two-line notice for a device whose software cannot be configured.
QString notSuitableNotice();
// The full help text: nineteen lines joined by CR LF, the first one empty.
QString fullHelpText();
// The text the help window shows for the main window's status text.
QString helpTextFor(const QString &mainMessage);

} // namespace kordavel

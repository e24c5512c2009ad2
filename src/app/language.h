#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include <QTranslator>

namespace kordavel {

// The languages the window speaks, as two-letter codes, English (the
// program's own text, which needs no translation) first.
QStringList supportedLanguages();

// The language to show: the one asked for on the command line when given,
// else the first of the system's UI languages ("de-AT", "fr_BE", ...) that is
// supported. Anything unsupported gives "en", without a word.
QString chooseLanguage(const QString &asked, const QStringList &systemLanguages);

// Installs the program's translation of language and the toolkit's own (its
// buttons and menus), the latter looked for in folders in turn, and
// makes a locale of language the default one of the widgets (the system's
// when it speaks language, else language in the system's country). Returns the installed
// translators, which must outlive their use; none for English or when a file
// is missing, in which case those texts stay English.
std::vector<std::unique_ptr<QTranslator>> installLanguage(const QString &language,
                                                          const QStringList &toolkitFolders);

} // namespace kordavel

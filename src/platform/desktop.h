#pragma once

#include <QString>

class QWidget;

namespace kordavel {

// What the desktop offers the window beyond its own controls: choosing a
// file with the desktop's dialog and opening a file in its default program.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // The file the user chose to read or to write (filter as the toolkit's
    // dialogs take it); empty when the user cancelled.
    virtual QString chooseFileToOpen(QWidget *parent, const QString &title,
                                     const QString &filter) = 0;
    virtual QString chooseFileToSave(QWidget *parent, const QString &title,
                                     const QString &filter) = 0;
    // False when no program could be started for it.
    virtual bool openInDefaultProgram(const QString &path) = 0;
};

// The toolkit's dialogs and the desktop's file associations.
Desktop &systemDesktop();

} // namespace kordavel

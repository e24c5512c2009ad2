#include "desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace kordavel {

namespace {
class QtDesktop : public Desktop
{
public:
    QString chooseFileToOpen(QWidget *parent, const QString &title, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }
    QString chooseFileToSave(QWidget *parent, const QString &title, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, title, QString(), filter);
    }
    bool openInDefaultProgram(const QString &path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};
} // namespace

Desktop &systemDesktop()
{
    static QtDesktop desktop;
    return desktop;
}

} // namespace kordavel

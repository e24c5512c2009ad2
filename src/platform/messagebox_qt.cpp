#include "messagebox.h"

#include <QMessageBox>

namespace kordavel {

namespace {
class QtMessageBox : public MessageBox
{
public:
    void inform(QWidget *parent, const QString &title, const QString &text) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    }
};
} // namespace

MessageBox &systemMessageBox()
{
    static QtMessageBox box;
    return box;
}

} // namespace kordavel

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
    bool ask(QWidget *parent, const QString &title, const QString &question) override
    {
        QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};
} // namespace

MessageBox &systemMessageBox()
{
    static QtMessageBox box;
    return box;
}

} // namespace kordavel

#pragma once

#include <QString>

class QWidget;

namespace kordavel {

// Modal message boxes: a text with an OK button, or a question answered Yes or No.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Shows text under the given title and returns when the user has closed it.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
    // Asks question under the given title; true when the user answers Yes
    // (No is the default button and the answer to Escape).
    virtual bool ask(QWidget *parent, const QString &title, const QString &question) = 0;
};

// The toolkit's own modal message box.
MessageBox &systemMessageBox();

} // namespace kordavel

#pragma once

#include <QString>

class QWidget;

namespace kordavel {

// Modal message boxes with an OK button only.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Shows text under the given title and returns when the user has closed it.
    virtual void inform(QWidget *parent, const QString &title, const QString &text) = 0;
};

// The toolkit's own modal message box.
MessageBox &systemMessageBox();

} // namespace kordavel

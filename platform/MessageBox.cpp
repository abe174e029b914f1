#include "platform/MessageBox.h"

#include "platform/CursorOverride.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include <utility>

namespace {
MessageBoxHandler& handler()
{
    static MessageBoxHandler installed;
    return installed;
}
} // namespace

void MsgBox(const std::string& prompt, int flags, const std::optional<std::string>& title)
{
    const MessageBoxCall call{prompt, flags, title};
    if (handler()) {
        handler()(call);
        return;
    }

    // The box waits for the operator, whatever a run in progress shows meanwhile.
    const CursorOverride arrow(Qt::ArrowCursor);
    QMessageBox box;
    box.setIcon((flags & MessageBoxFlag::Critical) != 0 ? QMessageBox::Critical
                                                        : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowTitle(title ? QString::fromStdString(*title)
                             : QGuiApplication::applicationDisplayName());
    // The prompt goes as given, CR LF included: plain text breaks the line there (drawing the
    // CR as blank space at the line's end) and screen readers get the text unchanged. Plain text
    // also keeps "<" and "&" as they are.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt));
    box.exec();
}

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

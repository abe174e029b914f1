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

int& answer()
{
    static int next = MessageBoxResult::Yes;
    return next;
}
} // namespace

int MsgBox(const std::string& prompt, int flags, const std::optional<std::string>& title)
{
    const MessageBoxCall call{prompt, flags, title};
    const bool yesNo = (flags & MessageBoxFlag::YesNo) != 0;
    if (handler()) {
        handler()(call);
        return yesNo ? answer() : MessageBoxResult::Ok;
    }

    // The box waits for the operator, whatever a run in progress shows meanwhile.
    const CursorOverride arrow(Qt::ArrowCursor);
    QMessageBox box;
    box.setIcon((flags & MessageBoxFlag::Critical) != 0   ? QMessageBox::Critical
                : (flags & MessageBoxFlag::Question) != 0 ? QMessageBox::Question
                                                          : QMessageBox::NoIcon);
    box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setWindowTitle(title ? QString::fromStdString(*title)
                             : QGuiApplication::applicationDisplayName());
    // The prompt goes as given, CR LF included: plain text breaks the line there (drawing the
    // CR as blank space at the line's end) and screen readers get the text unchanged. Plain text
    // also keeps "<" and "&" as they are.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt));
    const int pressed = box.exec();
    if (!yesNo)
        return MessageBoxResult::Ok;
    return pressed == QMessageBox::Yes ? MessageBoxResult::Yes : MessageBoxResult::No;
}

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

void setMessageBoxAnswer(int next)
{
    answer() = next;
}

#include "platform/MessageBox.h"

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

    QMessageBox box;
    box.setIcon((flags & MessageBoxFlag::Critical) != 0 ? QMessageBox::Critical
                                                        : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowTitle(title ? QString::fromStdString(*title)
                             : QGuiApplication::applicationDisplayName());
    // CR LF is a line break in a prompt; plain text keeps "<" and "&" as they are.
    box.setTextFormat(Qt::PlainText);
    box.setText(
        QString::fromStdString(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.exec();
}

void setMessageBoxHandler(MessageBoxHandler newHandler)
{
    handler() = std::move(newHandler);
}

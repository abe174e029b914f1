#include "platform/FileDialog.h"

#include "platform/FileDialogFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QString>

#include <utility>

namespace {
FileDialogHandler& handler()
{
    static FileDialogHandler installed;
    return installed;
}
} // namespace

std::string ShowOpen(const std::string& filter)
{
    if (handler())
        return handler()(filter);

    // Native dialogs stay allowed: where the platform theme offers the desktop's own dialog, the
    // operator gets it in the desktop's language; elsewhere Qt draws its own, worded by Qt's
    // catalogue for the locale.
    const QString chosen = QFileDialog::getOpenFileName(
        nullptr, QString(), QString(), QString::fromStdString(qtFileDialogFilter(filter)));
    return QDir::toNativeSeparators(chosen).toStdString();
}

void setFileDialogHandler(FileDialogHandler newHandler)
{
    handler() = std::move(newHandler);
}

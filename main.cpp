#include "forms/AppIcon.h"
#include "forms/Loading.h"
#include "forms/frmSetting.h"
#include "platform/ProgramDirectory.h"
#include "platform/ProgressWindow.h"
#include "platform/Translations.h"

#include <QApplication>

#include <algorithm>

// The program has no start-up work of its own: it shows the settings dialog and runs until
// Tutup (exit status 0) or an unhandled-error report (exit status 1) ends the event loop.
int main(int argc, char** argv)
{
    // Only the program's own path goes to Qt: the program takes no command line options.
    int qtArgc = std::min(argc, 1);
    QApplication app(qtArgc, argv);
    // Before any window exists: captions and names are worded when the widgets are made.
    installTranslations(catalogueFolderOf(ProgramDirectory()));
    // The application name, not a display name: Qt appends a display name to every window
    // title, and the message boxes' titles must stay exactly as given.
    QApplication::setApplicationName(QStringLiteral("Patch"));
    QApplication::setApplicationVersion(QStringLiteral(TANDERA_VERSION));
    // Ties the windows to the installed menu entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(TANDERA_APP_ID));
    QApplication::setWindowIcon(appIcon());
    // Closing a message box must not end the program: the settings dialog is a tool window,
    // which Qt does not count as a reason to keep running. Only Tutup, the close box and the
    // error report end it.
    QApplication::setQuitOnLastWindowClosed(false);
    setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });

    frmSetting dialog;
    dialog.show();
    return QApplication::exec();
}

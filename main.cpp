#include "forms/AppIcon.h"
#include "forms/Loading.h"
#include "forms/frmSetting.h"
#include "modules/ChangeLog.h"
#include "modules/UndoRun.h"
#include "modules/UpdatePreview.h"
#include "modules/UpdateRun.h"
#include "platform/CommandLine.h"
#include "platform/ConsoleSeams.h"
#include "platform/DisplayConnection.h"
#include "platform/ErrorReport.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDirectory.h"
#include "platform/ProgressWindow.h"
#include "platform/StandardStreams.h"
#include "platform/Translations.h"

#include <QApplication>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr auto kProgramName = "tandera-patch";

// The application name, not a display name: Qt appends a display name to every window title,
// and the message boxes' titles must stay exactly as given.
void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Patch"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TANDERA_VERSION));
}

void writeError(const std::string& text)
{
    writeStandard(stderr, text + '\n');
}

// The program refuses to start rather than look for its data files anywhere but its folder:
// on standard error, and in a box too where an operator started it from the menu.
bool programDirectoryFound(bool window)
{
    const std::string problem = programDirectoryProblem();
    if (problem.empty())
        return true;
    writeError(std::string(kProgramName) + ": " + problem);
    if (window)
        MsgBox(problem, MessageBoxFlag::Critical);
    return false;
}

// One command-line action; everything it prints goes through writeStandard.
int runAction(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::Help:
        writeStandard(stdout, usageText(kProgramName));
        return 0;
    case CommandLine::Action::Version:
        writeStandard(stdout, std::string(kProgramName) + ' ' + TANDERA_VERSION + '\n');
        return 0;
    case CommandLine::Action::Misuse:
        writeError(std::string(kProgramName) + ": " + misuseText(line));
        writeStandard(stderr, usageText(kProgramName));
        return 2;
    case CommandLine::Action::Window:
        writeError(noDisplayText(kProgramName));
        return 1;
    case CommandLine::Action::Update:
    case CommandLine::Action::Preview:
    case CommandLine::Action::Undo:
    case CommandLine::Action::History:
        break;
    }
    if (!programDirectoryFound(false))
        return 1;
    installConsoleSeams();
    // A preview's or the history's lines, many of them: written in blocks.
    const auto print = [](const std::string& text) {
        writeStandard(stdout, text + '\n', false);
    };
    try {
        switch (line.action) {
        case CommandLine::Action::Preview:
            return RunPreview(line.path, print) ? 0 : 1;
        case CommandLine::Action::Undo:
            return RunUndo(line.path) ? 0 : 1;
        case CommandLine::Action::History:
            return RunHistory(line.path, print) ? 0 : 1;
        default:
            return RunUpdate(line.path) ? 0 : 1;
        }
    } catch (...) {
        ReportCurrentException();
        return 1;
    }
}

// Everything but the window: no display is needed, only the catalogue of the user's language.
// Output that cannot be written is reported once the action ends, in that language.
int runWithoutWindow(const CommandLine& line, char* programPath)
{
    int qtArgc = 1;
    char* qtArgv[] = {programPath, nullptr};
    const QCoreApplication app(qtArgc, qtArgv);
    installTranslations(kCatalogueFolder);
    nameApplication();
    return runWithCheckedOutput(kProgramName, [&line] { return runAction(line); });
}

} // namespace

// Without options the program shows the settings dialog and runs until Tutup (exit status 0) or
// an unhandled-error report (exit status 1) ends the event loop; --undo without a path shows the
// undo's dialogs and boxes alone. The options are read before any Qt application object exists,
// so that Qt's own (-platform and the rest) are refused too.
int main(int argc, char** argv)
{
    // Before Qt or SQLite open anything that could land on a closed standard descriptor.
    guardStandardStreams();
    CommandLine line = parseCommandLine(argc, argv);
    // The menu's undo picks its database in the file-open dialog.
    const bool undoWithDialogs = line.action == CommandLine::Action::Undo && line.path.empty();
    if (line.action != CommandLine::Action::Window && !undoWithDialogs)
        return runWithoutWindow(line, argv[0]);
    std::optional<DisplayConnection> display(std::in_place);
    if (!display->reached()) {
        if (undoWithDialogs)
            line = {CommandLine::Action::Misuse,
                    {},
                    CommandLine::Problem::NeedsPathWithoutDisplay,
                    "--undo"};
        return runWithoutWindow(line, argv[0]);
    }

    // Named to Qt when only one kind was reached, so that it does not try the other first.
    std::string platformOption = "-platform";
    std::string platform = display->platform();
    std::vector<char*> qtArgv{argv[0]};
    if (!platform.empty())
        qtArgv.insert(qtArgv.end(), {platformOption.data(), platform.data()});
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArgv.size()) - 1;
    QApplication app(qtArgc, qtArgv.data());
    display.reset(); // Qt has its own connection now
    // Before any window exists: captions and names are worded when the widgets are made.
    installTranslations(kCatalogueFolder);
    nameApplication();
    // Ties the windows to the installed menu entry, whose icon and name the desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral(TANDERA_APP_ID));
    QApplication::setWindowIcon(appIcon());
    if (undoWithDialogs) {
        try {
            return RunUndoWithDialogs() ? 0 : 1;
        } catch (...) {
            ReportCurrentException();
            return 1;
        }
    }
    if (!programDirectoryFound(true))
        return 1;
    // Closing a message box must not end the program: the settings dialog is a tool window,
    // which Qt does not count as a reason to keep running. Only Tutup, the close box and the
    // error report end it.
    QApplication::setQuitOnLastWindowClosed(false);
    setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });

    frmSetting dialog;
    dialog.show();
    return QApplication::exec();
}

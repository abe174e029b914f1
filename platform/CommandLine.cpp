#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

// The options that take a database path, and whether they do without one.
struct PathOption
{
    std::string_view name;
    CommandLine::Action action;
    bool pathOptional;
};
constexpr PathOption kPathOptions[] = {
    {"--update", CommandLine::Action::Update, false},
    {"--preview", CommandLine::Action::Preview, false},
    {"--undo", CommandLine::Action::Undo, true},
    {"--history", CommandLine::Action::History, false},
};

std::string trArg(const char* text, std::string_view argument)
{
    return QCoreApplication::translate("CommandLine", text)
        .arg(QString::fromLocal8Bit(argument.data(), qsizetype(argument.size())))
        .toStdString();
}

CommandLine misuse(CommandLine::Problem problem, std::string_view argument)
{
    return {CommandLine::Action::Misuse, {}, problem, std::string(argument)};
}

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv)
{
    using Problem = CommandLine::Problem;
    if (argc <= 1)
        return {};
    const std::string_view option = argv[1];
    const std::string_view name = option.substr(0, option.find('='));
    const bool joined = name.size() < option.size();
    CommandLine line;
    int used = 2;
    if (option == "--help") {
        line.action = CommandLine::Action::Help;
    } else if (option == "--version") {
        line.action = CommandLine::Action::Version;
    } else if (joined && (name == "--help" || name == "--version")) {
        return misuse(Problem::TakesNoArgument, name);
    } else {
        const auto* known = std::find_if(std::begin(kPathOptions), std::end(kPathOptions),
                                         [name](const PathOption& o) { return o.name == name; });
        if (known == std::end(kPathOptions))
            return misuse(Problem::UnknownOption, option);
        line.action = known->action;
        if (joined) {
            line.path = option.substr(name.size() + 1);
        } else if (argc > 2) {
            line.path = argv[2];
            used = 3;
        } else if (known->pathOptional) {
            return line;
        }
        if (line.path.empty())
            return misuse(Problem::NeedsPath, name);
    }
    if (argc > used)
        return misuse(Problem::ExtraArgument, argv[used]);
    return line;
}

std::string misuseText(const CommandLine& line)
{
    switch (line.problem) {
    case CommandLine::Problem::UnknownOption:
        return trArg(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'"), line.argument);
    case CommandLine::Problem::NeedsPath:
        return trArg(QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a database path"),
                     line.argument);
    case CommandLine::Problem::TakesNoArgument:
        return trArg(QT_TRANSLATE_NOOP("CommandLine", "option '%1' takes no argument"),
                     line.argument);
    case CommandLine::Problem::ExtraArgument:
        return trArg(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"), line.argument);
    case CommandLine::Problem::NeedsPathWithoutDisplay:
        return trArg(
            QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a database path without a display"),
            line.argument);
    case CommandLine::Problem::None:
        break;
    }
    return {};
}

std::string usageText(const std::string& programName)
{
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: %1\n"
               "       %1 --update PATH\n"
               "       %1 --preview PATH\n"
               "       %1 --undo [PATH]\n"
               "       %1 --history PATH\n"
               "       %1 --help | --version\n"
               "Without options, opens the window that reloads the packaging and port tables of "
               "a Tandera database.\n"
               "  --update PATH   reload both tables of the database at PATH without a window\n"
               "  --preview PATH  show what --update PATH would change, writing nothing\n"
               "  --undo [PATH]   put each table back as it was before its last change (without "
               "PATH: pick the database in the file-open dialog)\n"
               "  --history PATH  list the changes recorded in the database, newest first\n"
               "  --help          show this help and exit\n"
               "  --version       show the version and exit\n"
               "The database keeps the rows each table held before its last change, so that "
               "--undo can put them back.\n")
        .arg(QString::fromLocal8Bit(programName))
        .toStdString();
}

std::string noDisplayText(const std::string& programName)
{
    return trArg(QT_TRANSLATE_NOOP("CommandLine",
                                   "%1: no display found; the window needs a graphical session. "
                                   "To update a database without one, use --update PATH."),
                 programName);
}

#include "platform/CommandLine.h"

#include <QCoreApplication>
#include <QString>

#include <string_view>

namespace {

constexpr std::string_view kUpdate = "--update";

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
    CommandLine line;
    int used = 2;
    if (option == "--help") {
        line.action = CommandLine::Action::Help;
    } else if (option == "--version") {
        line.action = CommandLine::Action::Version;
    } else if (option == kUpdate) {
        if (argc < 3)
            return misuse(Problem::NeedsPath, kUpdate);
        line = {CommandLine::Action::Update, argv[2], Problem::None, {}};
        used = 3;
    } else if (option.starts_with("--update=")) {
        line = {CommandLine::Action::Update,
                std::string(option.substr(kUpdate.size() + 1)),
                Problem::None,
                {}};
    } else if (option.starts_with("--help=") || option.starts_with("--version=")) {
        return misuse(Problem::TakesNoArgument, option.substr(0, option.find('=')));
    } else {
        return misuse(Problem::UnknownOption, option);
    }
    if (line.action == CommandLine::Action::Update && line.path.empty())
        return misuse(Problem::NeedsPath, kUpdate);
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
               "       %1 --help | --version\n"
               "Without options, opens the window that reloads the packaging and port tables of "
               "a Tandera database.\n"
               "  --update PATH  reload both tables of the database at PATH without a window\n"
               "  --help         show this help and exit\n"
               "  --version      show the version and exit\n")
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

#pragma once

#include <string>

// What the command line asks for. It is read before any Qt application object exists, so Qt's
// own options (-platform and the rest) are unknown options like any other.
struct CommandLine
{
    enum class Action
    {
        Window,
        Help,
        Version,
        Update,
        Preview,
        Undo, // with an empty path: pick the database in the file-open dialog
        History,
        Misuse
    };
    enum class Problem
    {
        None,
        UnknownOption,
        NeedsPath,
        TakesNoArgument,
        ExtraArgument,
        NeedsPathWithoutDisplay
    };
    Action action = Action::Window;
    std::string path; // the database of every action but Window, Help and Version
    Problem problem = Problem::None;
    std::string argument; // Misuse: the option or argument at fault
};

// Accepts nothing (the window), --help, --version, --update PATH, --preview PATH, --history
// PATH or --undo [PATH] (each also as --option=PATH), PATH not empty; anything else, a second
// option included, is Misuse. Needs no Qt.
CommandLine parseCommandLine(int argc, const char* const* argv);

// What is wrong with a Misuse, worded for the user (needs the application object).
std::string misuseText(const CommandLine& line);

// The usage text, for --help and after a misuse; one line per form, then the options.
std::string usageText(const std::string& programName);

// Why the window cannot open without a display (platform/DisplayConnection.h), pointing to
// --update.
std::string noDisplayText(const std::string& programName);

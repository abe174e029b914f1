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
        Misuse
    };
    enum class Problem
    {
        None,
        UnknownOption,
        NeedsPath,
        TakesNoArgument,
        ExtraArgument
    };
    Action action = Action::Window;
    std::string path; // Update: the database
    Problem problem = Problem::None;
    std::string argument; // Misuse: the option or argument at fault
};

// Accepts nothing (the window), --help, --version, or --update PATH (also --update=PATH) with a
// non-empty PATH; anything else, a second option included, is Misuse. Needs no Qt.
CommandLine parseCommandLine(int argc, const char* const* argv);

// What is wrong with a Misuse, worded for the user (needs the application object).
std::string misuseText(const CommandLine& line);

// The usage text, for --help and after a misuse; one line per form, then the options.
std::string usageText(const std::string& programName);

// Why the window cannot open without a display (platform/DisplayConnection.h), pointing to
// --update.
std::string noDisplayText(const std::string& programName);

#pragma once

#include "engine/Error.h"
#include "platform/MessageBox.h"

#include <QByteArray>

#include <deque>
#include <string>
#include <vector>

// RAII stand-ins for what would block on a person. Each installs its handler on construction
// and removes it on destruction, so a test sees only its own calls. Keep one of a kind alive at
// a time.

// Every message box shown while it lives, in order; nothing reaches the screen.
class RecordedBoxes
{
public:
    RecordedBoxes();
    ~RecordedBoxes();
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    const std::vector<MessageBoxCall>& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

private:
    std::vector<MessageBoxCall> m_calls;
};

// Every unhandled-error report made while it lives, in order; the program is not ended.
class RecordedErrorReports
{
public:
    RecordedErrorReports();
    ~RecordedErrorReports();
    RecordedErrorReports(const RecordedErrorReports&) = delete;
    RecordedErrorReports& operator=(const RecordedErrorReports&) = delete;

    const std::vector<Error>& errors() const { return m_errors; }
    void clear() { m_errors.clear(); }

private:
    std::vector<Error> m_errors;
};

// Answers file-open dialogs with queued file names (an empty queue answers as a cancelled
// dialog: an empty text) and records each filter it was asked with.
class ScriptedFileDialog
{
public:
    ScriptedFileDialog();
    ~ScriptedFileDialog();
    ScriptedFileDialog(const ScriptedFileDialog&) = delete;
    ScriptedFileDialog& operator=(const ScriptedFileDialog&) = delete;

    void setNextFileName(const std::string& fileName) { m_answers.push_back(fileName); }
    const std::vector<std::string>& filters() const { return m_filters; }

private:
    std::deque<std::string> m_answers;
    std::vector<std::string> m_filters;
};

// Points ProgramDirectory() at directory while it lives, and the XDG data folders nowhere, so
// that data files come from that directory only.
class ProgramDirectoryOverride
{
public:
    explicit ProgramDirectoryOverride(const std::string& directory);
    ~ProgramDirectoryOverride();
    ProgramDirectoryOverride(const ProgramDirectoryOverride&) = delete;
    ProgramDirectoryOverride& operator=(const ProgramDirectoryOverride&) = delete;

private:
    QByteArray m_dataHome = qgetenv("XDG_DATA_HOME");
    QByteArray m_dataDirs = qgetenv("XDG_DATA_DIRS");
};

// The program-wide cnDatabase is shared by every test in a program: this closes it (when it
// exists and is open) on construction and again on destruction, so each test starts and ends
// with it closed.
class ClosedDatabaseConnection
{
public:
    ClosedDatabaseConnection();
    ~ClosedDatabaseConnection();
    ClosedDatabaseConnection(const ClosedDatabaseConnection&) = delete;
    ClosedDatabaseConnection& operator=(const ClosedDatabaseConnection&) = delete;
};

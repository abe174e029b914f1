#include "tests/support/Seams.h"

#include "modules/MdlMain.h"
#include "platform/Connection.h"
#include "platform/ErrorReport.h"
#include "platform/FileDialog.h"
#include "platform/ProgramDirectory.h"

RecordedBoxes::RecordedBoxes()
{
    setMessageBoxHandler([this](const MessageBoxCall& call) { m_calls.push_back(call); });
}

RecordedBoxes::~RecordedBoxes()
{
    setMessageBoxHandler(nullptr);
}

RecordedErrorReports::RecordedErrorReports()
{
    setErrorReportHandler([this](const Error& error) { m_errors.push_back(error); });
}

RecordedErrorReports::~RecordedErrorReports()
{
    setErrorReportHandler(nullptr);
}

ScriptedFileDialog::ScriptedFileDialog()
{
    setFileDialogHandler([this](const std::string& filter) {
        m_filters.push_back(filter);
        if (m_answers.empty())
            return std::string();
        std::string answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

ScriptedFileDialog::~ScriptedFileDialog()
{
    setFileDialogHandler(nullptr);
}

ProgramDirectoryOverride::ProgramDirectoryOverride(const std::string& directory)
{
    setProgramDirectoryForTests(directory);
    qputenv("XDG_DATA_HOME", "/nonexistent");
    qputenv("XDG_DATA_DIRS", "/nonexistent");
}

// Qt reads the folders too (its MIME types for the file dialog), so they go back as they were.
ProgramDirectoryOverride::~ProgramDirectoryOverride()
{
    setProgramDirectoryForTests({});
    qputenv("XDG_DATA_HOME", m_dataHome);
    qputenv("XDG_DATA_DIRS", m_dataDirs);
}

namespace {
void closeIfOpen()
{
    if (cnDatabaseExists() && cnDatabase().State() == Connection::adStateOpen)
        cnDatabase().Close();
}
} // namespace

ClosedDatabaseConnection::ClosedDatabaseConnection()
{
    closeIfOpen();
}

ClosedDatabaseConnection::~ClosedDatabaseConnection()
{
    closeIfOpen();
}

#include "bench/OursReload.h"

#include "forms/Loading.h"
#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "modules/UndoRun.h"
#include "modules/UpdatePreview.h"
#include "platform/MessageBox.h"
#include "platform/ProgramDirectory.h"
#include "platform/ProgressWindow.h"

#include <chrono>
#include <stdexcept>

namespace bench {

OursReload::OursReload(const std::string& dataDirectory, bool windowPainted)
{
    setProgramDirectoryForTests(dataDirectory);
    setMessageBoxHandler([this](const MessageBoxCall& call) { m_prompts.push_back(call.prompt); });
    setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });
    // Built and shown once before the first round, so that no round pays for building the
    // window or for its first paint (fonts, style, backing store): costs a program meets once.
    Loading& window = Loading::instance();
    window.setPaintingEnabled(windowPainted);
    window.Show();
    window.Hide();
}

OursReload::~OursReload()
{
    setMessageBoxHandler(nullptr);
    setProgramDirectoryForTests({});
}

double OursReload::run(const std::string& databasePath, const ReferenceTable& table)
{
    const double seconds =
        timed(databasePath, Connection::adModeReadWrite, [&table] { ReloadTable(table); });
    const std::string expected(table.message);
    if (m_prompts != std::vector<std::string>{expected})
        throw std::runtime_error("the reload did not end in \"" + expected + "\"");
    return seconds;
}

double OursReload::runPreview(const std::string& databasePath, const ReferenceTable& table)
{
    std::int64_t lines = 0;
    const double seconds = timed(databasePath, Connection::adModeRead, [&] {
        PreviewTable(table, [&lines](const std::string&) { ++lines; });
    });
    if (lines == 0)
        throw std::runtime_error("the preview printed nothing");
    return seconds;
}

double OursReload::runUndo(const std::string& databasePath, const ReferenceTable& table)
{
    bool restored = false;
    const double seconds =
        timed(databasePath, Connection::adModeReadWrite, [&] { restored = UndoTable(table); });
    if (!restored)
        throw std::runtime_error("the undo did not restore the table: " +
                                 (m_prompts.empty() ? std::string("?") : m_prompts.back()));
    return seconds;
}

double OursReload::timed(const std::string& databasePath, int mode,
                         const std::function<void()>& work)
{
    m_prompts.clear();
    OpenDatabase(databasePath, mode);
    if (cnDatabase().State() != Connection::adStateOpen)
        throw std::runtime_error("cannot open " + databasePath + ": " +
                                 (m_prompts.empty() ? std::string("?") : m_prompts.back()));
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    cnDatabase().Close();
    return elapsed.count();
}

} // namespace bench

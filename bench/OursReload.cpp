#include "bench/OursReload.h"

#include "forms/Loading.h"
#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
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
    m_prompts.clear();
    OpenDatabase(databasePath);
    if (cnDatabase().State() != Connection::adStateOpen)
        throw std::runtime_error("cannot open " + databasePath + ": " +
                                 (m_prompts.empty() ? std::string("?") : m_prompts.back()));

    const auto start = std::chrono::steady_clock::now();
    ReloadTable(table);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

    cnDatabase().Close();
    const std::string expected(table.message);
    if (m_prompts != std::vector<std::string>{expected})
        throw std::runtime_error("the reload did not end in \"" + expected + "\"");
    return elapsed.count();
}

} // namespace bench

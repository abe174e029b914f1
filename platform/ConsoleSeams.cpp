#include "platform/ConsoleSeams.h"

#include "platform/ErrorReport.h"
#include "platform/MessageBox.h"
#include "platform/ProgressWindow.h"
#include "platform/StandardStreams.h"
#include "platform/TextFileInput.h"

#include <QElapsedTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

void writeLine(std::FILE* stream, std::string text)
{
    for (std::string::size_type at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", at))
        text.erase(at, 1);
    text += '\n';
    writeStandard(stream, text);
}

// The progress window as a line of text: the share of the current data file read, which only
// grows within a table. The window's bar wraps at full and starts again, which reads wrong as a
// percentage.
class ConsoleProgress final : public ProgressWindow
{
public:
    void setSource(const TextFileInput* input) override { m_input = input; }

    void Show() override
    {
        m_shown = true;
        m_percent = 0.0;
        draw();
    }

    // The line goes again, so that the completion text starts a clean line. The source may be
    // gone already (a failed reload hides the window after its file is closed): not read here.
    void Hide() override
    {
        if (m_shown && m_terminal)
            writeStandard(stderr, "\r\033[K");
        m_shown = false;
        m_input = nullptr;
    }

    // Called once per data line: only a counter, and a look at the clock now and then.
    void proses(const std::string&) override
    {
        if (!m_shown || !m_terminal || ++m_callsSinceClockCheck < kClockCheckCalls)
            return;
        m_callsSinceClockCheck = 0;
        if (m_sinceDraw.hasExpired(ConsoleProgressInterval))
            draw();
    }

private:
    static constexpr int kClockCheckCalls = 256;

    void draw()
    {
        if (!m_terminal)
            return;
        if (m_input != nullptr) {
            const auto size = static_cast<double>(m_input->fileSize());
            const double read =
                size > 0 ? 100.0 * static_cast<double>(m_input->bytesRead()) / size : 100.0;
            m_percent = std::max(m_percent, std::min(read, 100.0));
        }
        char line[32];
        std::snprintf(line, sizeof line, "\rProses Update %5.1f%%", m_percent);
        writeStandard(stderr, line);
        m_sinceDraw.start();
    }

    const TextFileInput* m_input = nullptr;
    double m_percent = 0.0;
    QElapsedTimer m_sinceDraw;
    int m_callsSinceClockCheck = 0;
    const bool m_terminal = ::isatty(STDERR_FILENO) != 0;
    bool m_shown = false;
};

} // namespace

void installConsoleSeams()
{
    setMessageBoxHandler([](const MessageBoxCall& call) {
        const bool critical = (call.flags & MessageBoxFlag::Critical) != 0;
        writeLine(critical ? stderr : stdout, call.prompt);
    });
    setErrorReportHandler([](const Error& error) { writeLine(stderr, errorReportText(error)); });
    static ConsoleProgress progress;
    setProgressWindowProvider([]() -> ProgressWindow& { return progress; });
}

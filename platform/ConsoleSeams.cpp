#include "platform/ConsoleSeams.h"

#include "platform/ErrorReport.h"
#include "platform/MessageBox.h"
#include "platform/ProgressValue.h"
#include "platform/ProgressWindow.h"
#include "platform/StandardStreams.h"

#include <QElapsedTimer>

#include <unistd.h>

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

// The progress window as a line of text: the value comes from the same ProgressValue the
// window's bar keeps, so the two never disagree.
class ConsoleProgress final : public ProgressWindow
{
public:
    void Show() override
    {
        m_shown = true;
        draw();
    }

    // The line goes again, so that the completion text starts a clean line.
    void Hide() override
    {
        if (m_shown && m_terminal)
            writeStandard(stderr, "\r\033[K");
        m_shown = false;
    }

    void proses(const std::string& Pars) override
    {
        m_value.advance(Pars);
        if (m_shown && m_terminal && m_sinceDraw.hasExpired(ConsoleProgressInterval))
            draw();
    }

private:
    void draw()
    {
        if (!m_terminal)
            return;
        char line[32];
        std::snprintf(line, sizeof line, "\rProses Update %5.1f%%",
                      static_cast<double>(m_value.Value()));
        writeStandard(stderr, line);
        m_sinceDraw.start();
    }

    ProgressValue m_value;
    QElapsedTimer m_sinceDraw;
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

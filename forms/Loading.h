#pragma once

#include "forms/ProgressBar.h"
#include "platform/ProgressWindow.h"

#include <QElapsedTimer>

#include <memory>
#include <string>

class QLabel;
class QWidget;

// The progress window the reloads show, advance once per data line, and hide again. A reload
// runs on the user-interface thread without an event loop, so the window paints itself while
// shown: once when shown and then every PaintInterval of work. Keeping the operator's input out
// meanwhile is the run's business (RunGuard), not the window's.
//
// States: Hidden -> Shown by Show (window centred and painted); Shown -> Hidden by Hide. proses
// moves the bar in either state and paints only while Shown; the bar's value outlives Hide, so
// the next Show draws it as left.
class Loading final : public ProgressWindow
{
public:
    static constexpr int PaintInterval = 30; // milliseconds
    // Calls between two looks at the clock: reading it costs more than a line's progress step
    // on some machines, and a few hundred lines take well under a millisecond.
    static constexpr int ClockCheckCalls = 256;

    // The program's one instance, created hidden on first use and deleted while the
    // application object is destroyed. Needs the QApplication to exist.
    static Loading& instance();

    // The program uses instance(); tests make their own.
    Loading();
    ~Loading() override;

    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

    void Show() override;
    void Hide() override;
    void proses(const std::string& Pars) override;

    // Painting on Show and during proses; the benchmark turns it off to measure what it costs.
    void setPaintingEnabled(bool enabled) { m_paintingEnabled = enabled; }

    QWidget& window() const { return *m_window; }
    QLabel& label1() const { return *Label1; }
    ProgressBar& progressBar1() { return ProgressBar1; }
    const ProgressBar& progressBar1() const { return ProgressBar1; }

private:
    void centreOnScreen();
    void waitUntilExposed();
    void paintNow();

    std::unique_ptr<QWidget> m_window;
    QLabel* Label1; // owned by the window
    ProgressBar ProgressBar1;
    QElapsedTimer m_sincePaint;
    int m_callsSinceClockCheck = 0;
    bool m_shown = false;
    bool m_paintingEnabled = true;
};

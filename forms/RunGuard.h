#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

// One run of a click handler of the settings dialog, from the click until the handler returns,
// through every message box it shows; the handler's run owns it. Only one lives at a time: a
// click that reaches a handler while one lives (through the nested event loop of a message box or
// of the progress window's painting) starts nothing.
//
// While it lives, no mouse, key, wheel, touch, tablet, context-menu, shortcut, drag or
// input-method event, nor a request to close a window, reaches any object of the application,
// except those meant for the active modal widget that appeared after the run began, or for a
// popup (a list, a menu) open over it: a message box must still answer, while a widget already
// modal when the run began is blocked like any other. So a reload on the user-interface thread
// can process its paint events without letting the operator in. Qt sends the program's own
// close() of a window through the window system like the operator's close button, so that is
// held off too; nothing closes a window during a run.
class RunGuard final : public QObject
{
public:
    // Whether a run is under way.
    static bool underWay() noexcept;

    // Begins the run; only while none is under way.
    RunGuard();
    // Ends it once the input still queued is drained, blocked like the rest; unless the run ended
    // on the operator's answer to its own window: what came after that answer is type-ahead, and
    // is sent again after the run, in the order it came.
    ~RunGuard() override;

    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_modalBefore;
    // The operator answered a window of the run, and no window has appeared since.
    bool m_answered = false;
    // Input that came after that answer, for after the run.
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_typeAhead;
};

#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// While it lives, no mouse, key, wheel, touch, tablet, context-menu, shortcut, drag or
// input-method event, nor a request to close a window, reaches any object of the application,
// except those meant for the active modal widget (a message box must still answer; a widget
// already modal when the blocking began is blocked like any other). It lets a long run on the
// user-interface thread process its paint events without letting the operator in. Qt sends
// the program's own close() of a window through the window system like the operator's close
// button, so that is held off too; nothing closes a window during a run.
class InputBlocker final : public QObject
{
public:
    InputBlocker();
    ~InputBlocker() override;

    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_modalBefore;
};

#include "forms/RunGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

bool isOperatorInput(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::Gesture:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        // The window system's request, not a child widget's close().
        return event.spontaneous();
    default:
        return false;
    }
}

// Whether the object belongs to the window: one of its widgets, its window system window, or an
// object (a shortcut, an action) owned by one of those.
bool belongsTo(const QObject* watched, const QWidget& window)
{
    for (const QObject* object = watched; object != nullptr; object = object->parent()) {
        if (object->isWidgetType())
            return static_cast<const QWidget*>(object)->window() == &window;
        if (object->isWindowType())
            return object == window.windowHandle();
    }
    return false;
}

const RunGuard* s_running = nullptr;

} // namespace

bool RunGuard::underWay() noexcept
{
    return s_running != nullptr;
}

RunGuard::RunGuard() : m_modalBefore(QApplication::activeModalWidget())
{
    Q_ASSERT(s_running == nullptr);
    s_running = this;
    QCoreApplication::instance()->installEventFilter(this);
}

RunGuard::~RunGuard()
{
    if (QCoreApplication::instance() != nullptr) {
        // Input that came in since the run last processed events is still queued: were it
        // delivered after the run, a key pressed during it could start the next. It is drained
        // through the filter, which drops it; unless the operator closed the run's last box or
        // file dialog: then it is type-ahead for the dialog (Tab to the path box, Esc), which
        // the filter holds back, and all of it is sent again, in the order it came.
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(this);
        for (auto& [receiver, event] : m_typeAhead) {
            if (receiver)
                QCoreApplication::postEvent(receiver, event.release());
        }
    }
    s_running = nullptr;
}

bool RunGuard::eventFilter(QObject* watched, QEvent* event)
{
    // A window appearing (the progress window, the next box) means the run goes on.
    if (event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<const QWidget*>(watched)->isWindow()) {
        m_answered = false;
        m_typeAhead.clear();
    }
    if (!isOperatorInput(*event))
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    const bool runWindowOpen = modal != nullptr && modal != m_modalBefore;
    if (runWindowOpen) {
        // A combo box's list or a completer's is a window of its own, which only the modal
        // widget can have opened: the operator's input reaches no other.
        const QWidget* popup = QApplication::activePopupWidget();
        if (belongsTo(watched, *modal) || (popup != nullptr && belongsTo(watched, *popup))) {
            m_answered = true;
            return false;
        }
    }
    // Refused, so that the window system does not take the window for closed.
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    // Typed behind the answer that closed the run's window, in the same batch of events.
    if (m_answered && !runWindowOpen)
        m_typeAhead.emplace_back(watched, event->clone());
    return true;
}

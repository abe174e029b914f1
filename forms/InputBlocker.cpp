#include "forms/InputBlocker.h"

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

// Whether the object belongs to the active modal widget: one of its widgets, its window, or
// an object (a shortcut, an action) owned by one of those.
bool belongsToModal(const QObject* watched, const QWidget& modal)
{
    for (const QObject* object = watched; object != nullptr; object = object->parent()) {
        if (object->isWidgetType())
            return static_cast<const QWidget*>(object)->window() == &modal;
        if (object->isWindowType())
            return object == modal.windowHandle();
    }
    return false;
}

} // namespace

InputBlocker::InputBlocker() : m_modalBefore(QApplication::activeModalWidget())
{
    QCoreApplication::instance()->installEventFilter(this);
}

InputBlocker::~InputBlocker()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event)
{
    if (!isOperatorInput(*event))
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != m_modalBefore && belongsToModal(watched, *modal))
        return false;
    // Refused, so that the window system does not take the window for closed.
    if (event->type() == QEvent::Close)
        event->ignore();
    return true;
}

#include "platform/CursorOverride.h"

#include <QCursor>
#include <QGuiApplication>

// The command line runs without a GUI application, and has no cursor to show.
CursorOverride::CursorOverride(Qt::CursorShape shape)
    : m_active(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
{
    if (m_active)
        QGuiApplication::setOverrideCursor(QCursor(shape));
}

CursorOverride::~CursorOverride()
{
    if (m_active)
        QGuiApplication::restoreOverrideCursor();
}

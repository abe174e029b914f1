#include "platform/CursorOverride.h"

#include <QCursor>
#include <QGuiApplication>

CursorOverride::CursorOverride(Qt::CursorShape shape)
{
    QGuiApplication::setOverrideCursor(QCursor(shape));
}

CursorOverride::~CursorOverride()
{
    QGuiApplication::restoreOverrideCursor();
}

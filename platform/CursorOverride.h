#pragma once

#include <Qt>

// Shows shape as the application's cursor while it lives, above any shape set before it, and
// puts back what was there when it goes, on every path out. Does nothing without a GUI
// application object.
class CursorOverride
{
public:
    explicit CursorOverride(Qt::CursorShape shape);
    ~CursorOverride();
    CursorOverride(const CursorOverride&) = delete;
    CursorOverride& operator=(const CursorOverride&) = delete;

private:
    bool m_active;
};

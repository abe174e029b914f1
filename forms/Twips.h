#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

#include <cmath>

// The windows' layouts are given in twips (1/1440 inch); these turn them into the widget
// coordinates of the screen the widget is on (15 twips to the pixel at 96 dpi).
namespace Twips {

inline qreal logicalDpi(const QWidget& widget)
{
    return widget.logicalDpiX() > 0 ? widget.logicalDpiX() : 96.0;
}

inline int toPixels(int twips, qreal dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline QSize size(const QWidget& widget, int width, int height)
{
    const qreal dpi = logicalDpi(widget);
    return {toPixels(width, dpi), toPixels(height, dpi)};
}

inline QRect rect(const QWidget& widget, int left, int top, int width, int height)
{
    const qreal dpi = logicalDpi(widget);
    return {toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi), toPixels(height, dpi)};
}

} // namespace Twips

#pragma once

#include "platform/ProgressValue.h"

#include <string>

class QProgressBar;
class QWidget;

// ProgressBar1 as the original control behaves: a single-precision value from 0 to 100, both
// included, refusing anything else with error 380. It draws through a Qt bar, a child of the
// window it is made on, with a thousand steps per unit so that fractions show smoothly (99.6 and
// 100 look different). Writing the value does no drawing work at all: the drawn bar follows at
// refresh(), which the window calls when it paints, so a caller can write it many thousand times
// a second. Over the accessibility bus the bar is named "Proses Update" and reports the value
// itself, from 0 to 100. It must not outlive that window, which owns the drawn bar and its value.
class ProgressBar final
{
public:
    static constexpr float Min = ProgressValue::Min;
    static constexpr float Max = ProgressValue::Max;
    static constexpr int StepsPerUnit = 1000;

    explicit ProgressBar(QWidget& window);

    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    float Value() const noexcept { return m_value.Value(); }
    // Raises Error 380 "Invalid property value." for a value outside Min..Max (or NaN) and
    // keeps the value it had.
    void SetValue(float value) { m_value.SetValue(value); }
    // The progress window's step (ProgressValue::advance); draws nothing.
    void advance(const std::string& Pars) noexcept { m_value.advance(Pars); }

    // Brings the drawn bar up to the value; repaints at once when that moves it visibly.
    void refresh();

    QProgressBar& drawn() const noexcept;

private:
    class Drawn;
    Drawn* m_drawn;         // owned by the window
    ProgressValue& m_value; // the drawn bar's
};

#pragma once

#include <QProgressBar>

// ProgressBar1 as the original control behaves: a single-precision value from 0 to 100, both
// included, refusing anything else with error 380. Behind it a Qt bar with a thousand steps per
// unit draws fractions smoothly (99.6 and 100 look different). Writing the value does no
// drawing work at all: the drawn bar follows at refresh(), which the window calls when it
// paints, so a caller can write it many thousand times a second.
class ProgressBar final : public QProgressBar
{
public:
    static constexpr float Min = 0.0f;
    static constexpr float Max = 100.0f;
    static constexpr int StepsPerUnit = 1000;

    explicit ProgressBar(QWidget* parent = nullptr);

    float Value() const noexcept { return m_value; }
    // Raises Error 380 "Invalid property value." for a value outside Min..Max (or NaN) and
    // keeps the value it had.
    void SetValue(float value);

    // Brings the drawn bar up to the value; repaints at once when that moves it visibly.
    void refresh();

private:
    float m_value = Min;
};

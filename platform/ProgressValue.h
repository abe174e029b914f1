#pragma once

#include <string>

// The progress bar's value as the original control keeps it, apart from any drawing: a
// single-precision value from 0 to 100, both included, and the step the reloads advance it by.
// The progress window draws it as a bar, the command line as a line of text.
class ProgressValue final
{
public:
    static constexpr float Min = 0.0f;
    static constexpr float Max = 100.0f;

    float Value() const noexcept { return m_value; }
    // Raises Error 380 "Invalid property value." for a value outside Min..Max (or NaN) and
    // keeps the value it had.
    void SetValue(float value);

    // The progress window's proses: advances by the step the text carries, clamping at Max and
    // starting again from Min once full. Never raises.
    void advance(const std::string& Pars) noexcept;

private:
    float m_value = Min;
    // A reload passes one step text line after line: it is parsed once.
    std::string m_stepText;
    double m_step = 0.0;
};

#include "platform/ProgressValue.h"

#include "engine/Error.h"
#include "platform/NumberText.h"

#include <cmath>
#include <exception>
#include <limits>

namespace {

// What a statement does when it fails inside proses: nothing, and the next one runs.
template <typename Statement> void resumeNext(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (const std::exception&) {
    }
}

float toSingle(double value)
{
    if (std::isfinite(value) && std::abs(value) > std::numeric_limits<float>::max())
        throw Error(ErrorNumber::Overflow, "Overflow");
    return static_cast<float>(value);
}

} // namespace

void ProgressValue::SetValue(float value)
{
    if (!(value >= Min && value <= Max))
        throw Error(ErrorNumber::InvalidPropertyValue, "Invalid property value.");
    m_value = value;
}

// Every failure is swallowed where it happens and the next statement runs, as the original
// routine did under On Error Resume Next; a refused write ends the call.
void ProgressValue::advance(const std::string& Pars) noexcept
{
    bool full = true; // a failed read or test goes on with the wrap
    resumeNext([&] { full = Value() == Max; });
    if (full) {
        resumeNext([&] { SetValue(Min); });
        return;
    }

    // The margin's round trip never changes, and the value's is the same in both steps (nothing
    // writes the value between them), so each is worked out once.
    static const double margin = leadingNumber(numberToText(0.3));
    double current = 0;
    bool close = true; // a failed sum or test goes on with the clamp
    resumeNext([&] {
        current = singleRoundTrip(Value());
        close = current + margin >= 100.0;
    });
    if (close) {
        resumeNext([&] { SetValue(Max); });
        return;
    }

    resumeNext([&] {
        if (Pars != m_stepText) {
            m_step = leadingNumber(Pars);
            m_stepText = Pars;
        }
        SetValue(toSingle(m_step + current));
    });
}

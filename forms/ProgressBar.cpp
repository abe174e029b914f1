#include "forms/ProgressBar.h"

#include "engine/Error.h"

#include <cmath>

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setOrientation(Qt::Horizontal);
    setRange(static_cast<int>(Min) * StepsPerUnit, static_cast<int>(Max) * StepsPerUnit);
    QProgressBar::setValue(0);
    // The original bar shows no percentage.
    setTextVisible(false);
}

void ProgressBar::SetValue(float value)
{
    if (!(value >= Min && value <= Max))
        throw Error(ErrorNumber::InvalidPropertyValue, "Invalid property value.");
    m_value = value;
}

void ProgressBar::refresh()
{
    QProgressBar::setValue(static_cast<int>(std::lround(static_cast<double>(m_value) * StepsPerUnit)));
}

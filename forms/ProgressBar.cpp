#include "forms/ProgressBar.h"

#include "engine/Error.h"

#include <QProgressBar>

#include <cmath>

ProgressBar::ProgressBar(QWidget& window) : m_drawn(new QProgressBar(&window))
{
    m_drawn->setOrientation(Qt::Horizontal);
    m_drawn->setRange(static_cast<int>(Min) * StepsPerUnit, static_cast<int>(Max) * StepsPerUnit);
    m_drawn->setValue(0);
    // The original bar shows no percentage.
    m_drawn->setTextVisible(false);
}

void ProgressBar::SetValue(float value)
{
    if (!(value >= Min && value <= Max))
        throw Error(ErrorNumber::InvalidPropertyValue, "Invalid property value.");
    m_value = value;
}

void ProgressBar::refresh()
{
    m_drawn->setValue(static_cast<int>(std::lround(static_cast<double>(m_value) * StepsPerUnit)));
}

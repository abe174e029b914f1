#include "forms/ProgressBar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QProgressBar>

#include <cmath>

// The Qt bar keeps the value it draws, so that its accessible interface can report it for as
// long as the bar exists.
class ProgressBar::Drawn final : public QProgressBar
{
public:
    explicit Drawn(QWidget& window) : QProgressBar(&window) {}
    ProgressValue value;
};

namespace {

// Qt's own interface would report the drawn range (0 to 100,000) and no name.
class AccessibleBar final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    AccessibleBar(QWidget* bar, const ProgressValue& value)
        : QAccessibleWidget(bar, QAccessible::ProgressBar), m_value(value)
    {
    }

    QString text(QAccessible::Text text) const override
    {
        if (text == QAccessible::Name)
            return QStringLiteral("Proses Update");
        return QAccessibleWidget::text(text);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return m_value.Value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return ProgressValue::Max; }
    QVariant minimumValue() const override { return ProgressValue::Min; }
    QVariant minimumStepSize() const override { return 0.0f; }

private:
    const ProgressValue& m_value;
};

} // namespace

ProgressBar::ProgressBar(QWidget& window) : m_drawn(new Drawn(window)), m_value(m_drawn->value)
{
    static const bool factoryInstalled = [] {
        // Qt keeps and deletes the interfaces a factory makes.
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            if (auto* bar = dynamic_cast<Drawn*>(object))
                return new AccessibleBar(bar, bar->value);
            return nullptr;
        });
        return true;
    }();
    (void)factoryInstalled;
    m_drawn->setOrientation(Qt::Horizontal);
    m_drawn->setRange(static_cast<int>(Min) * StepsPerUnit, static_cast<int>(Max) * StepsPerUnit);
    m_drawn->setValue(0);
    // The original bar shows no percentage.
    m_drawn->setTextVisible(false);
}

QProgressBar& ProgressBar::drawn() const noexcept
{
    return *m_drawn;
}

void ProgressBar::refresh()
{
    m_drawn->setValue(static_cast<int>(std::lround(static_cast<double>(Value()) * StepsPerUnit)));
}

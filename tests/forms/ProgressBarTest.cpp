#include "forms/ProgressBar.h"

#include "engine/Error.h"
#include "tests/support/RaisedError.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QProgressBar>
#include <QWidget>
#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ProgressBar, TakesEveryValueFromMinToMaxIncluded)
{
    QWidget window;
    ProgressBar bar(window);
    EXPECT_EQ(bar.Value(), 0.0f);
    for (const float value : {100.0f, 0.0f, 0.00167f, 99.70067f, 50.5f}) {
        bar.SetValue(value);
        EXPECT_EQ(bar.Value(), value);
    }
}

TEST(ProgressBar, RefusesAValueOutsideTheRangeAndKeepsItsOwn)
{
    const float refused[] = {-0.001f,
                             100.00001f,
                             -100.0f,
                             1e30f,
                             std::numeric_limits<float>::infinity(),
                             -std::numeric_limits<float>::infinity(),
                             std::numeric_limits<float>::quiet_NaN()};
    QWidget window;
    ProgressBar bar(window);
    bar.SetValue(42.5f);
    for (const float value : refused) {
        SCOPED_TRACE(value);
        const Error error = errorOf([&] { bar.SetValue(value); });
        EXPECT_EQ(error.number(), 380);
        EXPECT_EQ(error.description(), "Invalid property value.");
        EXPECT_EQ(bar.Value(), 42.5f);
    }
}

TEST(ProgressBar, DrawsFractionsOfAUnit)
{
    QWidget window;
    ProgressBar bar(window);
    const QProgressBar& drawn = bar.drawn();
    EXPECT_EQ(drawn.parentWidget(), &window);
    bar.SetValue(99.6f);
    bar.refresh();
    const int nearlyFull = drawn.value();
    bar.SetValue(100.0f);
    bar.refresh();
    EXPECT_EQ(drawn.value(), drawn.maximum());
    EXPECT_LT(nearlyFull, drawn.maximum());
    EXPECT_EQ(nearlyFull, drawn.maximum() / 1000 * 996);

    bar.SetValue(0.00167f);
    bar.refresh();
    EXPECT_EQ(drawn.value(), 2); // a step of 0.00167 still moves the drawn bar
    EXPECT_EQ(drawn.minimum(), 0);
    EXPECT_EQ(drawn.orientation(), Qt::Horizontal);
}

// A screen reader must hear what the bar is and how far it has got, in the operator's terms.
TEST(ProgressBar, IsNamedAndReportsItsOwnValueOverTheAccessibilityBus)
{
    QWidget window;
    ProgressBar bar(window);
    bar.SetValue(99.6f);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&bar.drawn());
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Proses Update"));
    const QAccessibleValueInterface* value = accessible->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->minimumValue().toDouble(), 0.0);
    EXPECT_EQ(value->maximumValue().toDouble(), 100.0);
    EXPECT_EQ(value->currentValue().toFloat(), 99.6f);
}

} // namespace

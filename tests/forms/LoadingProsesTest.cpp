#include "forms/Loading.h"

#include "forms/ProgressBar.h"
#include "tests/support/CommaLocale.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// proses on a window that is never shown: the logic alone, and fast.
class LoadingProses : public testing::TestWithParam<bool>
{
protected:
    LoadingProses()
    {
        if (GetParam()) {
            m_commaLocale.emplace();
            EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
        }
    }

    float value() const { return m_window.progressBar1().Value(); }
    void setValue(float value) { m_window.progressBar1().SetValue(value); }
    void proses(const std::string& Pars, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            m_window.proses(Pars);
    }

private:
    std::optional<CommaLocale> m_commaLocale;
    Loading m_window;
};

TEST_P(LoadingProses, SmallStepClimbsClampsToFullThenWraps)
{
    proses("0.00167", 59'701);
    EXPECT_EQ(value(), 99.70067f);
    proses("0.00167");
    EXPECT_EQ(value(), 100.0f);
    proses("0.00167");
    EXPECT_EQ(value(), 0.0f);
    proses("0.00167");
    EXPECT_EQ(value(), 0.00167f); // and the climb starts again
}

TEST_P(LoadingProses, LargeStepStopsShortOfFull)
{
    proses("0.6", 166);
    EXPECT_EQ(value(), 99.6f);
    proses("0.6", 10);
    EXPECT_EQ(value(), 99.6f);
}

TEST_P(LoadingProses, OneCallFromAGivenValue)
{
    struct Case
    {
        float start;
        std::string Pars;
        float expected;
    };
    const Case cases[] = {
        // Exactly full wraps to empty, whatever the step.
        {100.0f, "0.6", 0.0f},
        {100.0f, "0.00167", 0.0f},
        {100.0f, "abc", 0.0f},
        {100.0f, "-5", 0.0f},
        // Within 0.3 of full clamps to full, whatever the step.
        {99.7f, "0.6", 100.0f},
        {99.7f, "0.00167", 100.0f},
        {99.7f, "abc", 100.0f},
        {99.7f, "-50", 100.0f},
        {99.70067f, "0.00167", 100.0f},
        // A step that would pass full is refused and the bar stays.
        {99.6f, "0.6", 99.6f},
        {99.0f, "5", 99.0f},
        // So is a step below empty.
        {0.0f, "-1", 0.0f},
        // The step is the text's leading number.
        {0.0f, "abc", 0.0f},
        {0.0f, "", 0.0f},
        {10.0f, "0.6xyz", 10.6f},
        {0.0f, " 1 2", 12.0f},
        {50.0f, "-10", 40.0f},
        {0.0f, "1E1", 10.0f},
        // Steps beyond a single or a double are swallowed like any other failure.
        {42.0f, "1E300", 42.0f},
        {42.0f, "1E400", 42.0f},
    };
    for (const auto& c : cases) {
        setValue(c.start);
        EXPECT_NO_THROW(proses(c.Pars));
        EXPECT_EQ(value(), c.expected) << "from " << c.start << " with \"" << c.Pars << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(, LoadingProses, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "CommaLocale" : "PointLocale";
                         });

} // namespace

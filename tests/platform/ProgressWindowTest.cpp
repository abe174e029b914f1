#include "platform/ProgressWindow.h"

#include "engine/Error.h"
#include "tests/support/CountingWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressWindowRegistry, RaisesWithoutAProviderAndReachesTheInstalledWindow)
{
    setProgressWindowProvider(nullptr);
    EXPECT_THROW(progressWindow(), Error);

    CountingWindow window;
    setProgressWindowProvider([&window]() -> ProgressWindow& { return window; });
    progressWindow().proses("1");
    progressWindow().proses("2");
    EXPECT_EQ(2, window.steps);

    setProgressWindowProvider(nullptr);
    EXPECT_THROW(progressWindow(), Error);
}

} // namespace

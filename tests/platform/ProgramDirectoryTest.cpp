#include "platform/ProgramDirectory.h"

#include "tests/support/Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(ProgramDirectory, IsTheBinarysDirectoryWithoutATrailingSeparator)
{
    const std::string directory = ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(QDir::separator().toLatin1(), directory.back());
    EXPECT_EQ(QDir(QCoreApplication::applicationFilePath() + QStringLiteral("/..")).canonicalPath(),
              QDir(QString::fromStdString(directory)).canonicalPath());
}

TEST(ProgramDirectory, OverrideLastsWhileItsFixtureLives)
{
    const std::string real = ProgramDirectory();
    {
        ProgramDirectoryOverride override("/srv/tandera");
        EXPECT_EQ("/srv/tandera", ProgramDirectory());
    }
    EXPECT_EQ(real, ProgramDirectory());
}

} // namespace

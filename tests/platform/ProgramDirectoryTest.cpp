#include "platform/ProgramDirectory.h"

#include "tests/support/Seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(ProgramDirectory, IsTheBinarysDirectoryWithoutATrailingSeparator)
{
    const std::string directory = ProgramDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(QDir::separator().toLatin1(), directory.back());
    const QString binary = QCoreApplication::applicationFilePath();
    EXPECT_EQ(QFileInfo(binary).dir().canonicalPath().toStdString(),
              QDir(QString::fromStdString(directory)).canonicalPath().toStdString());
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

#include "platform/ErrorReport.h"

#include "tests/platform/ShownBox.h"
#include "tests/support/Seams.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

const Error passwordError(ErrorNumber::InvalidPassword, "Not a valid password.");

// What the report's box showed, as the death test's parent matches it on stderr.
void printShown(const ShownBox& shown)
{
    std::fprintf(stderr, "[%s|%d|%s]\n", qPrintable(shown.title), int(shown.icon),
                 qPrintable(shown.text));
    std::fflush(stderr);
}

class ErrorReportDeathTest : public testing::Test
{
protected:
    // The child re-runs this program for the one test, with a fresh application object.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ErrorReportDeathTest, ShowsNumberAndDescriptionThenEndsTheEventLoopWithStatus1)
{
    EXPECT_EXIT(
        {
            QGuiApplication::setApplicationDisplayName(QStringLiteral("Tandera"));
            ShownBox shown;
            answerNextBox(&shown);
            QTimer::singleShot(0, qApp, [] { ReportUnhandledError(passwordError); });
            const int status = QCoreApplication::exec();
            printShown(shown);
            std::exit(status);
        },
        testing::ExitedWithCode(1),
        "\\[Tandera\\|3\\|Run-time error '-2147217843':\n\nNot a valid password.\\]");
}

// The operator must learn what the failure did to the data, after the number and description.
TEST_F(ErrorReportDeathTest, SaysWhatBecameOfTheDataAfterTheDescription)
{
    EXPECT_EXIT(
        {
            QGuiApplication::setApplicationDisplayName(QStringLiteral("Tandera"));
            ShownBox shown;
            answerNextBox(&shown);
            QTimer::singleShot(0, qApp, [] {
                ReportUnhandledError(passwordError.withDataNote("Table T was left as it was."));
            });
            const int status = QCoreApplication::exec();
            printShown(shown);
            std::exit(status);
        },
        testing::ExitedWithCode(1),
        "\\[Tandera\\|3\\|Run-time error '-2147217843':\n\nNot a valid password.\n\nTable T was "
        "left as it was.\\]");
}

TEST_F(ErrorReportDeathTest, WithoutAnEventLoopEndsTheProcessWithStatus1)
{
    EXPECT_EXIT(
        {
            static ShownBox shown;
            answerNextBox(&shown);
            ReportUnhandledError(passwordError);
            std::exit(0); // not reached
        },
        testing::ExitedWithCode(1), "");
}

TEST(ErrorReportSeam, RecordsTheErrorAndEndsNothing)
{
    RecordedErrorReports reports;
    ReportUnhandledError(passwordError);
    ReportUnhandledError(Error(ErrorNumber::ObjectOpen, "open"));
    ASSERT_EQ(2u, reports.errors().size());
    EXPECT_EQ(ErrorNumber::InvalidPassword, reports.errors()[0].number());
    EXPECT_EQ("Not a valid password.", reports.errors()[0].description());
    EXPECT_EQ(ErrorNumber::ObjectOpen, reports.errors()[1].number());
}

} // namespace

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

class ErrorReportDeathTest : public testing::Test
{
protected:
    // The child re-runs this program for the one test, with a fresh application object.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// Reports error from the event loop in a child, which prints what the report's box showed for
// the parent to match on stderr as "[title|icon|text]".
void expectReportEndsWith1Showing(const Error& error, const std::string& shown)
{
    EXPECT_EXIT(
        {
            QGuiApplication::setApplicationDisplayName(QStringLiteral("Tandera"));
            ShownBox box;
            answerNextBox(&box);
            QTimer::singleShot(0, qApp, [&error] { ReportUnhandledError(error); });
            const int status = QCoreApplication::exec();
            std::fprintf(stderr, "[%s|%d|%s]\n", qPrintable(box.title), int(box.icon),
                         qPrintable(box.text));
            std::exit(status);
        },
        testing::ExitedWithCode(1), "\\[" + shown + "\\]");
}

TEST_F(ErrorReportDeathTest, ShowsNumberAndDescriptionThenEndsTheEventLoopWithStatus1)
{
    expectReportEndsWith1Showing(
        passwordError, "Tandera\\|3\\|Run-time error '-2147217843':\n\nNot a valid password.");
}

// The operator must learn what the failure did to the data, after the number and description.
TEST_F(ErrorReportDeathTest, SaysWhatBecameOfTheDataAfterTheDescription)
{
    expectReportEndsWith1Showing(passwordError.withDataNote("Table T was left as it was."),
                                 "Tandera\\|3\\|Run-time error '-2147217843':\n\nNot a valid "
                                 "password.\n\nTable T was left as it was.");
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

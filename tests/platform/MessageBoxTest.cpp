#include "platform/MessageBox.h"

#include "tests/platform/ShownBox.h"
#include "tests/support/Seams.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

class MessageBoxOnScreen : public testing::Test
{
protected:
    void SetUp() override { QGuiApplication::setApplicationDisplayName(QStringLiteral("Tandera")); }
    void TearDown() override { QGuiApplication::setApplicationDisplayName({}); }
    ShownBox shown;
};

TEST_F(MessageBoxOnScreen, CriticalFlagShowsTheCriticalIconAndOk)
{
    answerNextBox(&shown);
    MsgBox("-2147217843-Not a valid password.", MessageBoxFlag::Critical);
    EXPECT_EQ(QMessageBox::Critical, shown.icon);
    EXPECT_EQ(QMessageBox::StandardButtons(QMessageBox::Ok), shown.buttons);
    EXPECT_EQ("-2147217843-Not a valid password.", shown.text.toStdString());
}

TEST_F(MessageBoxOnScreen, OkOnlyFlagShowsNoIcon)
{
    answerNextBox(&shown);
    MsgBox("Tabel Kemasan Sudah Di Update", MessageBoxFlag::OkOnly);
    EXPECT_EQ(QMessageBox::NoIcon, shown.icon);
    EXPECT_EQ(QMessageBox::StandardButtons(QMessageBox::Ok), shown.buttons);
}

TEST_F(MessageBoxOnScreen, TitleIsTheGivenOneOrTheApplications)
{
    answerNextBox(&shown);
    MsgBox("x", MessageBoxFlag::Critical, "Paht Tandera");
    EXPECT_EQ("Paht Tandera", shown.title.toStdString());

    answerNextBox(&shown);
    MsgBox("x", MessageBoxFlag::Critical);
    EXPECT_EQ("Tandera", shown.title.toStdString());
}

// The prompt reaches the box exactly as given: a screen reader must get CR LF as it stands, and
// what is drawn must be the two lines, with nothing shown for the CR.
TEST_F(MessageBoxOnScreen, CrLfStaysInTheTextAndBreaksTheDrawnLine)
{
    const QString prompt =
        QStringLiteral("Database Kolvarin.mdb Tidak Ada\r\nHubungi Administrator anda !");
    answerNextBox(&shown);
    MsgBox(prompt.toStdString(), MessageBoxFlag::Critical, "Paht Tandera");
    EXPECT_EQ(prompt, shown.text);
    EXPECT_EQ(prompt, shown.accessibleText);

    // Drawn as the same two lines broken by a plain LF would be, with nothing shown for the CR.
    EXPECT_GE(shown.drawnText.height(), 2 * shown.lineHeight);
    EXPECT_LT(shown.drawnText.height(), 3 * shown.lineHeight);
    EXPECT_EQ(shown.drawnWithLf, shown.drawnText);
}

TEST_F(MessageBoxOnScreen, MarkupStaysText)
{
    // A description may carry "<" or "&"; it must not be read as rich text.
    answerNextBox(&shown);
    MsgBox("<b>C:\\a&b\\Kolvarin.mdb</b>", MessageBoxFlag::Critical);
    EXPECT_EQ(Qt::PlainText, shown.textFormat);
    EXPECT_EQ("<b>C:\\a&b\\Kolvarin.mdb</b>", shown.text.toStdString());
}

// A run shows the busy cursor; a box that waits for the operator must not look busy, and the run's
// cursor must come back after it.
TEST_F(MessageBoxOnScreen, WaitsWithTheArrowCursorAndGivesTheCallersCursorBack)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    answerNextBox(&shown);
    MsgBox("x");
    ASSERT_NE(nullptr, QGuiApplication::overrideCursor());
    EXPECT_EQ(Qt::WaitCursor, QGuiApplication::overrideCursor()->shape());
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(Qt::ArrowCursor, shown.cursor);
    EXPECT_EQ(nullptr, QGuiApplication::overrideCursor());
}

TEST(MessageBoxSeam, RecordsTheExactCallsInOrderAndStopsWhenRemoved)
{
    {
        RecordedBoxes boxes;
        MsgBox("a\r\nb", MessageBoxFlag::Critical, "Paht Tandera");
        MsgBox("c");
        const std::vector<MessageBoxCall> expected = {
            {"a\r\nb", MessageBoxFlag::Critical, "Paht Tandera"},
            {"c", MessageBoxFlag::OkOnly, std::nullopt},
        };
        EXPECT_EQ(expected, boxes.calls());
    }
    // With the recorder gone, boxes reach the screen again.
    ShownBox shown;
    answerNextBox(&shown);
    MsgBox("d");
    EXPECT_EQ("d", shown.text.toStdString());
}

} // namespace

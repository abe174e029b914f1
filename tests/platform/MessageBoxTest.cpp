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

TEST_F(MessageBoxOnScreen, CrLfBreaksTheLineAndMarkupStaysText)
{
    answerNextBox(&shown);
    MsgBox("Database Kolvarin.mdb Tidak Ada\r\nHubungi Administrator anda !",
           MessageBoxFlag::Critical, "Paht Tandera");
    EXPECT_EQ("Database Kolvarin.mdb Tidak Ada\nHubungi Administrator anda !",
              shown.text.toStdString());

    // A description may carry "<" or "&"; it must not be read as rich text.
    answerNextBox(&shown);
    MsgBox("<b>C:\\a&b\\Kolvarin.mdb</b>", MessageBoxFlag::Critical);
    EXPECT_EQ(Qt::PlainText, shown.textFormat);
    EXPECT_EQ("<b>C:\\a&b\\Kolvarin.mdb</b>", shown.text.toStdString());
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

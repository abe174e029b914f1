#include "forms/Loading.h"

#include "forms/ProgressBar.h"
#include "platform/ProgressWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(LoadingWindow, CaptionsNamesAndControls)
{
    const Loading loading;
    const QWidget& window = loading.window();
    EXPECT_EQ(window.objectName(), QStringLiteral("Loading"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Proses Update"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label1")), &loading.label1());
    EXPECT_EQ(window.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")),
              &loading.progressBar1().drawn());

    EXPECT_EQ(loading.label1().text(), QStringLiteral("Proses"));
    const QFont font = loading.label1().font();
    EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(font.styleHint(), QFont::SansSerif);
    EXPECT_EQ(font.pointSizeF(), 9.75);
    EXPECT_TRUE(font.bold());

    EXPECT_EQ(loading.progressBar1().drawn().orientation(), Qt::Horizontal);
    EXPECT_EQ(loading.progressBar1().Value(), 0.0f);
}

// The layout's twips at 96 dpi, 15 to the pixel.
TEST(LoadingWindow, GeometryInPixelsAt96Dpi)
{
    const Loading loading;
    const QWidget& window = loading.window();
    ASSERT_EQ(window.logicalDpiX(), 96);
    EXPECT_EQ(window.size(), QSize(358, 70));                     // 5370 x 1050
    EXPECT_EQ(loading.label1().geometry(), QRect(8, 8, 137, 17)); // 120, 120, 2055, 255
    EXPECT_EQ(loading.progressBar1().drawn().geometry(),
              QRect(8, 32, 345, 25)); // 120, 480, 5175, 375
}

TEST(LoadingWindow, IsASizableTopLevelWindowWithMinimiseAndMaximise)
{
    const Loading loading;
    const QWidget& window = loading.window();
    EXPECT_TRUE(window.isWindow());
    EXPECT_EQ(window.parentWidget(), nullptr); // so it has its own taskbar entry
    EXPECT_EQ(window.windowType(), Qt::Window);
    const Qt::WindowFlags flags = window.windowFlags();
    for (const Qt::WindowType hint :
         {Qt::WindowTitleHint, Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
        EXPECT_TRUE(flags.testFlag(hint)) << "missing hint " << hint;
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_EQ(window.minimumSize(), QSize(0, 0));
}

TEST(LoadingWindow, ShowsCentredNonModalAndDrawn)
{
    Loading loading;
    const QWidget& window = loading.window();
    const QProgressBar& drawn = loading.progressBar1().drawn();
    loading.progressBar1().SetValue(42.5f);
    loading.Show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(drawn.value(), 42'500);

    const QPoint offset =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 1) << offset.x();
    EXPECT_LE(std::abs(offset.y()), 1) << offset.y();

    loading.proses("0.6");
    loading.Hide();
    EXPECT_FALSE(window.isVisible());
    loading.Show();
    EXPECT_EQ(drawn.value(), 43'100); // shown again, it draws the value it has
    loading.Hide();
}

// Counts the events posted to it that have been delivered.
class Mailbox : public QObject
{
public:
    int delivered = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++delivered;
            return true;
        }
        return QObject::event(event);
    }
};

// The bar is drawn anew once 30 ms of work have passed, but not on every call.
TEST(LoadingWindow, RedrawsTheBarOncePerPaintIntervalOfWork)
{
    Loading window;
    const QProgressBar& drawn = window.progressBar1().drawn();
    QElapsedTimer sinceShown;
    sinceShown.start();
    window.Show();
    window.proses("1");
    EXPECT_EQ(drawn.value(), 0); // drawn when shown, not per call

    // Well inside the interval, a look at the clock finds nothing to draw; a busy machine that
    // took longer proves nothing either way.
    QThread::msleep(15);
    for (int call = 1; call < Loading::ClockCheckCalls; ++call)
        window.proses("0");
    if (sinceShown.elapsed() < 25) {
        EXPECT_EQ(drawn.value(), 0);
    }

    QThread::msleep(40);
    for (int call = 0; call < Loading::ClockCheckCalls; ++call)
        window.proses("0");
    EXPECT_EQ(drawn.value(), 1'000);
    window.Hide();
}

TEST(LoadingWindow, ShowingProcessesPendingEventsUnlessPaintingIsOff)
{
    for (const bool painting : {true, false}) {
        Loading window;
        window.setPaintingEnabled(painting);
        Mailbox mailbox;
        QCoreApplication::postEvent(&mailbox, new QEvent(QEvent::User));
        window.Show();
        EXPECT_EQ(mailbox.delivered, painting ? 1 : 0) << "painting " << painting;
        window.Hide();
        QCoreApplication::removePostedEvents(&mailbox);
    }
}

TEST(LoadingWindow, OneProgramWideInstanceBehindTheProgressWindow)
{
    setProgressWindowProvider([]() -> ProgressWindow& { return Loading::instance(); });
    Loading& window = Loading::instance();
    EXPECT_EQ(&Loading::instance(), &window);
    EXPECT_EQ(&progressWindow(), static_cast<ProgressWindow*>(&window));
    EXPECT_EQ(window.window().objectName(), QStringLiteral("Loading"));
    setProgressWindowProvider(nullptr);
}

} // namespace

#include "forms/Loading.h"

#include "forms/Twips.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <memory>

namespace {

// A widget does not survive the QApplication, and a static's destructor would run after it is
// gone: a post routine deletes the instance while the application object is being destroyed.
std::unique_ptr<Loading>& instanceSlot()
{
    static std::unique_ptr<Loading> instance;
    return instance;
}

void deleteInstance()
{
    instanceSlot().reset();
}

} // namespace

Loading& Loading::instance()
{
    std::unique_ptr<Loading>& instance = instanceSlot();
    if (!instance) {
        instance = std::make_unique<Loading>();
        qAddPostRoutine(&deleteInstance);
    }
    return *instance;
}

Loading::Loading()
    : m_window(std::make_unique<QWidget>(
          nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)),
      Label1(new QLabel(m_window.get())), ProgressBar1(*m_window)
{
    QWidget& window = *m_window;
    window.setObjectName(QStringLiteral("Loading"));
    window.setWindowTitle(QStringLiteral("Proses Update"));
    window.resize(Twips::size(window, 5370, 1050));

    QProgressBar& bar = ProgressBar1.drawn();
    bar.setObjectName(QStringLiteral("ProgressBar1"));
    bar.setGeometry(Twips::rect(window, 120, 480, 5175, 375));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QStringLiteral("Proses"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setGeometry(Twips::rect(window, 120, 120, 2055, 255));

    m_sincePaint.start();
}

Loading::~Loading() = default;

void Loading::Show()
{
    const bool appearing = !m_window->isVisible();
    if (appearing)
        centreOnScreen();
    m_shown = true;
    m_window->show();
    if (m_paintingEnabled)
        waitUntilExposed();
    // The frame is known only once the window is up: centre again with it.
    if (appearing)
        centreOnScreen();
    if (m_paintingEnabled)
        paintNow();
}

// The bar is not redrawn first: the window is about to go, and Show() draws it afresh.
void Loading::Hide()
{
    m_window->hide();
    m_shown = false;
}

void Loading::proses(const std::string& Pars)
{
    ProgressBar1.advance(Pars);
    if (!m_shown || !m_paintingEnabled || ++m_callsSinceClockCheck < ClockCheckCalls)
        return;
    m_callsSinceClockCheck = 0;
    if (m_sincePaint.hasExpired(PaintInterval))
        paintNow();
}

void Loading::centreOnScreen()
{
    const QScreen* screen = m_window->screen();
    if (screen == nullptr)
        return;
    QRect frame = m_window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    m_window->move(frame.topLeft());
}

// A window the window system has not mapped yet does not paint; wait a little for it so that
// the operator sees the window before the first line is read.
void Loading::waitUntilExposed()
{
    const QDeadlineTimer deadline(500);
    QCoreApplication::processEvents();
    const QWindow* handle = m_window->windowHandle();
    while (handle != nullptr && !handle->isExposed() && !deadline.hasExpired()) {
        QThread::msleep(1);
        QCoreApplication::processEvents();
    }
}

// Paint and flush whatever changed; during a run its guard keeps the operator's events out.
void Loading::paintNow()
{
    ProgressBar1.refresh();
    QCoreApplication::processEvents();
    m_sincePaint.start();
}

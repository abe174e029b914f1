#include "forms/Loading.h"

#include "engine/Error.h"
#include "forms/Twips.h"
#include "platform/NumberText.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
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

// What a statement does when it fails inside proses: nothing, and the next one runs.
template <typename Statement> void resumeNext(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (const std::exception&) {
    }
}

float toSingle(double value)
{
    if (std::isfinite(value) && std::abs(value) > std::numeric_limits<float>::max())
        throw Error(ErrorNumber::Overflow, "Overflow");
    return static_cast<float>(value);
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
    advance(Pars);
    if (!m_shown || !m_paintingEnabled || ++m_callsSinceClockCheck < ClockCheckCalls)
        return;
    m_callsSinceClockCheck = 0;
    if (m_sincePaint.hasExpired(PaintInterval))
        paintNow();
}

// Every failure is swallowed where it happens and the next statement runs, as the original
// routine did under On Error Resume Next; a refused write ends the call.
void Loading::advance(const std::string& Pars)
{
    bool full = true; // a failed read or test goes on with the wrap
    resumeNext([&] { full = ProgressBar1.Value() == ProgressBar::Max; });
    if (full) {
        resumeNext([&] { ProgressBar1.SetValue(ProgressBar::Min); });
        return;
    }

    // The margin's round trip never changes, and the value's is the same in both steps (nothing
    // writes the bar between them), so each is worked out once.
    static const double margin = leadingNumber(numberToText(0.3));
    double current = 0;
    bool close = true; // a failed sum or test goes on with the clamp
    resumeNext([&] {
        current = singleRoundTrip(ProgressBar1.Value());
        close = current + margin >= 100.0;
    });
    if (close) {
        resumeNext([&] { ProgressBar1.SetValue(ProgressBar::Max); });
        return;
    }

    resumeNext([&] {
        if (Pars != m_stepText) {
            m_step = leadingNumber(Pars);
            m_stepText = Pars;
        }
        ProgressBar1.SetValue(toSingle(m_step + current));
    });
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

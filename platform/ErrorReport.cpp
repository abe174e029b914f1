#include "platform/ErrorReport.h"

#include "platform/CursorOverride.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>
#include <QThread>

#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

namespace {
ErrorReportHandler& handler()
{
    static ErrorReportHandler installed;
    return installed;
}

} // namespace

// Number and description first, then what became of the data.
std::string errorReportText(const Error& error)
{
    QString text =
        QCoreApplication::translate("ErrorReport", "Run-time error '%1':").arg(error.number());
    text += QStringLiteral("\n\n") + QString::fromStdString(error.description());
    if (!error.dataNote().empty())
        text += QStringLiteral("\n\n") + QString::fromStdString(error.dataNote());
    return text.toStdString();
}

// With an event loop running, QCoreApplication::exit(1) makes every loop of the thread return
// (so main's exec() returns 1) once control gets back to it: the caller must return at once and
// do nothing more. Without one (before exec() or after it), nothing would ever see the exit
// code, so the process ends here with status 1.
void ReportUnhandledError(const Error& error)
{
    if (handler()) {
        handler()(error);
        return;
    }

    const CursorOverride arrow(Qt::ArrowCursor);
    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(errorReportText(error)));
    box.exec();

    if (QCoreApplication::instance() != nullptr && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
    else
        std::exit(1);
}

void ReportCurrentException()
{
    try {
        throw;
    } catch (const Error& error) {
        ReportUnhandledError(error);
    } catch (const std::bad_alloc&) {
        ReportUnhandledError(
            Error(ErrorNumber::OutOfMemory,
                  QCoreApplication::translate("ErrorReport", "Out of memory").toStdString()));
    } catch (const std::exception& exception) {
        ReportUnhandledError(Error(ErrorNumber::InternalError, exception.what()));
    } catch (...) {
        ReportUnhandledError(
            Error(ErrorNumber::InternalError,
                  QCoreApplication::translate("ErrorReport", "Internal error").toStdString()));
    }
}

void setErrorReportHandler(ErrorReportHandler newHandler)
{
    handler() = std::move(newHandler);
}

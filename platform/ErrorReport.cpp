#include "platform/ErrorReport.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>
#include <QThread>

#include <cstdlib>
#include <utility>

namespace {
ErrorReportHandler& handler()
{
    static ErrorReportHandler installed;
    return installed;
}

QString reportText(const Error& error)
{
    return QStringLiteral("Run-time error '%1':\n\n%2")
        .arg(error.number())
        .arg(QString::fromStdString(error.description()));
}
} // namespace

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

    QMessageBox box;
    box.setIcon(QMessageBox::Critical);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText);
    box.setText(reportText(error));
    box.exec();

    if (QCoreApplication::instance() != nullptr && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(1);
    else
        std::exit(1);
}

void setErrorReportHandler(ErrorReportHandler newHandler)
{
    handler() = std::move(newHandler);
}

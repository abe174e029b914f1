#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

// Preloaded into the program under test (LD_PRELOAD), this appends the text of every message box
// the program shows to the file named by TANDERA_MESSAGE_LOG, and every accessible name it sets
// to the one named by TANDERA_NAME_LOG, one per line, so a test of the installed program can read
// what the operator read or heard. It hands every call on to Qt's own setter unchanged.
static void logLine(const char* variable, const QString& text)
{
    if (const char* log = std::getenv(variable)) {
        if (std::FILE* file = std::fopen(log, "a")) {
            QString line = text;
            line.replace(QLatin1Char('\n'), QLatin1Char(' '));
            std::fputs(line.toUtf8().append('\n').constData(), file);
            std::fclose(file);
        }
    }
}

void QMessageBox::setText(const QString& text)
{
    using SetText = void (*)(QMessageBox*, const QString&);
    static const auto real =
        reinterpret_cast<SetText>(dlsym(RTLD_NEXT, "_ZN11QMessageBox7setTextERK7QString"));
    logLine("TANDERA_MESSAGE_LOG", text);
    real(this, text);
}

void QWidget::setAccessibleName(const QString& name)
{
    using SetName = void (*)(QWidget*, const QString&);
    static const auto real =
        reinterpret_cast<SetName>(dlsym(RTLD_NEXT, "_ZN7QWidget17setAccessibleNameERK7QString"));
    logLine("TANDERA_NAME_LOG", name);
    real(this, name);
}

#include <QMessageBox>
#include <QString>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

// Preloaded into the program under test (LD_PRELOAD), this appends the text of every message box
// the program shows to the file named by TANDERA_MESSAGE_LOG, one box per line, so a test of the
// installed program can read what the operator read. It stands in front of Qt's own setText and
// hands every call on unchanged.
void QMessageBox::setText(const QString& text)
{
    using SetText = void (*)(QMessageBox*, const QString&);
    static const auto real =
        reinterpret_cast<SetText>(dlsym(RTLD_NEXT, "_ZN11QMessageBox7setTextERK7QString"));
    if (const char* log = std::getenv("TANDERA_MESSAGE_LOG")) {
        if (std::FILE* file = std::fopen(log, "a")) {
            QString line = text;
            line.replace(QLatin1Char('\n'), QLatin1Char(' '));
            std::fputs(line.toUtf8().append('\n').constData(), file);
            std::fclose(file);
        }
    }
    real(this, text);
}

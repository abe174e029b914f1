#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

// grabscreen <file.png>: saves what the X screen shows now, for the end-to-end tests' artifacts.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: grabscreen <file.png>\n", stderr);
        return 2;
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return !screen.isNull() && screen.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}

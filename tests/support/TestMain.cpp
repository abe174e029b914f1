#include <QApplication>
#include <gtest/gtest.h>

// One application object for every case: widgets and the progress window need it.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Data files come from the test's own folder only, never from the machine's data folders.
    qputenv("XDG_DATA_HOME", "/nonexistent/tandera-tests");
    qputenv("XDG_DATA_DIRS", "/nonexistent/tandera-tests");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

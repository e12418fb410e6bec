// The reference of startup_bench: a process that only constructs and destroys
// a QApplication (the platform comes from QT_QPA_PLATFORM, as for the launcher).
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}

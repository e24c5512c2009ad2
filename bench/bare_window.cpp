// The yardstick for start-up: a bare Qt window with one label, built with the
// same toolkit as the program.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Bare Qt window"));
    label.setWindowTitle(QStringLiteral("Bare Qt window"));
    label.show();
    return app.exec();
}

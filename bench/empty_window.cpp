// The yardstick for start-up: an empty Qt main window, started the way Netvane is.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty Main Window"));
    window.resize(588, 750);
    window.show();
    return app.exec();
}

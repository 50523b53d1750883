// The yardstick for start-up: an empty Qt main window of the game's size,
// shown the way the game shows its own, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setCentralWidget(new QWidget(&window));
    window.setGeometry(100, 100, 790, 585);
    window.show();
    return QApplication::exec();
}

// The floor of a Qt Widgets program: a bare window of the title page's size
// with one push button, shown until the program is ended (or, with
// --once, until it has been painted). What the course's start-up and
// memory are measured against (bench-mapped, and /usr/bin/time -f %M).

#include <QApplication>
#include <QPushButton>
#include <QWidget>
#include <QWindow>
#include <cstring>

int main(int argc, char *argv[]) {
    const bool once = argc > 1 && std::strcmp(argv[1], "--once") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(566, 316);
    QPushButton button(QStringLiteral("Suite"), &window);
    button.setGeometry(450, 270, 81, 33);
    window.show();
    if (!once)
        return QApplication::exec();
    while (!window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents(); // its first paint
    return 0;
}

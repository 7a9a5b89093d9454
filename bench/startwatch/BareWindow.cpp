// BareWindow.cpp: quarry-barewindow, the floor of start-up: an empty QWidget the size of the start
// window, titled "Bare Qt window", shown at once. tools/bench times it under quarry-startwatch in
// the same run as the program, so start-up can be given as a ratio to what Qt itself costs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(640, 400);
    window.show();
    return app.exec();
}

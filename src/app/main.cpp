// main.cpp: Quarry Puzzle starts at its start window.
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return 0;
}

// BenchMain.cpp: quarry-bench, the timing table of the game's models and windows.
#include "BenchHarness.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // A full application, so benchmarks of windows can show them (xcb under tools/bench, or
    // offscreen).
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out << "quarry-bench on the " << QGuiApplication::platformName() << " platform\n";
    return Bench::run(app.arguments().mid(1), out, err);
}

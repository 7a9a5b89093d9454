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
    // Rows measured on a screen of another device pixel ratio are named after it.
    const qreal ratio = app.devicePixelRatio();
    const QString suffix = ratio == 1 ? QString() : QStringLiteral("_ratio%1").arg(ratio);
    out << "quarry-bench on the " << QGuiApplication::platformName() << " platform, device pixel ratio "
        << ratio << '\n';
    return Bench::run(app.arguments().mid(1), out, err, suffix);
}

// InspectMain.cpp: quarry-inspect, a command line that prints what the game's models compute.
#include "Inspect.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Regions and images need no screen; the offscreen platform keeps the tool headless.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return Inspect::run(app.arguments().mid(1), in, out, err);
}

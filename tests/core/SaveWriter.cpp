// SaveWriter.cpp: test helper: writes saved game number 1, 2, 3 ... to one path as fast as it
// can, for a test to kill it in the middle of a write. Each save carries a padding whose length
// depends on its number, so a reader can tell a complete save from a torn one.
#include "SavedGame.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    QTextStream out(stdout);
    out << "writing" << Qt::endl;
    for (int n = 1;; ++n) {
        SavedGame::Document d;
        d.picture.builtIn = 0;
        d.level.insert(QStringLiteral("n"), n);
        d.state.insert(QStringLiteral("pad"), QString(20000 + n % 5000, u'x'));
        if (!SavedGame::write(path, d))
            return 1;
    }
}

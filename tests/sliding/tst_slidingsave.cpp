// tst_slidingsave.cpp: a Logic game saved in the middle and resumed finishes exactly as the
// uninterrupted one; a board that cannot be is refused and changes nothing.
#include "SlidingSave.h"
#include "SlidingScript.h"

#include <QJsonArray>
#include <QtTest>

namespace {
SavedGame::Document throughBytes(SavedGame::Document d)
{
    d.picture.builtIn = 0;
    const SavedGame::ReadResult read = SavedGame::decode(SavedGame::encode(d), SavedGame::Game::Logic);
    if (!read.ok)
        qFatal("%s", qPrintable(read.problem));
    return read.document;
}
} // namespace

class TestSlidingSave : public QObject
{
    Q_OBJECT

private slots:
    void resumedGameFinishesAsTheUninterruptedOne_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("swap pending") << 4 << 1 << "t t L U t m5" << "m7 t t D solve";
        QTest::newRow("paused") << 3 << 5 << "L h t t p" << "U p h t R solve";
        QTest::newRow("largest") << 10 << 37 << "t L L U" << "t solve";
    }
    void resumedGameFinishesAsTheUninterruptedOne()
    {
        QFETCH(int, grid);
        QFETCH(int, blank);
        QFETCH(QString, before);
        QFETCH(QString, after);
        SlidingGame straight;
        straight.startGameWithBlank(grid, blank);
        SlidingScript::play(straight, before);
        SlidingGame resumed;
        QString problem;
        QVERIFY2(SlidingSave::restore(throughBytes(SlidingSave::capture(straight)), resumed, &problem),
            qPrintable(problem));
        QCOMPARE(SlidingScript::snapshot(resumed), SlidingScript::snapshot(straight));
        const QString result = SlidingScript::play(straight, after);
        QVERIFY(result.contains(u'!'));
        QCOMPARE(SlidingScript::play(resumed, after), result);
        QCOMPARE(SlidingScript::snapshot(resumed), SlidingScript::snapshot(straight));
    }

    void unsoundBoardIsRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("two tiles in one cell") << "cells" << QJsonValue(QJsonArray { 0, 0, 2, 3, 4, 5, 6, 7, 8 });
        QTest::newRow("cell off the board") << "cells" << QJsonValue(QJsonArray { 9, 1, 2, 3, 4, 5, 6, 7, 8 });
        QTest::newRow("too few cells") << "cells" << QJsonValue(QJsonArray { 0, 1, 2 });
        QTest::newRow("cells not a list") << "cells" << QJsonValue("012345678");
        QTest::newRow("fractional cell") << "cells" << QJsonValue(QJsonArray { 0.5, 1, 2, 3, 4, 5, 6, 7, 8 });
        QTest::newRow("grid too large") << "grid" << QJsonValue(11);
        QTest::newRow("no blank") << "blank" << QJsonValue(0);
        QTest::newRow("picked off the board") << "picked" << QJsonValue(10);
        QTest::newRow("negative steps") << "steps" << QJsonValue(-1);
        QTest::newRow("steps as text") << "steps" << QJsonValue("5");
        QTest::newRow("no hints written as 0") << "hints" << QJsonValue(0);
    }
    void unsoundBoardIsRefused()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        SlidingGame game;
        game.startGameWithBlank(3, 2);
        SavedGame::Document saved = SlidingSave::capture(game);
        (key == QLatin1String("grid") ? saved.level : saved.state).insert(key, value);
        SlidingGame target;
        target.startGameWithBlank(4, 1);
        SlidingScript::play(target, QStringLiteral("L t"));
        const QString before = SlidingScript::snapshot(target);
        QString problem;
        QVERIFY(!SlidingSave::restore(saved, target, &problem));
        QVERIFY(!problem.isEmpty());
        QCOMPARE(SlidingScript::snapshot(target), before);
    }
};

QTEST_GUILESS_MAIN(TestSlidingSave)
#include "tst_slidingsave.moc"

// tst_savedgame.cpp: the saved-game document: what a reader refuses, the picture it carries, and
// a writer killed at any moment leaving a complete save.
#include "SavedGame.h"
#include "TestSupport.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {
QByteArray good()
{
    SavedGame::Document d;
    d.game = SavedGame::Game::Jigsaw;
    d.picture.builtIn = 4;
    d.seconds = 77;
    return SavedGame::encode(d);
}

// A complete save of the writer helper: its padding matches its number.
bool completeSave(const QByteArray& bytes)
{
    const SavedGame::ReadResult r = SavedGame::decode(bytes, SavedGame::Game::Logic);
    const int n = r.document.level.value(QStringLiteral("n")).toInt();
    return r.ok && r.document.state.value(QStringLiteral("pad")).toString().size() == 20000 + n % 5000;
}
} // namespace

class TestSavedGame : public QObject
{
    Q_OBJECT

private slots:
    void readerRefuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray g = good();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << g.left(g.size() / 2);
        QTest::newRow("not an object") << QByteArray("[1,2]");
        QTest::newRow("foreign") << QByteArray(g).replace("quarry-saved-game", "other-game");
        QTest::newRow("later version") << QByteArray(g).replace("\"version\":1", "\"version\":2");
        QTest::newRow("other game") << QByteArray(g).replace("\"jigsaw\"", "\"logic\"");
        QTest::newRow("clock past its end") << QByteArray(g).replace("\"seconds\":77", "\"seconds\":10000");
        QTest::newRow("paused not a flag") << QByteArray(g).replace("\"paused\":false", "\"paused\":0");
        QTest::newRow("no state") << QByteArray(g).replace("\"state\"", "\"statf\"");
        QTest::newRow("picture undecodable")
            << QByteArray(g).replace("{\"builtIn\":4}", "{\"path\":\"/a.png\",\"sha256\":\"\",\"png\":\"AAAA\"}");
    }
    void readerRefuses()
    {
        QFETCH(QByteArray, bytes);
        const SavedGame::ReadResult r = SavedGame::decode(bytes, SavedGame::Game::Jigsaw);
        QVERIFY(!r.ok);
        QVERIFY(!r.problem.isEmpty());
    }

    // The player's picture travels with the save, so a vanished file can be stood in for.
    void playersPictureRoundTrips()
    {
        TestSupport::DataFolder folder;
        folder.write(QStringLiteral("cat.png"), "not really a png");
        QImage working(7, 5, QImage::Format_RGB32);
        working.fill(qRgb(10, 200, 30));
        SavedGame::Document d;
        d.picture.path = folder.filePath(QStringLiteral("cat.png"));
        d.picture.sha256 = SavedGame::fileHash(d.picture.path);
        d.picture.working = working;
        d.paused = true;
        const QString save = folder.filePath(QStringLiteral("logic.save"));
        QVERIFY(SavedGame::write(save, d));
        const SavedGame::ReadResult r = SavedGame::read(save, SavedGame::Game::Logic);
        QVERIFY2(r.ok, qPrintable(r.problem));
        QCOMPARE(r.document.picture.path, d.picture.path);
        QCOMPARE(r.document.picture.sha256.size(), 64);
        QCOMPARE(r.document.picture.sha256, d.picture.sha256);
        QCOMPARE(r.document.picture.working.convertToFormat(QImage::Format_RGB32), working);
        QVERIFY(r.document.paused);
        QVERIFY(SavedGame::moveAside(save));
        QVERIFY(!folder.exists(QStringLiteral("logic.save")) && folder.exists(QStringLiteral("logic.save.bad")));
    }

    // A writer killed at random moments leaves the previous save or the new one, whole.
    void killedWriterLeavesACompleteSave()
    {
#ifndef Q_OS_UNIX
        QSKIP("kill() is a hard kill only on Unix");
#endif
        TestSupport::DataFolder folder;
        const QString save = folder.filePath(QStringLiteral("logic.save"));
        const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/quarry-savewriter");
        int lastSeen = 0;
        int advanced = 0;
        for (int round = 0; round < 40; ++round) {
            QProcess process;
            process.start(writer, { save });
            QVERIFY(process.waitForStarted());
            QVERIFY(process.waitForReadyRead());
            QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
            process.kill();
            QVERIFY(process.waitForFinished());
            QFile file(save);
            if (!file.open(QIODevice::ReadOnly))
                continue; // killed before its first save ever landed
            const QByteArray bytes = file.readAll();
            QVERIFY2(completeSave(bytes), qPrintable(QStringLiteral("round %1").arg(round)));
            const int n = SavedGame::decode(bytes, SavedGame::Game::Logic).document.level.value("n").toInt();
            advanced += n != lastSeen ? 1 : 0;
            lastSeen = n;
        }
        QVERIFY2(advanced > 10, "the writer was killed while it was writing");
    }
};

QTEST_MAIN(TestSavedGame)
#include "tst_savedgame.moc"

// tst_records.cpp: the files of played games: the records file (its lines, its damage handling, the
// best results) and the saved-game document (what a reader refuses, the picture it carries, and a
// writer killed at any moment leaving a complete save).
#include "GameRecord.h"
#include "RecordStore.h"
#include "SavedGame.h"
#include "StringTable.h"
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

namespace {

const QString File = QStringLiteral("records.txt");
const QByteArray Header = "QuarryRecords 1\n";
const QByteArray LineA = "R1 2026-12-07T12:34:56Z L done b3 g4 r0 s1 63 57 17799";
const QByteArray LineB = "R1 2026-12-07T12:40:02Z J done f" + QByteArray(40, 'a') + ":My%20cat.png l6401:64:0 r1 s0 245 63 24347";

GameRecord logic(int picture, int grid, int seconds, qint64 score, bool finished = true, int minute = 0)
{
    GameRecord r;
    r.when = QDateTime(QDate(2026, 12, 7), QTime(10, minute, 0), Qt::UTC);
    r.game = RecordGame::Logic;
    r.finished = finished;
    r.builtInPicture = picture;
    r.gridSize = grid;
    r.seconds = seconds;
    r.moves = seconds * 2;
    r.score = score;
    return r;
}

// A saved game the reader takes.
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

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("reads");
        QTest::newRow("logic") << LineA << true;
        QTest::newRow("player's picture, jigsaw") << LineB << true;
        QTest::newRow("time end, negative score") << QByteArray("R1 2026-01-01T00:00:00Z L timeout b0 g10 r0 s0 9999 3 -85000") << true;
        QTest::newRow("hints counted") << QByteArray(LineA).replace("R1", "R2") + " h3" << true;
        QTest::newRow("R2 without its hints") << QByteArray(LineA).replace("R1", "R2") << false;
        QTest::newRow("R1 with hints") << LineA + " h3" << false;
        QTest::newRow("negative hints") << QByteArray(LineA).replace("R1", "R2") + " h-3" << false;
        QTest::newRow("future tag") << QByteArray(LineA).replace("R1", "R3") << false;
        QTest::newRow("field missing") << LineA.left(LineA.lastIndexOf(' ')) << false;
        QTest::newRow("field extra") << LineA + " 1" << false;
        QTest::newRow("grid out of range") << QByteArray(LineA).replace("g4", "g11") << false;
        QTest::newRow("jigsaw size on logic") << QByteArray(LineA).replace("g4", "l6401:64:0") << false;
        QTest::newRow("bad date") << QByteArray(LineA).replace("12:34", "25:34") << false;
        QTest::newRow("short hash") << QByteArray(LineB).replace("aaaa:", "aaa:") << false;
        QTest::newRow("upper-case hash") << QByteArray(LineB).replace("aaaa:", "aaaA:") << false;
        QTest::newRow("number with a plus") << QByteArray(LineA).replace(" 63 ", " +63 ") << false;
        QTest::newRow("huge number") << QByteArray(LineA).replace(" 63 ", " 99999999999 ") << false;
        QTest::newRow("rotation word") << QByteArray(LineA).replace(" r0 ", " r2 ") << false;
        QTest::newRow("two spaces") << QByteArray(LineA).replace(" L ", " L  ") << false;
    }
    void lines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, reads);
        const std::optional<GameRecord> record = GameRecord::fromLine(QString::fromUtf8(line));
        QCOMPARE(record.has_value(), reads);
        if (record)
            QCOMPARE(record->toLine().toUtf8(), line);
    }

    // Whatever the file holds, the readable records stay, the rest goes to the .bad copy.
    void damage()
    {
        const QByteArray none; // no file
        const QByteArray clean = Header + LineA + '\n' + LineB + '\n';
        const auto ok = RecordStore::Problem::None, damaged = RecordStore::Problem::Damaged;
        const QByteArray notUtf8 = QByteArray(LineA).replace("L done", "L d\xffne") + '\n';
        // the file, the .bad file before, records read, the .bad file after, the problem told
        const QList<std::tuple<QByteArray, QByteArray, int, QByteArray, RecordStore::Problem>> rows {
            { none, none, 0, none, ok }, { "", none, 0, none, ok }, { clean, none, 2, none, ok },
            { Header + "# mine\r\n\r\n" + LineA + "\r\n", none, 1, none, ok }, // CR LF, blank lines, comment
            { clean + LineA.left(50), none, 2, LineA.left(50) + '\n', damaged }, // cut short
            // cut in the score
            { Header + LineA + '\n' + LineA.chopped(2), none, 1, LineA.chopped(2) + '\n', damaged },
            { QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), none, 0, QByteArray("\x89PNG\r\n\x1a\n\0\0\n", 11),
                damaged },
            { "QuarryRecords 2\n" + LineA + '\n' + QByteArray(LineA).replace("R1", "R2") + " h1\n", none, 2,
                none, ok },
            // a later version: its own lines go to the .bad file
            { "QuarryRecords 3\n" + LineA + "\nR3 x y\n", none, 1, "QuarryRecords 3\nR3 x y\n", damaged },
            { Header + LineA + '\n' + notUtf8, none, 1, notUtf8, damaged },
            { clean + "junk\n", "old", 2, "old\njunk\n", damaged }, // an earlier .bad file is kept
        };
        for (const auto& [before, badBefore, records, badAfter, problem] : rows) {
            TestSupport::DataFolder folder;
            if (!before.isNull())
                folder.write(File, before);
            if (!badBefore.isNull())
                folder.write(File + ".bad", badBefore);
            RecordStore store(folder.filePath(File));
            QCOMPARE(store.records().size(), records);
            QCOMPARE(store.takeProblem(), problem);
            QCOMPARE(store.takeProblem(), RecordStore::Problem::None); // told once
            QCOMPARE(folder.read(File + ".bad"), badAfter);
            // The repaired file reads clean with the same records; a clean file is left untouched.
            QCOMPARE(folder.read(File), problem != ok ? RecordStore::serialise(store.records()) : before);
            RecordStore again(folder.filePath(File));
            QCOMPARE(again.records(), store.records());
            QCOMPARE(again.takeProblem(), RecordStore::Problem::None);
        }
    }

    // A damaged file that cannot be repaired is left whole and not written over.
    void damageNotRepaired()
    {
        TestSupport::DataFolder folder;
        const QByteArray before = Header + LineA + "\njunk\n";
        folder.write(File, before);
        QVERIFY(QDir(folder.path()).mkdir(File + ".bad")); // the copy cannot be written
        RecordStore store(folder.filePath(File));
        QCOMPARE(store.records().size(), 1);
        const RecordStore::Problem problem = store.takeProblem();
        QCOMPARE(problem, RecordStore::Problem::DamagedNotRepaired);
        QVERIFY(store.problemText(problem, StringTable(StringTable::Language::English)).contains(QDir::toNativeSeparators(store.filePath())));
        QVERIFY(!store.append(logic(1, 3, 10, 17000)).saved);
        QCOMPARE(store.takeProblem(), RecordStore::Problem::None); // told already
        QCOMPARE(folder.read(File), before);
    }

    // Best per picture x size x rotation: the higher score, then the shorter time; time ends and
    // other games never count; the file is read only when first needed.
    void bestResults()
    {
        TestSupport::DataFolder folder;
        folder.write(File, Header + LineA + '\n');
        RecordStore store(folder.filePath(File));
        folder.write(File, Header); // read lazily: the store sees the file as it is at first use
        struct Step
        {
            GameRecord record;
            bool best;
        };
        const QList<Step> steps{
            {logic(1, 3, 30, 17000, true, 1), true},   // first on its board
            {logic(1, 3, 20, 16000, true, 2), false},  // lower score
            {logic(1, 3, 25, 17000, true, 3), true},   // same score, shorter
            {logic(1, 3, 25, 17000, true, 4), false},  // same score, same time, later
            {logic(1, 4, 40, 1000, true, 5), true},    // other size
            {logic(1, 3, 9999, 0, false, 6), false},   // time end
        };
        for (const Step& step : steps) {
            const RecordOutcome outcome = store.append(step.record);
            QVERIFY(outcome.saved);
            QCOMPARE(outcome.best, step.best);
        }
        QList<BestResult> bests = store.bests(RecordGame::Logic);
        QCOMPARE(bests.size(), 2);
        std::sort(bests.begin(), bests.end(), [](const BestResult& a, const BestResult& b) { return a.best.gridSize < b.best.gridSize; });
        QCOMPARE(bests[0].best, steps[2].record);
        QCOMPARE(bests[0].finishedGames, 4);
        QCOMPARE(bests[0].fastestSeconds, 20);
        QCOMPARE(bests[0].fewestMoves, 40);
        QVERIFY(store.bests(RecordGame::Jigsaw).isEmpty());
        QCOMPARE(store.latest(RecordGame::Logic, 2), (QList<GameRecord>{steps[5].record, steps[4].record}));
        QCOMPARE(store.history(steps[0].record.boardKey()).size(), 4);

        RecordStore reread(folder.filePath(File));
        QCOMPARE(reread.records().size(), steps.size());
        QCOMPARE(reread.records().last(), steps.last().record);
        QVERIFY(reread.clear(RecordGame::Logic));
        QCOMPARE(folder.read(File), Header);
        // The first record that counts hints raises the header to the version that reads it.
        GameRecord hinted = logic(2, 3, 10, 100, true, 7);
        hinted.hints = 2;
        QVERIFY(reread.append(hinted).saved);
        QCOMPARE(folder.read(File), "QuarryRecords 2\n" + hinted.toLine().toUtf8() + "\n");
    }

    // The saved-game document: what a reader refuses.
    void saveReaderRefuses_data()
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
        QTest::newRow("picture undecodable") << QByteArray(g).replace(
            "{\"builtIn\":4}", "{\"path\":\"/a.png\",\"sha256\":\"\",\"png\":\"AAAA\"}");
    }
    void saveReaderRefuses()
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
        QVERIFY(
            !folder.exists(QStringLiteral("logic.save")) && folder.exists(QStringLiteral("logic.save.bad")));
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

QTEST_MAIN(TestRecords)
#include "tst_records.moc"

// tst_datafiles.cpp: the choice of the player's data folder, its first-use seeding, and the files it
// holds: options, recent pictures, and the new-game choices (laid over the preferences records).
#include "DataFiles.h"
#include "GameChoices.h"
#include "PlayerOptions.h"
#include "RandomSource.h"
#include "RecentPictures.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace GameChoices;

namespace {
const QString Logic0 = QStringLiteral("G0,BF0132768,D5,M1,L0,K1,S1,");
const QString Jigsaw0 = QStringLiteral("G1,BE0132768,D2,R0,M0,S1,P0,");
const QString Board0 = QStringLiteral("G1,BE0132768,D0,R0,M1,S1,P0,");
} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    // Only QSaveFile's leftovers of our own files go, and only those older than the limit.
    void staleTemporaries()
    {
        TestSupport::DataFolder folder;
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QList<std::pair<QString, bool>> files { // name, removed (all but the last written long ago)
            { "records.txt.Ab12Cd", true }, { "fav.dll.x1Y2z3", true }, { "records.txt.bad", false },
            { "records.txt.Ab12C", false }, { "records.txt.Ab-2Cd", false }, { "photo.png.Ab12Cd", false },
            { "logic.save.Zz9Yy8", false } };
        for (const auto& [name, removed] : files) {
            folder.write(name, "partial");
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (name != files.last().first)
                QVERIFY(file.setFileTime(now.addSecs(-3600), QFileDevice::FileModificationTime));
        }
        const QStringList removed = removeStaleTemporaries(folder.path(), now.addSecs(-60));
        for (const auto& [name, gone] : files) {
            QCOMPARE(removed.contains(name), gone);
            QCOMPARE(folder.exists(name), !gone);
        }
    }

    // A folder below a plain file can never be made, whoever runs the test (root included).
    void choice_data()
    {
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<bool>("perUserWritable");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("problem");
        QTest::newRow("portable copy") << true << true << "program" << false;
        QTest::newRow("installed") << false << true << "user" << false;
        QTest::newRow("nowhere to write") << false << false << "program" << true;
    }
    void choice()
    {
        QFETCH(bool, programWritable);
        QFETCH(bool, perUserWritable);
        QFETCH(QString, chosen);
        QFETCH(bool, problem);
        TestSupport::DataFolder root;
        root.write("plain", "x");
        const QString blocked = root.filePath("plain/below");
        const QString program = programWritable ? root.filePath("program") : blocked;
        const QString user = perUserWritable ? root.filePath("user") : blocked + "/user";

        const DataFolder folder = chooseDataFolder(program, user);
        QCOMPARE(folder.path, chosen == "program" ? program : user);
        QCOMPARE(folder.perUser, chosen == "user");
        QCOMPARE(!folder.problem.isEmpty(), problem);
        QCOMPARE(folder.filePath(DataFile::Preferences), QDir(folder.path).filePath("fav.dll"));
    }

    // The player's own files are never overwritten; missing program files are skipped.
    void seeding()
    {
        TestSupport::DataFolder program, user;
        program.write("fav.dll", "shipped prefs");
        program.write("bakdatal", "shipped tile");
        user.write("bakdatal", "player's tile");

        QCOMPARE(seedDataFolder(program.path(), user.path()), QStringList { "fav.dll" });
        QCOMPARE(user.read("fav.dll"), QByteArray("shipped prefs"));
        QCOMPARE(user.read("bakdatal"), QByteArray("player's tile"));
        QVERIFY(!user.exists("bakdatae"));
        QCOMPARE(seedDataFolder(program.path(), user.path()), QStringList {});
    }

    // The options file: missing means the defaults; a change is saved and read back; a damaged
    // file gives the defaults, is set aside and is reported once; an unwritable folder keeps the
    // choice for the run and says why.
    void playerOptions()
    {
        TestSupport::DataFolder folder;
        const QString name = dataFileName(DataFile::PlayerOptions);
        const QString path = folder.filePath(name);
        PlayerOptionsStore fresh(path);
        QVERIFY(fresh.animations() && fresh.takeLoadProblem().isEmpty());
        QSignalSpy changed(&fresh, &PlayerOptionsStore::animationsChanged);
        QVERIFY(fresh.setAnimations(false) && changed.size() == 1);
        QVERIFY(!PlayerOptionsStore(path).animations());

        folder.write(name, folder.read(name).replace("false", "0"));
        PlayerOptionsStore damaged(path);
        QVERIFY(damaged.animations() && damaged.takeLoadProblem().contains(QStringLiteral("\"animations\" is not")));
        QVERIFY(damaged.takeLoadProblem().isEmpty());
        QVERIFY(folder.exists(name + QStringLiteral(".bad")) && !folder.exists(name));

        PlayerOptionsStore nowhere(QDir(path).filePath(QStringLiteral("options.json"))); // below a plain file
        folder.write(name, "x");
        QString problem;
        QVERIFY(!nowhere.setAnimations(false, &problem));
        QVERIFY(!nowhere.animations() && problem.contains(QStringLiteral("cannot be saved")));
    }

    // The recent-pictures list; names stand for files in the folder, "-name" for one that does not exist.
    void recentPictures_data()
    {
        QTest::addColumn<QStringList>("kept"); // the list file before, in order
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("after"); // the list read back
        const QStringList ten { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" };
        QTest::newRow("first pick") << QStringList() << "a" << QStringList { "a" };
        QTest::newRow("most recent first, once")
            << QStringList { "a", "b", "c" } << "b" << QStringList { "b", "a", "c" };
        QTest::newRow("missing files dropped")
            << QStringList { "a", "-gone", "c" } << "d" << QStringList { "d", "a", "c" };
        QTest::newRow("ten kept") << ten << "new" << (QStringList { "new" } + ten.mid(0, 9));
        QTest::newRow("damaged list") << QStringList { "<garbage>" } << "a" << QStringList { "a" };
    }
    void recentPictures()
    {
        QFETCH(QStringList, kept);
        QFETCH(QString, added);
        QFETCH(QStringList, after);
        TestSupport::DataFolder dir;
        auto path = [&](QString name) { return dir.filePath(name.remove('-') + ".png"); };
        QByteArray list;
        for (const QString& name : kept + QStringList { added }) {
            if (name == "<garbage>") {
                list += QByteArray("relative.png\n\xff\xfe\0/x\n", 16);
                continue;
            }
            if (!name.startsWith('-'))
                dir.write(name + ".png", {});
            if (name != added || kept.contains(added))
                list += path(name).toUtf8() + '\n';
        }
        dir.write("recent.txt", list);
        RecentPictures recent(dir.filePath("recent.txt"));
        QVERIFY(recent.add(path(added)));
        QStringList expected;
        for (const QString& name : after)
            expected << path(name);
        QCOMPARE(recent.paths(), expected);
    }

    void recentPicturesUnwritable()
    {
        TestSupport::DataFolder dir;
        dir.write("plain", {});
        RecentPictures recent(dir.filePath("plain/recent.txt"));
        QString error;
        QVERIFY(!recent.add(dir.filePath("plain"), &error));
        QVERIFY2(error.contains("plain/recent.txt"), qPrintable(error));
    }

    // New-game choices: each field the player fixed replaces the drawn one; Random leaves it as read.
    void recordsTakeTheChoice()
    {
        struct Row {
            const char* name;
            QString record;
            Jigsaw jigsaw;
            QString expected;
        };
        const Row rows[] {
            { "all random: the record as read", Jigsaw0, {}, Jigsaw0 },
            { "catalogue, 16 pieces, pattern 1 is P2", Jigsaw0, { {}, 0, 0, Random, 1, 0, Random },
                QStringLiteral("G1,BE0132768,D0,R0,M0,S1,P2,") },
            { "shape board takes cells and figure", Jigsaw0, { {}, 1, 2, 1, 7, 4, 1 },
                QStringLiteral("G1,BE0132768,D1,R1,M1,S1,P4,") },
            { "drawn catalogue takes the pieces", Jigsaw0, { {}, Random, 1, 0, 2, 9, 0 },
                QStringLiteral("G1,BE0132768,D1,R0,M0,S1,P1,") },
            { "drawn shape board takes the cells", Board0, { {}, Random, 2, 1, 3, 0, Random },
                QStringLiteral("G1,BE0132768,D1,R0,M1,S1,P0,") },
        };
        for (const Row& row : rows)
            QVERIFY2(jigsawRecord(row.jigsaw, row.record) == row.expected, row.name);

        const std::pair<int, QString> sizes[] { { 0, Logic0 },
            { 3, QStringLiteral("G0,BF0132768,D0,M1,L0,K1,S1,") },
            { 10, QStringLiteral("G0,BF0132768,D7,M1,L0,K1,S1,") }, { 11, Logic0 } };
        for (const auto& [size, expected] : sizes)
            QCOMPARE(logicRecord({ {}, size }, Logic0), expected);
        // A record without the field gets it.
        QCOMPARE(logicRecord({ {}, 4 }, u"G0,S1,"), QStringLiteral("G0,S1,D1,"));
    }

    void builtInPicture_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("builtIn");
        QTest::addColumn<int>("justPlayed");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("draws");
        const int random = int(Picture::Kind::Random), fixed = int(Picture::Kind::BuiltIn);
        QTest::newRow("random: the designed draw") << random << 0 << -1 << QList<double> { 0.35 } << 3 << 1;
        QTest::newRow("hits the last: below it") << random << 0 << 3 << QList<double> { 0.35, 0.2 } << 1 << 2;
        QTest::newRow("hits the last: past it") << random << 0 << 3 << QList<double> { 0.35, 0.4 } << 4 << 2;
        QTest::newRow("hits the last: the top") << random << 0 << 3 << QList<double> { 0.35, 0.99 } << 9 << 2;
        QTest::newRow("chosen: no draw") << fixed << 7 << 7 << QList<double> { 0.35 } << 7 << 0;
        QTest::newRow("chosen out of range: random") << fixed << 12 << -1 << QList<double> { 0.55 } << 5 << 1;
    }

    void builtInPicture()
    {
        QFETCH(int, kind);
        QFETCH(int, builtIn);
        QFETCH(int, justPlayed);
        QFETCH(QList<double>, values);
        QFETCH(int, expected);
        QFETCH(int, draws);
        ScriptedRandom random(values);
        QCOMPARE(GameChoices::builtInPicture({ Picture::Kind(kind), builtIn, {} }, justPlayed, 10, random),
            expected);
        QCOMPARE(random.drawn(), draws);
    }

    void choicesFileRoundTripAndDamage()
    {
        TestSupport::DataFolder folder;
        const QString path = folder.filePath(QStringLiteral("choices.json"));
        QString problem;
        QCOMPARE(read(path, &problem), Choices {});
        QVERIFY(problem.isEmpty());

        Choices chosen;
        chosen.logic = { { Picture::Kind::BuiltIn, 4, {} }, 3 };
        chosen.jigsaw
            = { { Picture::Kind::File, 0, folder.filePath(QStringLiteral("own.png")) }, 1, 2, 0, 11, 5, 1 };
        QVERIFY(write(path, chosen));
        QCOMPARE(read(path, &problem), chosen);
        QVERIFY(problem.isEmpty());

        // Anything this program did not write: the defaults and a reason.
        const QByteArray good = folder.read(QStringLiteral("choices.json"));
        const QByteArray damaged[] { "", "[1]", QByteArray(good).replace("\"version\": 1", "\"version\": 2"),
            QByteArray(good).replace("\"size\": 3", "\"size\": 2"),
            QByteArray(good).replace("\"builtIn\": 4", "\"builtIn\": 10"),
            QByteArray(good).replace("\"figure\": 5", "\"figure\": 5.5"), good.left(good.size() / 2) };
        for (const QByteArray& bytes : damaged) {
            QVERIFY2(bytes != good, bytes.constData());
            problem.clear();
            QCOMPARE(parse(bytes, &problem), Choices {});
            QVERIFY2(!problem.isEmpty(), bytes.constData());
        }
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"

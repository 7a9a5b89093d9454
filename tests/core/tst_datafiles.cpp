// tst_datafiles.cpp: the choice of the player's data folder, its first-use seeding, the options file
// and the recent-pictures list.
#include "DataFiles.h"
#include "PlayerOptions.h"
#include "RecentPictures.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

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

    // The recent-pictures list. Names stand for files in a temporary folder; "-name" is one that does not exist.
    void recentPictures_data()
    {
        QTest::addColumn<QStringList>("kept");  // the list file before, in order
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("after"); // the list read back
        const QStringList ten { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" };
        QTest::newRow("first pick") << QStringList() << "a" << QStringList { "a" };
        QTest::newRow("most recent first, once") << QStringList { "a", "b", "c" } << "b" << QStringList { "b", "a", "c" };
        QTest::newRow("missing files dropped") << QStringList { "a", "-gone", "c" } << "d" << QStringList { "d", "a", "c" };
        QTest::newRow("ten kept") << ten << "new" << (QStringList { "new" } + ten.mid(0, 9));
        QTest::newRow("damaged list") << QStringList { "<garbage>" } << "a" << QStringList { "a" };
    }
    void recentPictures()
    {
        QFETCH(QStringList, kept);
        QFETCH(QString, added);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        auto path = [&](QString name) { return dir.filePath(name.remove('-') + ".png"); };
        QByteArray list;
        for (const QString& name : kept + QStringList { added }) {
            if (name == "<garbage>") {
                list += QByteArray("relative.png\n\xff\xfe\0/x\n", 16);
                continue;
            }
            if (!name.startsWith('-')) {
                QFile file(path(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
            if (name != added || kept.contains(added))
                list += path(name).toUtf8() + '\n';
        }
        QFile listFile(dir.filePath("recent.txt"));
        QVERIFY(listFile.open(QIODevice::WriteOnly) && listFile.write(list) == list.size());
        listFile.close();

        RecentPictures recent(listFile.fileName());
        QVERIFY(recent.add(path(added)));
        QStringList expected;
        for (const QString& name : after)
            expected << path(name);
        QCOMPARE(recent.paths(), expected);
    }

    void recentPicturesUnwritable()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        RecentPictures recent(dir.filePath("plain/recent.txt"));
        QString error;
        QVERIFY(!recent.add(plain.fileName(), &error));
        QVERIFY2(error.contains("plain/recent.txt"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"

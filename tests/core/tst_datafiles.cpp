// tst_datafiles.cpp: the choice of the player's data folder, its first-use seeding, and the files it
// holds: options, recent pictures, and the new-game choices (laid over the preferences records); the
// player's picture files (refused before decoding, decoded sizes, orientation, content hash) and the
// compiled-in artwork.
#include "Artwork.h"
#include "DataFiles.h"
#include "GameChoices.h"
#include "PictureChooser.h"
#include "PictureFile.h"
#include "PlayerOptions.h"
#include "RandomSource.h"
#include "RecentPictures.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace GameChoices;

namespace {
const QString Logic0 = QStringLiteral("G0,BF0132768,D5,M1,L0,K1,S1,");
const QString Jigsaw0 = QStringLiteral("G1,BE0132768,D2,R0,M0,S1,P0,");
const QString Board0 = QStringLiteral("G1,BE0132768,D0,R0,M1,S1,P0,");

QByteArray encoded(QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 90));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return buffer.data();
}
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
    void choice()
    {
        // programWritable, perUserWritable, the folder chosen, a problem told
        const QList<std::tuple<bool, bool, QString, bool>> rows {
            { true, true, "program", false }, // portable
            { false, true, "user", false }, { false, false, "program", true }
        }; // installed; nowhere to write
        for (const auto& [programWritable, perUserWritable, chosen, problem] : rows) {
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
    void recentPictures()
    {
        const QStringList ten { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" };
        const QList<std::tuple<QStringList, QString, QStringList>> rows { // list before, added, list after
            { {}, "a", { "a" } }, { { "a", "b", "c" }, "b", { "b", "a", "c" } }, // most recent first, once
            { { "a", "-gone", "c" }, "d", { "d", "a", "c" } }, // missing files dropped
            { ten, "new", QStringList { "new" } + ten.mid(0, 9) }, { { "<garbage>" }, "a", { "a" } }
        };
        for (const auto& [kept, added, after] : rows) {
            TestSupport::DataFolder dir;
            auto path = [&dir](QString name) { return dir.filePath(name.remove('-') + ".png"); };
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

    void builtInPicture()
    {
        struct Row {
            const char* name;
            Picture::Kind kind;
            int builtIn, justPlayed;
            QList<double> values;
            int expected, draws;
        };
        const auto drawn = Picture::Kind::Random, fixed = Picture::Kind::BuiltIn;
        const Row rows[] { { "random: the designed draw", drawn, 0, -1, { 0.35 }, 3, 1 },
            { "hits the last: below it", drawn, 0, 3, { 0.35, 0.2 }, 1, 2 },
            { "hits the last: past it", drawn, 0, 3, { 0.35, 0.4 }, 4, 2 },
            { "hits the last: the top", drawn, 0, 3, { 0.35, 0.99 }, 9, 2 },
            { "chosen: no draw", fixed, 7, 7, { 0.35 }, 7, 0 },
            { "chosen out of range: random", fixed, 12, -1, { 0.55 }, 5, 1 } };
        for (const Row& row : rows) {
            ScriptedRandom random(row.values);
            const int got
                = GameChoices::builtInPicture({ row.kind, row.builtIn, {} }, row.justPlayed, 10, random);
            QVERIFY2(got == row.expected, row.name);
            QVERIFY2(random.drawn() == row.draws, row.name);
        }
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

    // Most rows read the fuzz target's seed files; "<dir>" and "<missing>" name no file.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // the file, or a seed's name after "seed:"
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("decoded"); // invalid when refused
        QTest::addColumn<QString>("reason"); // part of the refusal

        const QSize play(300, 300);
        QTest::newRow("big photo decoded at the play size")
            << encoded({ 600, 400 }, "jpg") << play << QSize(300, 200) << "";
        QTest::newRow("small picture left at its size")
            << QByteArray("seed:rgb.png") << play << QSize(20, 18) << "";
        QTest::newRow("no bound: own size") << encoded({ 64, 48 }, "bmp") << QSize() << QSize(64, 48) << "";
        QTest::newRow("orientation tag honoured")
            << QByteArray("seed:turned.jpg") << play << QSize(16, 24) << "";
        QTest::newRow("turned, then fitted")
            << QByteArray("seed:turned.jpg") << QSize(12, 12) << QSize(8, 12) << "";
        QTest::newRow("30000 x 30000 refused unread")
            << QByteArray("seed:huge-header.png") << play << QSize() << "30000 × 30000";
        QTest::newRow("too large to decode whole")
            << QByteArray("seed:big-header.png") << play << QSize() << "too large to open";
        QTest::newRow("1 x 1") << QByteArray("seed:tiny.png") << play << QSize() << "smaller";
        QTest::newRow("text") << QByteArray("seed:not-a-picture.txt") << play << QSize() << "not a picture";
        QTest::newRow("empty") << QByteArray() << play << QSize() << "empty";
        QTest::newRow("truncated") << QByteArray("seed:truncated.png") << play << QSize() << "damaged";
        QTest::newRow("directory") << QByteArray("<dir>") << play << QSize() << "folder";
        QTest::newRow("missing") << QByteArray("<missing>") << play << QSize() << "does not exist";
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, bound);
        QFETCH(QSize, decoded);
        QFETCH(QString, reason);
        TestSupport::DataFolder dir;
        const QString path = dir.filePath("holiday photo.img");
        if (bytes == "<dir>")
            QVERIFY(QDir(dir.path()).mkdir("holiday photo.img"));
        else if (bytes.startsWith("seed:"))
            QVERIFY(QFile::copy(QStringLiteral(QUARRY_PICTURE_SEEDS "/") + bytes.mid(5), path));
        else if (bytes != "<missing>")
            dir.write("holiday photo.img", bytes);

        const PictureFile::Loaded loaded = PictureFile::load(path, bound);
        QCOMPARE(loaded.image.isNull() ? QSize() : loaded.image.size(), decoded);
        QCOMPARE(loaded.ok(), decoded.isValid());
        if (!loaded.ok()) {
            QVERIFY2(loaded.error.contains(path) && loaded.error.contains(reason), qPrintable(loaded.error));
            QVERIFY(loaded.hash.isEmpty());
        }
    }

    // The same photo under another name is the same picture; another photo is not.
    void hash()
    {
        TestSupport::DataFolder dir;
        dir.write("a.png", encoded({ 40, 30 }, "png"));
        dir.write("copy of a.png", encoded({ 40, 30 }, "png"));
        dir.write("b.png", encoded({ 41, 30 }, "png"));
        const QByteArray a = PictureFile::load(dir.filePath("a.png"), QSize()).hash;
        QCOMPARE(a.size(), 40);
        QCOMPARE(PictureFile::load(dir.filePath("copy of a.png"), QSize()).hash, a);
        QVERIFY(PictureFile::load(dir.filePath("b.png"), QSize()).hash != a);
    }

    // The chooser starts where the last picture came from, while that folder exists, and offers
    // the formats this build reads.
    void chooserStart()
    {
        QTemporaryDir dir;
        const QString fallback = pictureStartFolder({});
        QVERIFY(QFileInfo(fallback).isDir());
        QCOMPARE(pictureStartFolder({ dir.filePath("cat.jpg") }), dir.path());
        QCOMPARE(pictureStartFolder({ dir.filePath("gone/cat.jpg") }), fallback);
        for (const char* pattern : { "*.png", "*.jpg", "*.bmp", "*.gif" })
            QVERIFY2(pictureFileFilter().contains(pattern), pattern);
    }

    // Transparent parts show the colour behind them; opaque pictures pass unchanged.
    void opaqueOver()
    {
        QImage picture(2, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
        picture.setPixel(1, 0, qRgba(10, 20, 30, 255));
        const QImage flat = PictureFile::opaqueOver(picture, qRgb(200, 100, 50));
        QCOMPARE(flat.format(), QImage::Format_RGB32);
        QCOMPARE(flat.pixel(0, 0), qRgb(200, 100, 50));
        QCOMPARE(flat.pixel(1, 0), qRgb(10, 20, 30));
    }

    // The compiled-in artwork (its quality rules: ctest artwork_check): each kind gives images for its
    // ids from first to last, and none on either side of them.
    void idsGiveImages()
    {
        const struct {
            std::function<QImage(int)> image;
            int first;
            int last;
        } kinds[] { { Artwork::builtInPicture, 0, 9 }, { Artwork::buttonFace, 0, 5 },
            { Artwork::frameBitmap, 101, 108 } };
        for (const auto& kind : kinds) {
            for (const int id : { kind.first - 1, kind.first, kind.last, kind.last + 1 })
                QVERIFY2(kind.image(id).isNull() == (id < kind.first || id > kind.last),
                    qPrintable(QString::number(id)));
        }
    }

    void pictureIsDecodedOnce()
    {
        QCOMPARE(Artwork::builtInPictureCount(), 10);
        QCOMPARE(Artwork::builtInPicture(3).cacheKey(), Artwork::builtInPicture(3).cacheKey());
    }

    void iconHasEverySize()
    {
        const QIcon icon = Artwork::programIcon();
        for (int s : { 16, 32, 48, 256 })
            QVERIFY2(icon.availableSizes().contains(QSize(s, s)),
                qPrintable(QStringLiteral("no %1 px icon").arg(s)));
        QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    }
};

QTEST_MAIN(TestDataFiles)
#include "tst_datafiles.moc"

// tst_fav.cpp: the preferences file: reading and rewriting records over real files, the field
// rules and the sound switch; the file under hostile conditions (missing, read-only, unwritable
// folder, failing writes, very large files) and the file the build ships. Garbage bytes are
// replayed from fuzz/corpus/favrecord (ctest replay_favrecord).
#include "FavFields.h"
#include "FavLineReader.h"
#include "FavRecord.h"
#include "FavSession.h"
#include "RandomSource.h"
#include "SoundSwitch.h"
#include "StringTable.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

Q_DECLARE_METATYPE(Game)
Q_DECLARE_METATYPE(FavSave)
Q_DECLARE_METATYPE(FavChange)

namespace {

const QString Fav = QStringLiteral("fav.dll");
const QByteArray BothLines = "G0,BF0132768,D1,M1,L0,K1,S1,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n";
const QString SlidingDefault = QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,");
const QString JigsawDefault = QStringLiteral("G1,BE0132768,D0,R0,M0,S1,P0,");

QString latin1(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

// Every byte of a literal, NULs included.
template <qsizetype N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

const QFileDevice::Permissions ReadOnlyBits = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup
    | QFileDevice::ReadOther;
const QFileDevice::Permissions FolderReadOnlyBits = ReadOnlyBits | QFileDevice::ExeOwner | QFileDevice::ExeUser
    | QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

class TestFav : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: none
        QTest::addColumn<Game>("game");
        QTest::addColumn<QList<double>>("randoms");
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("draws");

        const QList<double> half{0.5};
        QTest::newRow("no file, sliding") << QByteArray() << Game::Sliding << half << SlidingDefault << 0;
        QTest::newRow("no file, jigsaw") << QByteArray() << Game::Jigsaw << half << JigsawDefault << 0;
        QTest::newRow("empty file") << QByteArray("") << Game::Sliding << half << SlidingDefault << 0;
        QTest::newRow("largest grid")
            << BothLines << Game::Sliding << QList<double> { 0.99 } << "G0,BF0132768,D7,M1,L0,K1,S1," << 1;
        QTest::newRow("smallest grid")
            << BothLines << Game::Sliding << QList<double> { 0.0 } << "G0,BF0132768,D0,M1,L0,K1,S1," << 1;
        // M is drawn first: with the values the other way round this would read M0 and D2.
        QTest::newRow("jigsaw draws M then D")
            << QByteArray("G1,BE0132768,D1,R0,M0,S1,P0,\r\n") << Game::Jigsaw << QList<double> { 0.9, 0.1 }
            << "G1,BE0132768,D0,R0,M1,S1,P0," << 2;
        QTest::newRow("jigsaw line only gives sliding default")
            << QByteArray("G1,BE0132768,D0,R0,M0,S1,P0,\r\n") << Game::Sliding << half << SlidingDefault << 0;
        QTest::newRow("first line wins") << QByteArray("G0,BF0100000,D2,S0,\r\nG0,BF0200000,D3,S1,\r\n")
                                         << Game::Sliding << half << "G0,BF0100000,D4,S0," << 1;
        QTest::newRow("tag only at the start of a line")
            << QByteArray(" G0,D1,\r\nxG0,D2,\r\ng0,D3,\r\nG,0\r\n") << Game::Sliding << half
            << SlidingDefault << 0;
        QTest::newRow("trailing digits kept")
            << QByteArray("G0,D15,S1,\r\n") << Game::Sliding << QList<double> { 0.25 } << "G0,D25,S1," << 1;
        QTest::newRow("letter at the end")
            << QByteArray("G0,S1,D") << Game::Sliding << half << "G0,S1,D4" << 1;
        QTest::newRow("first D only")
            << QByteArray("G0,D1,XD2\r\n") << Game::Sliding << QList<double> { 0.75 } << "G0,D6,XD2" << 1;
        QTest::newRow("no D: unchanged, still drawn")
            << QByteArray("G0,S1,\r\n") << Game::Sliding << half << "G0,S1," << 1;
        QTest::newRow("binary, no record")
            << bytes("\x00\xff\xfeG0\x01\x02") << Game::Sliding << half << SlidingDefault << 0;
        const QByteArray odd = bytes("G0,\xe9\x00\xff,D1,S1\r\n");
        QTest::newRow("any byte kept in the record")
            << odd << Game::Sliding << half << latin1(bytes("G0,\xe9\x00\xff,D4,S1")) << 1;
    }
    void read()
    {
        QFETCH(QByteArray, file);
        QFETCH(Game, game);
        QFETCH(QList<double>, randoms);
        QFETCH(QString, record);
        QFETCH(int, draws);
        TestSupport::DataFolder folder;
        if (!file.isNull())
            folder.write(Fav, file);
        ScriptedRandom random(randoms);
        QCOMPARE(ReadFavRecord(folder.path(), game, random), record);
        QCOMPARE(random.drawn(), draws);
        QCOMPARE(folder.exists(Fav), !file.isNull());
        QCOMPARE(folder.read(Fav), file);
    }

    // Line ends, blank lines, other lines byte for byte and every line of the game are checked by
    // the fuzz target's corpus replay (replay_favrecord) against an independent rewrite.
    void update_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<Game>("game");
        QTest::addColumn<QString>("current");
        QTest::addColumn<FavChange>("change");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QString>("record");
        QTest::addColumn<FavSave>("status");
        const FavChange sound = FavChange::sound();
        const auto saved = FavSave::Saved;

        QTest::newRow("sound off")
            << BothLines << Game::Sliding << "G0,BF0132768,D5,M1,L0,K1,S1," << sound
            << QByteArray("G0,BF0132768,D1,M1,L0,K1,S0,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n")
            << ",BF0132768,D1,M1,L0,K1,S0," << saved;
        QTest::newRow("sound on") << QByteArray("G0,S1,\r\nG1,BE0132768,D0,S0,\r\n") << Game::Jigsaw
                                  << "G1,BE0132768,D2,S0," << sound << QByteArray("G0,S1,\r\nG1,BE0132768,D0,S1,\r\n")
                                  << ",BE0132768,D0,S1," << saved;
        QTest::newRow("decided by the current record")
            << QByteArray("G0,D1,S0,\r\n") << Game::Sliding << "G0,D1,S1," << sound << QByteArray("G0,D1,S0,\r\n")
            << ",D1,S0," << saved;
        QTest::newRow("S2 counts as on") << QByteArray("G0,S2,\r\n") << Game::Sliding << "G0,S2," << sound
                                         << QByteArray("G0,S2,\r\n") << ",S2," << saved;
        QTest::newRow("every S1 of the line") << QByteArray("G0,S1,XS1,\r\n") << Game::Sliding << "G0,S1,"
                                              << sound << QByteArray("G0,S0,XS0,\r\n") << ",S0,XS0," << saved;
        QTest::newRow("background, every occurrence")
            << QByteArray("G1,BE01,X,BE01,\r\n") << Game::Jigsaw << "G1,BE01,D0,"
            << FavChange::background("E15") << QByteArray("G1,BE15,X,BE15,\r\n") << "G1,BE15,X,BE15,"
            << saved;
        QTest::newRow("old body from the current record")
            << QByteArray("G0,BF0132768,S1,\r\n") << Game::Sliding << "G0,BF0200000,S1,"
            << FavChange::background("F0300000") << QByteArray("G0,BF0132768,S1,\r\n") << "G0,BF0132768,S1,"
            << saved;
        QTest::newRow("blank-looking line kept")
            << QByteArray(" \r\nG0,S1,\r\n\t\r\n") << Game::Sliding << "G0,S1," << sound
            << QByteArray(" \r\nG0,S0,\r\n\t\r\n") << ",S0," << saved;
        QTest::newRow("no line of the game")
            << QByteArray("G1,S1,\r\n\r\n") << Game::Sliding << SlidingDefault << sound
            << QByteArray("G1,S1,\r\n") << SlidingDefault << saved;
        QTest::newRow("only blank lines") << QByteArray("\r\n\n\r") << Game::Sliding << SlidingDefault << sound
                                          << QByteArray() << SlidingDefault << saved;
        // The number as a read takes it (sign, digits, fraction, or none) in every line of the game;
        // a line without the letter gets it at its end.
        QTest::newRow("field") << QByteArray("G0,R7,\r\nG1,R-2.5,P3,\r\nG1,XR+.5.5\r\nG1,S1\r\nG1,R,\r\n")
                               << Game::Jigsaw << JigsawDefault << FavChange::field(u'R', "012")
                               << QByteArray(
                                      "G0,R7,\r\nG1,R012,P3,\r\nG1,XR012.5\r\nG1,S1,R012,\r\nG1,R012,\r\n")
                               << "G1,R012,P3," << saved;
        const auto refused = [](const char* name, Game game, const FavChange& change) {
            const QString current = defaultFavRecord(game);
            QTest::newRow(name) << BothLines << game << current << change << BothLines << current
                                << FavSave::Rejected;
        };
        refused("body with a comma", Game::Sliding, FavChange::background("F01,S0"));
        refused("body with a line end", Game::Sliding, FavChange::background("F01\r\nG0,S0"));
        refused("body beyond Latin-1", Game::Jigsaw, FavChange::background(QStringLiteral("E01\u20ac")));
        refused("field of the other game", Game::Sliding, FavChange::field(u'R', "1"));
        refused("field value not digits", Game::Jigsaw, FavChange::field(u'M', "-1"));
    }
    // The rewrite also keeps the file's permission bits, here an unusual set.
    void update()
    {
        QFETCH(QByteArray, before);
        QFETCH(Game, game);
        QFETCH(QString, current);
        QFETCH(FavChange, change);
        QFETCH(QByteArray, after);
        QFETCH(QString, record);
        QFETCH(FavSave, status);
        TestSupport::DataFolder folder;
        folder.write(Fav, before);
        const QString file = folder.filePath(Fav);
        QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QFileDevice::Permissions permissions = QFile::permissions(file);
        FavSave result = FavSave::Failed;
        QCOMPARE(UpdateFavRecord(folder.path(), game, current, change, &result), record);
        QCOMPARE(result, status);
        QCOMPARE(folder.read(Fav), after);
        QCOMPARE(entries(folder.path()), QStringList { Fav });
        QCOMPARE(QFile::permissions(file), permissions);
    }

    void backgroundBody()
    {
        const QList<std::tuple<QString, QString, int>> rows { // record, body, colour
            { SlidingDefault, "F0132768", 32768 }, { "G0,BF1516777215,S1,", "F1516777215", 16777215 },
            { "G1,BE0200255,BF0300000,", "E0200255", 255 }, // the first B
            { "G0,BF0165280", "F0165280", 65280 }, { "G0,BF1,S1,", "F1", 0 }, { "G0,B,S1,", "", 0 },
            { "G0,D1,S1,", "", 0 }
        };
        for (const auto& [record, body, colour] : rows) {
            QCOMPARE(FavFields::backgroundBody(record), body);
            QCOMPARE(FavFields::backColour(record), colour);
        }
    }

    // One digit per flag: tile numbers, tile borders, swap mode, rotation, shape-board family, sound.
    void flags()
    {
        const QList<std::pair<QString, QString>> rows { { "L2,K2,M2,R2,S2,", "011101" },
            { "L1,K1,M1,R1,S1,", "111111" }, { "L0,K0,M0,R0,S0,", "000000" },
            { "L0.5,K0.5,M0.5,R0.5,S0.5,", "011101" }, { ",BF0132768,D1,M1,L0,K1,S0,", "011010" } };
        for (const auto& [record, flags] : rows) {
            QString read;
            for (const bool on : { FavFields::tileNumbersOn(record), FavFields::tileBordersOn(record),
                     FavFields::swapModeOn(record), FavFields::rotationOn(record),
                     FavFields::shapeBoardFamily(record), FavFields::soundOn(record) })
                read += on ? u'1' : u'0';
            QCOMPARE(read, flags);
            QCOMPARE(SoundSwitch::caption(record),
                flags.endsWith(u'1') ? QStringLiteral("Close Sound") : QStringLiteral("Open Sound"));
        }
    }

    // A change a read-only file does not take holds for the window, over every later read, until
    // the file takes it.
    void sessionKeepsUnsavedChanges()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        const QString path = folder.filePath(Fav);
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        ScriptedRandom random({ 0.0 });
        FavSession session(folder.path(), Game::Sliding);
        const StringTable english(StringTable::Language::English);
        QCOMPARE(session.caption(QStringLiteral("T"), english), QStringLiteral("T"));
        QString record = session.update(session.read(random), FavChange::sound());
        record = session.update(record, FavChange::background(QStringLiteral("F0365280")));
        record = session.update(record, FavChange::field(u'L', QStringLiteral("1")));
        const QString changed = QStringLiteral("G0,BF0365280,D0,M1,L1,K1,S0,");
        QCOMPARE(record, changed);
        QCOMPARE(session.read(random), changed);
        QCOMPARE(folder.read(Fav), BothLines);
        QCOMPARE(session.caption(QStringLiteral("T"), english),
            QStringLiteral("T - Settings cannot be saved (%1)").arg(QDir::toNativeSeparators(path)));

        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        record = session.update(record, FavChange::sound());
        QCOMPARE(FavFields::backgroundBody(record), QStringLiteral("F0365280"));
        QCOMPARE(session.read(random), QStringLiteral("G0,BF0365280,D0,M1,L1,K1,S1,"));
        record = session.update(record, FavChange::background(QStringLiteral("F0365280")));
        record = session.update(record, FavChange::field(u'L', QStringLiteral("1")));
        QCOMPARE(folder.read(Fav).left(14), QByteArray("G0,BF0365280,D"));
        QVERIFY(!session.hasUnsavedChanges());
    }

    void lineReader()
    {
        const QByteArray longLine(150'000, 'y'); // spans three chunks
        const QList<std::tuple<QByteArray, qint64, QList<QByteArray>, bool>> rows {
            // bytes, limit, lines, failed
            { "a\r\nb\rc\nd", 100, { "a", "b", "c", "d" }, false }, // every line end
            { "\r\n\n\r\r\nx\r\r\n\n", 100, { "x" }, false }, // blank lines skipped
            { QByteArray(), 100, {}, false }, { "abc\r\n", 5, { "abc" }, false }, // exactly the limit
            { "abc\r\nd", 5, {}, true },
            { "a\r\n" + longLine + "\r\nb", qint64(1) << 20, { "a", longLine, "b" }, false }
        };
        for (auto [bytes, limit, lines, failed] : rows) {
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            FavLineReader reader(buffer, limit);
            QList<QByteArray> read;
            QByteArray line;
            while (reader.next(line))
                read << line;
            QCOMPARE(reader.failed(), failed);
            // A failure may come after some lines; what counts is that it is reported.
            if (!failed)
                QCOMPARE(read, lines);
        }
    }

    // Conditions the file cannot be rewritten under: nothing on disk changes, nothing is left
    // behind, and a read-only file still lets the window switch for as long as it is open.
    void hostileFile_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<FavSave>("status");
        QTest::addColumn<QString>("read"); // what a read with the draw 0.0 gives
        const QString drawn = QStringLiteral("G0,BF0132768,D0,M1,L0,K1,S1,");
        QTest::newRow("missing") << "missing" << FavSave::NoFile << SlidingDefault;
        QTest::newRow("a folder in its place") << "folder" << FavSave::NoFile << SlidingDefault;
        // Works as root too: the rule looks at the permission bits, not only at access.
        QTest::newRow("read-only file") << "read-only" << FavSave::ReadOnly << drawn;
        QTest::newRow("read-only folder") << "read-only folder" << FavSave::Failed << drawn;
        QTest::newRow("unreadable file") << "unreadable" << FavSave::NotRead << SlidingDefault;
        // Beyond what any preferences file needs: treated as unreadable, never rewritten.
        QTest::newRow("huge file") << "huge" << FavSave::NotRead << SlidingDefault;
    }
    void hostileFile()
    {
        QFETCH(QString, condition);
        QFETCH(FavSave, status);
        QFETCH(QString, read);
        TestSupport::DataFolder folder;
        const QString file = folder.filePath(Fav);
        if (condition == u"folder")
            QVERIFY(QDir(folder.path()).mkdir(Fav));
        else if (condition != u"missing")
            folder.write(Fav, BothLines);
        // The permissions go back when the test leaves, so the temporary folder can be removed.
        const auto fileBits = QFile::permissions(file), folderBits = QFile::permissions(folder.path());
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(file, fileBits);
            QFile::setPermissions(folder.path(), folderBits);
        });
        if (condition == u"read-only") {
            QVERIFY(QFile::setPermissions(file, ReadOnlyBits));
        } else if (condition == u"read-only folder") {
            QVERIFY(QFile::setPermissions(folder.path(), FolderReadOnlyBits));
            if (QFile probe(folder.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("permission bits of a folder do not stop this process (running as root)");
            }
        } else if (condition == u"unreadable") {
            QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner | QFileDevice::WriteUser));
            if (QFile probe(file); probe.open(QIODevice::ReadOnly))
                QSKIP("permission bits of a file do not stop this process (running as root)");
        } else if (condition == u"huge") {
            // Sparse where the file system allows.
            QVERIFY(QFile::resize(file, qint64(256) * 1024 * 1024 + 1));
        }
        const QFileDevice::Permissions permissions = QFile::permissions(file);
        const qint64 size = QFileInfo(file).size();
        ScriptedRandom random({0.0});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), read);
        QCOMPARE(random.drawn(), read == SlidingDefault ? 0 : 1);

        for (const Game game : {Game::Sliding, Game::Jigsaw}) {
            for (const bool sound : {true, false}) {
                const QString current = defaultFavRecord(game);
                const FavChange change
                    = sound ? FavChange::sound() : FavChange::background(QStringLiteral("F0300000"));
                FavSave result = FavSave::Saved;
                const QString record = UpdateFavRecord(folder.path(), game, current, change, &result);
                QCOMPARE(result, status);
                if (status == FavSave::NoFile)
                    QCOMPARE(record, current);
                if (status == FavSave::ReadOnly && game == Game::Sliding && sound)
                    QCOMPARE(record, QStringLiteral(",BF0132768,D1,M1,L0,K1,S0,"));
            }
        }
        FavSave toggled = FavSave::Saved;
        const QString switched = SoundSwitch::toggle(folder.path(), Game::Sliding, SlidingDefault, &toggled);
        QCOMPARE(toggled, status);
        if (status == FavSave::NoFile)
            QCOMPARE(switched, SlidingDefault);

        QCOMPARE(entries(folder.path()), condition == u"missing" ? QStringList() : QStringList{Fav});
        QCOMPARE(QFileInfo(file).isDir(), condition == u"folder");
        QCOMPARE(QFile::permissions(file), permissions);
        QCOMPARE(QFileInfo(file).size(), size);
        if (condition.startsWith(u"read-only"))
            QCOMPARE(folder.read(Fav), BothLines);
    }

#ifdef Q_OS_UNIX
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("lineSize");
        // Small enough to stay in the write buffer: only the final flush fails.
        QTest::newRow("fails at the flush") << 8 * 1024;
        // Written straight through: a write comes back short.
        QTest::newRow("fails in a write") << 64 * 1024;
    }
    // A write that fails half way (here: the file size limit of the process, which holds for root
    // as well) leaves the old file whole and no temporary file behind.
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(int, lineSize);
        TestSupport::DataFolder folder;
        const QByteArray big = BothLines + QByteArray(lineSize, 'x') + "\r\n";
        folder.write(Fav, big);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        FavSave status = FavSave::Saved;
        const QString record = UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(status, FavSave::Failed);
        QCOMPARE(record, QStringLiteral(",BF0132768,D1,M1,L0,K1,S0,"));
        QCOMPARE(folder.read(Fav), big);
        QCOMPARE(entries(folder.path()), QStringList{Fav});
    }
#endif

    // 8 MB of other lines with the records at the end, read and rewritten whole: far below the size
    // limit, over many chunks (quarry-bench times reads of growing files).
    void bigFile()
    {
        TestSupport::DataFolder folder;
        const int count = 80'000;
        const QByteArray records = "G1,BE0132768,D0,R0,M0,S1,P0,\nG0,BF0132768,D1,M1,L0,K1,S1,";
        folder.write(Fav, (QByteArray(99, 'x') + '\n').repeated(count) + records);
        ScriptedRandom random({0.99});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), QStringLiteral("G0,BF0132768,D7,M1,L0,K1,S1,"));
        FavSave status = FavSave::Failed;
        QCOMPARE(UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault,
                                 FavChange::background(QStringLiteral("F0400000")), &status),
                 QStringLiteral("G0,BF0400000,D1,M1,L0,K1,S1,"));
        QCOMPARE(status, FavSave::Saved);
        QVERIFY(folder.read(Fav)
            == (QByteArray(99, 'x') + "\r\n").repeated(count)
                + "G1,BE0132768,D0,R0,M0,S1,P0,\r\nG0,BF0400000,D1,M1,L0,K1,S1,\r\n");
    }

    void shippedFile()
    {
        QFile pristine(QStringLiteral(QUARRY_DEFAULT_FAV));
        QVERIFY(pristine.open(QIODevice::ReadOnly));
        QCOMPARE(pristine.readAll(), BothLines);

        // The build tree's copy beside the executable: a player may have changed fields since.
        const QString runtime = qEnvironmentVariable("QUARRY_RUNTIME_DIR");
        QVERIFY(!runtime.isEmpty());
        QVERIFY(storedFavRecord(runtime, Game::Sliding).value_or(QString()).startsWith(u"G0,B"));
        QVERIFY(storedFavRecord(runtime, Game::Jigsaw).value_or(QString()).startsWith(u"G1,B"));
    }
};

QTEST_GUILESS_MAIN(TestFav)
#include "tst_fav.moc"

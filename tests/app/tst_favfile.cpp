// tst_favfile.cpp: the preferences file under hostile conditions (missing, read-only, unwritable
// folder, failing writes, binary and very large files) and the file the build ships.
#include "FavLineReader.h"
#include "FavRecord.h"
#include "FavRewriteModel.h"
#include "RandomSource.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

Q_DECLARE_METATYPE(Game)

namespace {

const QString Fav = QStringLiteral("fav.dll");
const QByteArray BothLines = "G0,BF0132768,D1,M1,L0,K1,S1,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n";
const QString SlidingDefault = QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,");

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Puts the permissions of a path back when a test leaves, so the temporary folder can be removed.
class PermissionsRestorer
{
public:
    explicit PermissionsRestorer(const QString& path)
        : m_path(path)
        , m_saved(QFile::permissions(path))
    {
    }
    ~PermissionsRestorer() { QFile::setPermissions(m_path, m_saved); }

private:
    QString m_path;
    QFileDevice::Permissions m_saved;
};

const QFileDevice::Permissions ReadOnlyBits = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup
    | QFileDevice::ReadOther;
const QFileDevice::Permissions FolderReadOnlyBits = ReadOnlyBits | QFileDevice::ExeOwner | QFileDevice::ExeUser
    | QFileDevice::ExeGroup | QFileDevice::ExeOther;

} // namespace

class TestFavFile : public QObject
{
    Q_OBJECT

private slots:
    void lineReader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QList<QByteArray>>("lines");
        QTest::addColumn<bool>("failed");
        const QByteArray longLine(150'000, 'y'); // spans three chunks
        QTest::newRow("every line end") << QByteArray("a\r\nb\rc\nd") << qint64(100) << QList<QByteArray>{"a", "b", "c", "d"}
                                        << false;
        QTest::newRow("blank lines skipped") << QByteArray("\r\n\n\r\r\nx\r\r\n\n") << qint64(100)
                                             << QList<QByteArray>{"x"} << false;
        QTest::newRow("empty") << QByteArray() << qint64(100) << QList<QByteArray>() << false;
        QTest::newRow("exactly the limit") << QByteArray("abc\r\n") << qint64(5) << QList<QByteArray>{"abc"} << false;
        QTest::newRow("beyond the limit") << QByteArray("abc\r\nd") << qint64(5) << QList<QByteArray>() << true;
        QTest::newRow("line across chunks") << QByteArray("a\r\n" + longLine + "\r\nb") << (qint64(1) << 20)
                                            << QList<QByteArray>{"a", longLine, "b"} << false;
    }
    void lineReader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, limit);
        QFETCH(QList<QByteArray>, lines);
        QFETCH(bool, failed);
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

    void missingFileCreatesNothing_data()
    {
        QTest::addColumn<Game>("game");
        QTest::addColumn<bool>("sound");
        QTest::newRow("sliding sound") << Game::Sliding << true;
        QTest::newRow("sliding background") << Game::Sliding << false;
        QTest::newRow("jigsaw sound") << Game::Jigsaw << true;
        QTest::newRow("jigsaw background") << Game::Jigsaw << false;
    }
    void missingFileCreatesNothing()
    {
        QFETCH(Game, game);
        QFETCH(bool, sound);
        TestSupport::DataFolder folder;
        const QString current = defaultFavRecord(game);
        const FavChange change = sound ? FavChange::sound() : FavChange::background(QStringLiteral("F0300000"));
        FavSave status = FavSave::Saved;
        QCOMPARE(UpdateFavRecord(folder.path(), game, current, change, &status), current);
        QCOMPARE(status, FavSave::NoFile);
        QCOMPARE(entries(folder.path()), QStringList());
    }

    void folderNamedLikeTheFile()
    {
        TestSupport::DataFolder folder;
        QVERIFY(QDir(folder.path()).mkdir(Fav));
        ScriptedRandom random({0.5});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), SlidingDefault);
        QCOMPARE(random.drawn(), 0);
        FavSave status = FavSave::Saved;
        QCOMPARE(UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status),
                 SlidingDefault);
        QCOMPARE(status, FavSave::NoFile);
        QVERIFY(QFileInfo(folder.filePath(Fav)).isDir());
    }

    // Works as root too: the rule looks at the permission bits, not only at access.
    void readOnlyFileIsNeverReplaced()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        PermissionsRestorer restore(folder.filePath(Fav));
        QVERIFY(QFile::setPermissions(folder.filePath(Fav), ReadOnlyBits));
        const QFileDevice::Permissions before = QFile::permissions(folder.filePath(Fav));

        FavSave status = FavSave::Saved;
        const QString record = UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status);
        QCOMPARE(status, FavSave::ReadOnly);
        // The window still switches for as long as it is open.
        QCOMPARE(record, QStringLiteral(",BF0132768,D1,M1,L0,K1,S0,"));
        QCOMPARE(folder.read(Fav), BothLines);
        QCOMPARE(QFile::permissions(folder.filePath(Fav)), before);
        QCOMPARE(entries(folder.path()), QStringList{Fav});
        ScriptedRandom random({0.0});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), QStringLiteral("G0,BF0132768,D0,M1,L0,K1,S1,"));
    }

    void readOnlyFolderKeepsTheOldFile()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        PermissionsRestorer restore(folder.path());
        QVERIFY(QFile::setPermissions(folder.path(), FolderReadOnlyBits));
        QFile probe(folder.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QSKIP("permission bits of a folder do not stop this process (running as root)");
        }
        FavSave status = FavSave::Saved;
        UpdateFavRecord(folder.path(), Game::Jigsaw, defaultFavRecord(Game::Jigsaw), FavChange::sound(), &status);
        QCOMPARE(status, FavSave::Failed);
        QCOMPARE(folder.read(Fav), BothLines);
        QCOMPARE(entries(folder.path()), QStringList{Fav});
    }

    void unreadableFileIsLeftAlone()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        PermissionsRestorer restore(folder.filePath(Fav));
        QVERIFY(QFile::setPermissions(folder.filePath(Fav), QFileDevice::WriteOwner | QFileDevice::WriteUser));
        QFile probe(folder.filePath(Fav));
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("permission bits of a file do not stop this process (running as root)");
        ScriptedRandom random({0.5});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), SlidingDefault);
        FavSave status = FavSave::Saved;
        UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status);
        QCOMPARE(status, FavSave::NotRead);
        QCOMPARE(QFileInfo(folder.filePath(Fav)).size(), qint64(BothLines.size()));
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

    void rewriteKeepsPermissions()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        const QFileDevice::Permissions chosen = QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ReadGroup;
        PermissionsRestorer restore(folder.filePath(Fav));
        QVERIFY(QFile::setPermissions(folder.filePath(Fav), chosen));
        const QFileDevice::Permissions before = QFile::permissions(folder.filePath(Fav));
        FavSave status = FavSave::Failed;
        UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status);
        QCOMPARE(status, FavSave::Saved);
        QCOMPARE(QFile::permissions(folder.filePath(Fav)), before);
    }

    void binaryGarbage_data()
    {
        QTest::addColumn<quint32>("seed");
        // Seeds above 40 give files of a few hundred kilobytes, read in several chunks.
        for (quint32 seed = 1; seed <= 44; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    // Random bytes, biased towards the ones the file format gives meaning to.
    void binaryGarbage()
    {
        QFETCH(quint32, seed);
        QRandomGenerator generator(seed);
        static const char meaningful[] = {'G', '0', '1', 'S', 'B', 'D', 'M', ',', '\r', '\n', '\0'};
        QByteArray bytes(seed > 40 ? 200'000 + generator.bounded(100'000) : generator.bounded(4096), Qt::Uninitialized);
        for (char& c : bytes)
            c = generator.bounded(2) ? meaningful[generator.bounded(int(sizeof meaningful))]
                                     : char(generator.bounded(256));

        TestSupport::DataFolder folder;
        folder.write(Fav, bytes);
        ScriptedRandom random({0.3, 0.6});
        for (const Game game : {Game::Sliding, Game::Jigsaw}) {
            const QByteArray tag = favTag(game).toLatin1();
            QByteArray first;
            expectedRewrite(bytes, tag, {}, {}, &first);
            const QString record = ReadFavRecord(folder.path(), game, random);
            QCOMPARE(storedFavRecord(folder.path(), game).value_or(QString()), QString::fromLatin1(first));
            if (first.isNull())
                QCOMPARE(record, defaultFavRecord(game));
            else
                QVERIFY(record.startsWith(favTag(game)) && !record.contains(u'\r') && !record.contains(u'\n'));
        }
        QCOMPARE(folder.read(Fav), bytes);

        QByteArray changed;
        const QByteArray expected = expectedRewrite(bytes, "G0", "S1", "S0", &changed);
        FavSave status = FavSave::Failed;
        const QString record = UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status);
        QCOMPARE(status, FavSave::Saved);
        QCOMPARE(folder.read(Fav), expected);
        QCOMPARE(record, changed.isNull() ? SlidingDefault : QString::fromLatin1(changed.mid(2)));
    }

    // 8 MB of other lines with the records at the end. Reading and rewriting each make one pass
    // over the bytes and never look back, so a 100 MB file costs about twelve times this (kept out
    // of the suite for its disk traffic); quarry-bench times reads of growing files.
    void bigFile()
    {
        TestSupport::DataFolder folder;
        const QByteArray filler = QByteArray(99, 'x') + '\n';
        const int count = 80'000;
        QByteArray bytes;
        bytes.reserve(filler.size() * count + 100);
        for (int i = 0; i < count; ++i)
            bytes += filler;
        bytes += "G1,BE0132768,D0,R0,M0,S1,P0,\nG0,BF0132768,D1,M1,L0,K1,S1,";
        folder.write(Fav, bytes);

        ScriptedRandom random({0.99});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), QStringLiteral("G0,BF0132768,D7,M1,L0,K1,S1,"));
        FavSave status = FavSave::Failed;
        QCOMPARE(UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault,
                                 FavChange::background(QStringLiteral("F0400000")), &status),
                 QStringLiteral("G0,BF0400000,D1,M1,L0,K1,S1,"));
        QCOMPARE(status, FavSave::Saved);
        bytes.clear();
        const QByteArray written = folder.read(Fav);
        const QByteArray tail = "G1,BE0132768,D0,R0,M0,S1,P0,\r\nG0,BF0400000,D1,M1,L0,K1,S1,\r\n";
        QCOMPARE(written.size(), qsizetype((filler.size() + 1) * count + tail.size()));
        QVERIFY(written.endsWith(tail));
        const QByteArray crlfFiller = QByteArray(99, 'x') + "\r\n";
        QCOMPARE(written.first(crlfFiller.size() * 2), crlfFiller + crlfFiller);
        QCOMPARE(written.count(crlfFiller), qsizetype(count));
    }

    // Beyond what any preferences file needs: treated as unreadable, never rewritten.
    void hugeFileIsLeftAlone()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        const qint64 huge = qint64(256) * 1024 * 1024 + 1;
        QVERIFY(QFile::resize(folder.filePath(Fav), huge)); // sparse where the file system allows
        ScriptedRandom random({0.5});
        QCOMPARE(ReadFavRecord(folder.path(), Game::Sliding, random), SlidingDefault);
        QCOMPARE(random.drawn(), 0);
        FavSave status = FavSave::Saved;
        UpdateFavRecord(folder.path(), Game::Sliding, SlidingDefault, FavChange::sound(), &status);
        QCOMPARE(status, FavSave::NotRead);
        QCOMPARE(QFileInfo(folder.filePath(Fav)).size(), huge);
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

QTEST_GUILESS_MAIN(TestFavFile)
#include "tst_favfile.moc"

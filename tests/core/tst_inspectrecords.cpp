// tst_inspectrecords.cpp: quarry-inspect read-record, update-record and records, run as the real executable
// on files in a temporary folder.
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString Fav = QStringLiteral("fav.dll");
const QByteArray BothLines = "G0,BF0132768,D1,M1,L0,K1,S1,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n";

struct Result
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs quarry-inspect with the folder in place of the word FOLDER in args.
Result inspect(const QStringList& args, const QString& folder)
{
    const QString dir = qEnvironmentVariable("QUARRY_RUNTIME_DIR");
    const QString program = QStandardPaths::findExecutable(QStringLiteral("quarry-inspect"), {dir});
    if (program.isEmpty()) {
        qWarning("quarry-inspect not found in QUARRY_RUNTIME_DIR '%s'", qPrintable(dir));
        return {};
    }
    QStringList actual = args;
    actual.replaceInStrings(QRegularExpression(QStringLiteral("^FOLDER$")), folder);
    QProcess process;
    process.start(program, actual);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestInspectRecords : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no fav.dll
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("after"); // null: no fav.dll afterwards
        const QByteArray none;
        QTest::newRow("read sliding") << BothLines << QStringList{"read-record", "FOLDER", "sliding", "--random", "0.99"}
                                      << QByteArray("G0,BF0132768,D7,M1,L0,K1,S1,\n") << BothLines;
        QTest::newRow("read jigsaw") << BothLines << QStringList{"read-record", "FOLDER", "jigsaw", "--random", "0.9,0.7"}
                                     << QByteArray("G1,BE0132768,D2,R0,M1,S1,P0,\n") << BothLines;
        QTest::newRow("read without file") << none << QStringList{"read-record", "FOLDER", "jigsaw", "--random", "0.9"}
                                           << QByteArray("G1,BE0132768,D0,R0,M0,S1,P0,\n") << none;
        QTest::newRow("sound off") << BothLines << QStringList{"update-record", "FOLDER", "sliding", "sound"}
                                   << QByteArray(",BF0132768,D1,M1,L0,K1,S0,\n")
                                   << QByteArray("G0,BF0132768,D1,M1,L0,K1,S0,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n");
        QTest::newRow("sound on") << QByteArray("G1,S0,\n\nG0,S1,\n")
                                  << QStringList{"update-record", "FOLDER", "jigsaw", "sound"} << QByteArray(",S1,\n")
                                  << QByteArray("G1,S1,\r\nG0,S1,\r\n");
        QTest::newRow("background") << BothLines
                                    << QStringList{"update-record", "FOLDER", "jigsaw", "body", "E0516711680"}
                                    << QByteArray("G1,BE0516711680,D0,R0,M0,S1,P0,\n")
                                    << QByteArray("G0,BF0132768,D1,M1,L0,K1,S1,\r\nG1,BE0516711680,D0,R0,M0,S1,P0,\r\n");
        QTest::newRow("update without file") << none << QStringList{"update-record", "FOLDER", "sliding", "sound"}
                                             << QByteArray("G0,BF0132768,D1,M1,L0,K1,S1,\n") << none;
        QTest::newRow("update without the line") << QByteArray("G1,S1,")
                                                 << QStringList{"update-record", "FOLDER", "sliding", "body", "F02"}
                                                 << QByteArray("G0,BF0132768,D1,M1,L0,K1,S1,\n")
                                                 << QByteArray("G1,S1,\r\n");
    }
    void commands()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, after);
        TestSupport::DataFolder folder;
        if (!before.isNull())
            folder.write(Fav, before);
        const Result result = inspect(args, folder.path());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, out);
        QCOMPARE(folder.exists(Fav), !after.isNull());
        QCOMPARE(folder.read(Fav), after);
    }

    // quarry-inspect records: the readable records of records.txt, the file itself untouched.
    void gameRecords_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no records.txt
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        const QByteArray line = "R1 2026-12-07T12:34:56Z L done b3 g4 r0 s1 63 57 17799\n";
        const QByteArray file = "QuarryRecords 1\r\n" + line;
        const QStringList print{"records", "FOLDER"};
        QTest::newRow("records") << file << print << 0 << line << QByteArray();
        QTest::newRow("records, empty") << QByteArray("") << print << 0 << QByteArray() << QByteArray();
        QTest::newRow("records, missing") << QByteArray() << print << 0 << QByteArray() << QByteArray();
        QTest::newRow("records, damaged") << file + "R1 x\n" + line.left(20) << print << 1 << line
                                          << QByteArray("2 lines of FOLDER/records.txt do not read as records");
        QTest::newRow("records, file") << file << QStringList{"records", "FOLDER", "--print-file"} << 0
                                       << QByteArray("FOLDER/records.txt\n") << QByteArray();
        QTest::newRow("records, unknown option") << file << QStringList{"records", "FOLDER", "--all"} << 2
                                                 << QByteArray() << QByteArray("usage:");
    }
    void gameRecords()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        TestSupport::DataFolder folder;
        if (!before.isNull())
            folder.write(QStringLiteral("records.txt"), before);
        const Result result = inspect(args, folder.path());
        const QByteArray native = QDir::toNativeSeparators(folder.path()).toUtf8();
        QCOMPARE(result.status, status);
        QCOMPARE(result.out, QByteArray(out).replace("FOLDER", native));
        QVERIFY2(err.isEmpty() ? !result.err.contains("quarry-inspect") : result.err.contains(QByteArray(err).replace("FOLDER", native)),
                 result.err.constData());
        QCOMPARE(folder.read(QStringLiteral("records.txt")), before);
        QVERIFY(!folder.exists(QStringLiteral("records.txt.bad")));
    }

    void readDrawsFromTheSystem()
    {
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        const Result result = inspect({"read-record", "FOLDER", "sliding"}, folder.path());
        QCOMPARE(result.status, 0);
        const QRegularExpression expected(QStringLiteral("^G0,BF0132768,D[0-7],M1,L0,K1,S1,\n$"));
        QVERIFY2(expected.match(QString::fromLatin1(result.out)).hasMatch(), result.out.constData());
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("read, no game") << QStringList{"read-record", "FOLDER"};
        QTest::newRow("read, unknown game") << QStringList{"read-record", "FOLDER", "chess"};
        QTest::newRow("read, value out of range") << QStringList{"read-record", "FOLDER", "sliding", "--random", "1.5"};
        QTest::newRow("read, not a number") << QStringList{"read-record", "FOLDER", "sliding", "--random", "0.5,x"};
        QTest::newRow("read, unknown option") << QStringList{"read-record", "FOLDER", "sliding", "--seed", "0.5"};
        QTest::newRow("read, option without value") << QStringList{"read-record", "FOLDER", "sliding", "--random"};
        QTest::newRow("update, no change") << QStringList{"update-record", "FOLDER", "sliding"};
        QTest::newRow("update, unknown change") << QStringList{"update-record", "FOLDER", "sliding", "volume"};
        QTest::newRow("update, body missing") << QStringList{"update-record", "FOLDER", "jigsaw", "body"};
        QTest::newRow("update, extra word") << QStringList{"update-record", "FOLDER", "jigsaw", "sound", "on"};
        QTest::newRow("update, unknown game") << QStringList{"update-record", "FOLDER", "chess", "sound"};
        QTest::newRow("update, body with a comma") << QStringList{"update-record", "FOLDER", "sliding", "body", "F01,S0"};
        QTest::newRow("unknown subcommand") << QStringList{"read-records", "FOLDER", "sliding"};
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        TestSupport::DataFolder folder;
        folder.write(Fav, BothLines);
        const Result result = inspect(args, folder.path());
        QCOMPARE(result.status, 2);
        QCOMPARE(result.out, QByteArray());
        QVERIFY2(result.err.contains("usage:"), result.err.constData());
        QCOMPARE(folder.read(Fav), BothLines);
    }
};

QTEST_GUILESS_MAIN(TestInspectRecords)
#include "tst_inspectrecords.moc"

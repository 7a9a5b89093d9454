// tst_commandline.cpp: the program's command line, run as a player's shell runs it: a copy of the
// built quarry-puzzle in a temporary folder (its own data folder), on the offscreen platform.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program;

private slots:
    void initTestCase()
    {
        const QString built = QDir(qEnvironmentVariable("QUARRY_RUNTIME_DIR")).filePath("quarry-puzzle");
        m_program = m_dir.filePath("quarry-puzzle");
        QVERIFY2(QFile::copy(built, m_program), qPrintable(built));
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: still running (a message box waits for the player)
        QTest::addColumn<QString>("out"); // part of stdout, or of stderr when the status is not 0
        QTest::newRow("version") << QStringList { "--version" } << 0 << "Quarry Puzzle 2.";
        QTest::newRow("help") << QStringList { "--help" } << 0 << "--logic";
        QTest::newRow("both games") << QStringList { "--jigsaw", "--logic" } << 2 << "cannot be given together";
        QTest::newRow("two files") << QStringList { "a.png", "b.png" } << 2 << "Only one picture file";
        QTest::newRow("unknown option") << QStringList { "--tiles" } << 2 << "Unknown option";
        QTest::newRow("missing file") << QStringList { "--logic", "gone.png" } << -1 << "\"gone.png\" cannot be opened: the file does not exist";
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.start(m_program, arguments);
        QVERIFY(process.waitForStarted());
        if (status >= 0) {
            QVERIFY(process.waitForFinished(60000));
            QCOMPARE(process.exitCode(), status);
            const QByteArray text = status == 0 ? process.readAllStandardOutput() : process.readAllStandardError();
            QVERIFY2(text.contains(out.toUtf8()), text.constData());
            return;
        }
        // The refusal is told (and logged) while the game window waits on the player's OK.
        QByteArray err;
        process.setReadChannel(QProcess::StandardError);
        while (!err.contains(out.toUtf8()) && process.waitForReadyRead(60000))
            err += process.readAllStandardError();
        process.kill();
        process.waitForFinished();
        QVERIFY2(err.contains(out.toUtf8()), err.constData());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"

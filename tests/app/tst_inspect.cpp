// tst_inspect.cpp: the executables run as a shell runs them: every quarry-inspect command over the
// case table in inspect.txt, the one file the tile command writes against the model's rendering, and
// quarry-puzzle's command line.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackTileFile.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray DefaultFav = "G0,BF0132768,D1,M1,L0,K1,S1,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n";

struct Case {
    QStringList args;
    QByteArray input;
    QByteArray before; // null: no fav.dll
    QByteArray records; // null: no records.txt (a file the commands only read)
    std::optional<QByteArray> after; // unset: as before
    QStringList out; // "> line" or "~ regex"
    int status = 0;
    QString error;
};

QByteArray unescaped(QString text)
{
    return text.replace(QLatin1String("\\r"), QLatin1String("\r")).replace(QLatin1String("\\n"), QLatin1String("\n")).toLatin1();
}

QList<Case> readCases()
{
    QFile file(QStringLiteral(QUARRY_INSPECT_CASES));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<Case> cases;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QChar mark = line[0];
        const QString rest = line.mid(2);
        if (mark == u'$' || mark == u'!') {
            cases.append(Case {});
            cases.last().args = rest.split(u' ');
            if (mark == u'!') {
                cases.last().before = cases.last().after.emplace(DefaultFav);
                cases.last().status = 2;
                cases.last().error = QStringLiteral("quarry-inspect ") + cases.last().args[0];
            }
        } else if (mark == u'<') {
            cases.last().input += rest.toUtf8() + '\n';
        } else if (mark == u'f') {
            cases.last().before = unescaped(rest);
        } else if (mark == u'r') {
            cases.last().records = unescaped(rest);
        } else if (mark == u'F') {
            cases.last().after = rest == u"-" ? QByteArray() : unescaped(rest);
        } else if (mark == u'>' || mark == u'~') {
            cases.last().out.append(line);
        } else if (mark == u'?') {
            cases.last().status = rest.section(u' ', 0, 0).toInt();
            cases.last().error = rest.section(u' ', 1);
        }
    }
    return cases;
}

} // namespace

Q_DECLARE_METATYPE(Case)

class TestInspect : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_program;

private slots:
    void commands_data()
    {
        QTest::addColumn<Case>("row");
        const QList<Case> cases = readCases();
        QVERIFY(cases.size() > 50);
        for (const Case& row : cases)
            QTest::newRow(qPrintable(row.args.join(u' ').left(60))) << row;
    }
    void commands()
    {
        QFETCH(Case, row);
        TestSupport::DataFolder folder;
        const QString fav = QStringLiteral("fav.dll");
        if (!row.before.isNull())
            folder.write(fav, row.before);
        const QString records = QStringLiteral("records.txt");
        if (!row.records.isNull())
            folder.write(records, row.records);
        const QString native = QDir::toNativeSeparators(folder.path());
        const QStringList args = row.args.replaceInStrings(QRegularExpression(QStringLiteral("^FOLDER")), folder.path());
        const TestSupport::InspectRun run = TestSupport::runInspect(args, row.input);
        QCOMPARE(run.status, row.status);
        if (row.status != 0)
            QVERIFY2(run.err.contains(QString(row.error).replace(QLatin1String("FOLDER"), native)), qPrintable(run.err));
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), row.out.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (row.out[i][0] == u'>')
                QCOMPARE(lines[i], row.out[i].mid(2).replace(QLatin1String("FOLDER"), native));
            else
                QVERIFY2(QRegularExpression(u'^' + row.out[i].mid(2) + u'$').match(lines[i]).hasMatch(), qPrintable(lines[i]));
        }
        const QByteArray after = row.after.value_or(row.before);
        QCOMPARE(folder.exists(fav), !after.isNull());
        QCOMPARE(folder.read(fav), after);
        QCOMPARE(folder.read(records), row.records);
        QVERIFY(!folder.exists(records + QStringLiteral(".bad")));
    }

    void tileIsWhatOkWrites()
    {
        TestSupport::DataFolder folder;
        const QString path = folder.filePath(QStringLiteral("bakdatal"));
        QCOMPARE(TestSupport::runInspect({ "tile", "15", "32768", path }).status, 0);
        QCOMPARE(loadBackTile(path), BackTile::RenderBackTile(BackColourArt::pattern(15), 32768, true));
    }

    // The command line, run as a player's shell runs it: a copy of the built quarry-puzzle in a
    // temporary folder (its own data folder), on the offscreen platform.
    void initTestCase()
    {
        const QString built = QDir(qEnvironmentVariable("QUARRY_RUNTIME_DIR")).filePath("quarry-puzzle");
        m_program = m_dir.filePath("quarry-puzzle");
        QVERIFY2(QFile::copy(built, m_program), qPrintable(built));
    }

    void commandLine()
    {
        // arguments, status (-1: still running, a message box waits for the player), and a part of
        // stdout (of stderr when the status is not 0)
        const QList<std::tuple<QStringList, int, QString>> rows { { { "--version" }, 0, "Quarry Puzzle 2." },
            { { "--help" }, 0, "--logic" }, { { "--jigsaw", "--logic" }, 2, "cannot be given together" },
            { { "a.png", "b.png" }, 2, "Only one picture file" }, { { "--tiles" }, 2, "Unknown option" },
            { { "--logic", "gone.png" }, -1, "\"gone.png\" cannot be opened: the file does not exist" } };
        for (const auto& [arguments, status, out] : rows) {
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
                const QByteArray text
                    = status == 0 ? process.readAllStandardOutput() : process.readAllStandardError();
                QVERIFY2(text.contains(out.toUtf8()), text.constData());
                continue;
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
    }
};

QTEST_MAIN(TestInspect)
#include "tst_inspect.moc"

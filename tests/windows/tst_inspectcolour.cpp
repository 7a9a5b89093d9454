// tst_inspectcolour.cpp: the hsb, rgb and tile subcommands of quarry-inspect, run as the real executable.
#include "BackColourArt.h"
#include "BackTile.h"
#include "BackTileFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QtTest>

namespace {
using Run = TestSupport::InspectRun;

Run inspect(const QStringList& args) { return TestSupport::runInspect(args); }
} // namespace

class TestInspectColour : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariableIsEmpty("QUARRY_RUNTIME_DIR")); }

    void conversions_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("out");
        QTest::newRow("hsb") << QStringList { "hsb", "0", "100", "200" } << "210 100 78\n";
        QTest::newRow("hsb grey") << QStringList { "hsb", "128", "128", "128" } << "0 0 50\n";
        QTest::newRow("rgb") << QStringList { "rgb", "210", "100", "100" } << "0 128 255\n";
        QTest::newRow("rgb 360 counts as 0") << QStringList { "rgb", "360", "100", "100" } << "255 0 0\n";
    }
    void conversions()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, out);
        const Run run = inspect(args);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, out);
    }

    void tileIsWhatOkWrites()
    {
        TestSupport::DataFolder folder;
        const QString path = folder.filePath(QStringLiteral("bakdatal"));
        const Run run = inspect({ "tile", "15", "32768", path });
        QCOMPARE(run.status, 0);
        QCOMPARE(loadBackTile(path), BackTile::RenderBackTile(BackColourArt::pattern(15), 32768, true));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("usage");
        QTest::newRow("hsb, component too large")
            << QStringList { "hsb", "256", "0", "0" } << "quarry-inspect hsb";
        QTest::newRow("hsb, missing") << QStringList { "hsb", "1", "2" } << "quarry-inspect hsb";
        QTest::newRow("hsb, not a number") << QStringList { "hsb", "a", "2", "3" } << "quarry-inspect hsb";
        QTest::newRow("rgb, negative hue") << QStringList { "rgb", "-1", "50", "50" } << "quarry-inspect rgb";
        QTest::newRow("rgb, brightness 101")
            << QStringList { "rgb", "10", "50", "101" } << "quarry-inspect rgb";
        QTest::newRow("tile, pattern 16") << QStringList { "tile", "16", "0", "x" } << "quarry-inspect tile";
        QTest::newRow("tile, colour too large")
            << QStringList { "tile", "1", "16777216", "x" } << "quarry-inspect tile";
        QTest::newRow("tile, no file") << QStringList { "tile", "1", "0" } << "quarry-inspect tile";
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, usage);
        const Run run = inspect(args);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.contains(usage), qPrintable(run.err));
    }

    void unwritableTileFileFails()
    {
        TestSupport::DataFolder folder;
        const QString path
            = QDir(folder.filePath(QStringLiteral("missing"))).filePath(QStringLiteral("bakdatal"));
        const Run run = inspect({ "tile", "1", "0", path });
        QCOMPARE(run.status, 1);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestInspectColour)
#include "tst_inspectcolour.moc"

// tst_gamechoices.cpp: the new-game choice laid over the preferences records, the picture draw,
// and the choice file.
#include "GameChoices.h"
#include "RandomSource.h"
#include "TestSupport.h"

#include <QtTest>

using namespace GameChoices;

namespace {
const QString Logic0 = QStringLiteral("G0,BF0132768,D5,M1,L0,K1,S1,");
const QString Jigsaw0 = QStringLiteral("G1,BE0132768,D2,R0,M0,S1,P0,");
const QString Board0 = QStringLiteral("G1,BE0132768,D0,R0,M1,S1,P0,");
} // namespace

class TestGameChoices : public QObject {
    Q_OBJECT

private slots:
    void recordsTakeTheChoice();
    void builtInPicture_data();
    void builtInPicture();
    void fileRoundTripAndDamage();
};

// Each field the player fixed replaces the drawn one; Random leaves the record as read.
void TestGameChoices::recordsTakeTheChoice()
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

void TestGameChoices::builtInPicture_data()
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

void TestGameChoices::builtInPicture()
{
    QFETCH(int, kind);
    QFETCH(int, builtIn);
    QFETCH(int, justPlayed);
    QFETCH(QList<double>, values);
    QFETCH(int, expected);
    QFETCH(int, draws);
    ScriptedRandom random(values);
    QCOMPARE(
        GameChoices::builtInPicture({ Picture::Kind(kind), builtIn, {} }, justPlayed, 10, random), expected);
    QCOMPARE(random.drawn(), draws);
}

void TestGameChoices::fileRoundTripAndDamage()
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

QTEST_GUILESS_MAIN(TestGameChoices)
#include "tst_gamechoices.moc"

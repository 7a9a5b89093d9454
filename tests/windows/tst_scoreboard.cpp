// tst_scoreboard.cpp: recording ended games from a game window, the best-result note, and the
// scoreboard's tables, chart, clearing and life with its game window.
#include "BuiltInPictures.h"
#include "GameRecorder.h"
#include "RecordStore.h"
#include "ScoreboardModels.h"
#include "ScoreboardWindow.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QtTest>

namespace {

GameRecord board(int picture, int size, int seconds, qint64 score)
{
    GameRecord r;
    r.builtInPicture = picture;
    r.gridSize = size;
    r.levelCode = 6401;
    r.pieceCount = size * size;
    r.rotation = true;
    r.seconds = seconds;
    r.moves = seconds / 2;
    r.score = score;
    return r;
}

QStringList column(const QTableView* view, int column)
{
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts << view->model()->index(row, column).data().toString();
    return texts;
}

} // namespace

class TestScoreboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Each ended game is recorded once, dated by the clock; a finished best result adds its
    // note after the completion message, nothing else does.
    void recording()
    {
        struct Row {
            RecordGame game;
            QList<int> seconds, scores; // one game each, picture 2, size 4
            QList<bool> notes; // the best-result note after each
            QStringList lines; // the records file after them
        };
        const QList<Row> rows { { RecordGame::Logic, { 63, 50, 9999 }, { 17799, 17799, 0 },
                                    { true, true, false },
                                    { "R1 2026-12-07T10:00:00Z L done b2 g4 r0 s0 63 31 17799",
                                        "R1 2026-12-07T10:01:00Z L done b2 g4 r0 s0 50 25 17799",
                                        "R1 2026-12-07T10:02:00Z L timeout b2 g4 r0 s0 9999 4999 0" } },
            { RecordGame::Jigsaw, { 245, 100 }, { 24347, 20000 }, { true, false },
                { "R1 2026-12-07T10:00:00Z J done b2 l6401:16:0 r1 s0 245 122 24347",
                    "R1 2026-12-07T10:01:00Z J done b2 l6401:16:0 r1 s0 100 50 20000" } } };
        for (const Row& row : rows) {
            TestSupport::ScriptedContext s;
            QWidget window;
            BuiltInPictures pictures(QList<QImage> {});
            GameRecorder recorder(s.context, pictures, row.game, &window);
            int minute = 0;
            recorder.setClock(
                [&minute] { return QDateTime(QDate(2026, 12, 7), QTime(10, minute++, 0, 789), Qt::UTC); });
            for (int i = 0; i < row.seconds.size(); ++i) {
                s.messages.shown.clear();
                QVERIFY(recorder.record(board(2, 4, row.seconds[i], row.scores[i])).saved);
                QCOMPARE(s.messages.shown.size(), int(row.notes[i]));
                if (row.notes[i])
                    QCOMPARE(s.messages.shown[0].text, s.context.strings.text(StringTable::NewBestResult));
            }
            QCOMPARE(QString::fromUtf8(s.folder.read("records.txt")),
                "QuarryRecords 1\n" + row.lines.join(u'\n') + u'\n');
        }
    }

    // Best results: one row per picture x size x rotation, sortable by its numbers, in the
    // player's locale; the chart follows the selected row; the window reads a damaged file once.
    void window()
    {
        TestSupport::ScriptedContext s;
        s.folder.write("records.txt",
                       "QuarryRecords 2\n"
                       "R2 2026-12-07T10:00:00Z L done b0 g3 r0 s0 1200 40 2600 h4\n"
                       "R1 2026-12-07T10:01:00Z L done b0 g3 r0 s0 30 20 17499\n"
                       "R1 2026-12-07T10:02:00Z L done b1 g3 r0 s0 20 20 17599\n"
                       "R1 2026-12-07T10:03:00Z L done b0 g4 r0 s0 60 60 17799\n"
                       "R1 2026-12-07T10:04:00Z L timeout b0 g3 r0 s0 9999 9 0\n"
                       "R1 2026-12-07T10:05:00Z J done b0 l6401:64:0 r1 s0 245 63 24347\n"
                       "damaged\n");
        auto game = std::make_unique<QWidget>();
        BuiltInPictures pictures({QImage(64, 48, QImage::Format_RGB32)});
        auto& recorder = *new GameRecorder(s.context, pictures, RecordGame::Logic, game.get());
        recorder.showScoreboard();
        QPointer<ScoreboardWindow> scoreboard = recorder.scoreboard();
        QVERIFY(scoreboard && scoreboard->isVisible());
        QCOMPARE(s.messages.shown.size(), 1); // the damaged line, told once
        QCOMPARE(s.messages.shown[0].icon, MessageIcon::Warning);

        QTableView* best = scoreboard->bestView(RecordGame::Logic);
        best->sortByColumn(BestResultsModel::BestScore, Qt::DescendingOrder);
        QCOMPARE(column(best, BestResultsModel::BestScore), (QStringList{"17.799", "17.599", "17.499"}));
        QCOMPARE(column(best, BestResultsModel::GamesFinished), (QStringList{"1", "1", "2"}));
        QCOMPARE(column(best, BestResultsModel::BestTime), (QStringList{"60", "20", "30"}));
        best->sortByColumn(BestResultsModel::BestTime, Qt::AscendingOrder);
        QCOMPARE(column(best, BestResultsModel::Picture), (QStringList{"Picture 2", "Picture 1", "Picture 1"}));
        QVERIFY(!best->model()->index(1, BestResultsModel::Picture).data(Qt::DecorationRole).isNull());
        QVERIFY(best->model()->index(0, BestResultsModel::Picture).data(Qt::DecorationRole).isNull()); // no picture 2

        best->setCurrentIndex(best->model()->index(1, 0)); // picture 1, 3 x 3
        QCOMPARE(scoreboard->chartedSeconds(RecordGame::Logic), (QList<int>{1200, 30}));
        QCOMPARE(column(scoreboard->lastView(RecordGame::Logic), LastGamesModel::Result).first(), QStringLiteral("Time end"));
        QCOMPARE(column(scoreboard->lastView(RecordGame::Logic), LastGamesModel::Hints), (QStringList{"0", "0", "0", "0", "4"}));
        QVERIFY(scoreboard->lastView(RecordGame::Jigsaw)->isColumnHidden(LastGamesModel::Hints));
        QCOMPARE(scoreboard->lastView(RecordGame::Jigsaw)->model()->rowCount(), 1);

        // A new result shows at its row; Clear records asks first, then clears that game only.
        recorder.record(board(1, 3, 10, 18000));
        QCOMPARE(scoreboard->chartedSeconds(RecordGame::Logic), (QList<int>{20, 10}));
        s.messages.answers = {false, true};
        scoreboard->clearRecords();
        QCOMPARE(best->model()->rowCount(), 3);
        scoreboard->clearRecords();
        QCOMPARE(best->model()->rowCount(), 0);
        QCOMPARE(scoreboard->bestView(RecordGame::Jigsaw)->model()->rowCount(), 1);

        // One per game window, closed with it.
        recorder.showScoreboard();
        QCOMPARE(recorder.scoreboard(), scoreboard.get());
        game.reset();
        QVERIFY(scoreboard.isNull());
    }
};

QTEST_MAIN(TestScoreboard)
#include "tst_scoreboard.moc"

// ScoreboardWindow.h: the "Puzzle scoreboard": for each game, the best result of every picture,
// size and rotation, a chart of the times on the selected one, and the last games.
//
// Not modal; one per game window, which owns it and closes it with itself. It reads the records
// when it opens (the first read of the run, if no game was recorded before) and again on reload().
#pragma once

#include "GameRecord.h"

#include <QWidget>

#include <array>

struct AppContext;
class BestResultsModel;
class BuiltInPictures;
class LastGamesModel;
class QChart;
class QLineSeries;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;

class ScoreboardWindow : public QWidget
{
    Q_OBJECT

public:
    ScoreboardWindow(AppContext& context, const BuiltInPictures& pictures, RecordGame game, QWidget* parent);

    // Reads the records again and redraws both games.
    void reload();
    // Shows game's tab with the row of boardKey selected (when it has one).
    void showBoard(RecordGame game, const QString& boardKey = {});

    RecordGame currentGame() const;
    // A game's page is built when its tab is first shown (or asked for here).
    QTableView* bestView(RecordGame game) { return ensurePage(game).best; }
    QTableView* lastView(RecordGame game) { return ensurePage(game).last; }
    // The times the chart shows for game, the oldest first.
    QList<int> chartedSeconds(RecordGame game);
    // "Clear records…" for the shown game, after the player's confirmation.
    void clearRecords();

private:
    struct Page
    {
        QWidget* tab = nullptr;
        BestResultsModel* bestModel = nullptr;
        QSortFilterProxyModel* bestProxy = nullptr;
        QTableView* best = nullptr;
        LastGamesModel* lastModel = nullptr;
        QTableView* last = nullptr;
        QChart* chart = nullptr;
        QLineSeries* series = nullptr;
    };
    Page& page(RecordGame game) { return m_pages[int(game)]; }
    const Page& page(RecordGame game) const { return m_pages[int(game)]; }
    Page& ensurePage(RecordGame game);
    void buildPage(RecordGame game);
    void loadPage(RecordGame game);
    void updateChart(RecordGame game);
    void tellProblem();

    AppContext& m_context;
    const BuiltInPictures& m_pictures;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_clear = nullptr;
    std::array<Page, 2> m_pages;
};

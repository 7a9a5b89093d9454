// ScoreboardWindow.cpp: tabs, tables and chart of the scoreboard.
#include "ScoreboardWindow.h"

#include "AppContext.h"
#include "BuiltInPictures.h"
#include "MessageBoxes.h"
#include "RecordStore.h"
#include "ScoreboardModels.h"

#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineSeries>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

QTableView* makeTable(QAbstractItemModel* model, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

} // namespace

ScoreboardWindow::ScoreboardWindow(AppContext& context, const BuiltInPictures& pictures, RecordGame game, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_pictures(pictures)
{
    setObjectName(QStringLiteral("ScoreboardWindow"));
    setWindowTitle(context.strings.text(StringTable::PuzzleScoreboard));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    for (RecordGame g : {RecordGame::Logic, RecordGame::Jigsaw}) {
        page(g).tab = new QWidget;
        new QVBoxLayout(page(g).tab);
        page(g).tab->layout()->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(page(g).tab, context.strings.text(g == RecordGame::Logic ? StringTable::LogicPuzzle : StringTable::JigsawPuzzle));
    }
    layout->addWidget(m_tabs);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_clear = new QPushButton(context.strings.text(StringTable::ClearRecords), this);
    m_clear->setObjectName(QStringLiteral("clearRecords"));
    connect(m_clear, &QPushButton::clicked, this, &ScoreboardWindow::clearRecords);
    buttons->addWidget(m_clear);
    layout->addLayout(buttons);
    resize(760, 560);
    m_tabs->setCurrentIndex(int(game));
    ensurePage(game);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) { ensurePage(RecordGame(index)); });
    tellProblem();
}

ScoreboardWindow::Page& ScoreboardWindow::ensurePage(RecordGame game)
{
    if (!page(game).best) {
        buildPage(game);
        loadPage(game);
    }
    return page(game);
}

void ScoreboardWindow::buildPage(RecordGame game)
{
    Page& p = page(game);
    const RecordPictureSource source = [this](const GameRecord& r) {
        if (r.builtInPicture >= 0)
            return m_pictures.picture(r.builtInPicture);
        // The player's picture as long as its file is still there.
        return QFileInfo::exists(r.pictureFile) ? QImage(r.pictureFile) : QImage();
    };
    auto* inner = new QTabWidget(p.tab);

    auto* splitter = new QSplitter(Qt::Vertical);
    p.bestModel = new BestResultsModel(game, m_context.strings, source, this);
    p.bestProxy = new QSortFilterProxyModel(this);
    p.bestProxy->setSourceModel(p.bestModel);
    p.bestProxy->setSortRole(BestResultsModel::SortRole);
    p.best = makeTable(p.bestProxy, splitter);
    p.best->setObjectName(QStringLiteral("bestResults"));
    p.best->setIconSize(BestResultsModel::ThumbnailSize);
    p.best->verticalHeader()->setDefaultSectionSize(BestResultsModel::ThumbnailSize.height() + 4);
    p.best->setColumnHidden(BestResultsModel::Rotation, game == RecordGame::Logic);
    p.best->sortByColumn(BestResultsModel::Picture, Qt::AscendingOrder);
    connect(p.best->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, game] { updateChart(game); });

    p.series = new QLineSeries;
    p.series->setPointsVisible(true);
    p.chart = new QChart;
    p.chart->addSeries(p.series);
    p.chart->legend()->hide();
    p.chart->setTitle(m_context.strings.text(StringTable::TimesChartTitle));
    auto* x = new QValueAxis;
    x->setTitleText(m_context.strings.text(StringTable::ChartGameAxis));
    x->setLabelFormat(QStringLiteral("%d"));
    auto* y = new QValueAxis;
    y->setTitleText(m_context.strings.text(StringTable::ChartSecondsAxis));
    y->setLabelFormat(QStringLiteral("%d"));
    p.chart->addAxis(x, Qt::AlignBottom);
    p.chart->addAxis(y, Qt::AlignLeft);
    p.series->attachAxis(x);
    p.series->attachAxis(y);
    auto* chartView = new QChartView(p.chart, splitter);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumHeight(160);
    inner->addTab(splitter, m_context.strings.text(StringTable::BestResults));

    p.lastModel = new LastGamesModel(game, m_context.strings, this);
    auto* lastProxy = new QSortFilterProxyModel(this);
    lastProxy->setSourceModel(p.lastModel);
    lastProxy->setSortRole(LastGamesModel::SortRole);
    p.last = makeTable(lastProxy, inner);
    p.last->setObjectName(QStringLiteral("lastGames"));
    p.last->setColumnHidden(LastGamesModel::Rotation, game == RecordGame::Logic);
    p.last->setColumnHidden(LastGamesModel::Hints, game == RecordGame::Jigsaw); // only the Logic puzzle hints
    p.last->sortByColumn(LastGamesModel::Date, Qt::DescendingOrder);
    inner->addTab(p.last, m_context.strings.text(StringTable::LastGames));
    p.tab->layout()->addWidget(inner);
}

void ScoreboardWindow::loadPage(RecordGame game)
{
    RecordStore& store = m_context.records();
    Page& p = page(game);
    const QString current = p.best->currentIndex().data(BestResultsModel::BoardKeyRole).toString();
    p.bestModel->setResults(store.bests(game));
    p.lastModel->setGames(store.latest(game, LastGamesModel::Shown));
    const int row = p.bestModel->rowOf(current);
    if (row >= 0)
        p.best->setCurrentIndex(p.bestProxy->mapFromSource(p.bestModel->index(row, 0)));
    else
        updateChart(game);
}

void ScoreboardWindow::reload()
{
    for (RecordGame game : {RecordGame::Logic, RecordGame::Jigsaw})
        if (page(game).best)
            loadPage(game);
    tellProblem();
}

void ScoreboardWindow::showBoard(RecordGame game, const QString& boardKey)
{
    m_tabs->setCurrentIndex(int(game));
    Page& p = ensurePage(game);
    const int row = p.bestModel->rowOf(boardKey);
    if (row >= 0) {
        const QModelIndex index = p.bestProxy->mapFromSource(p.bestModel->index(row, 0));
        p.best->setCurrentIndex(index);
        p.best->scrollTo(index);
    }
}

RecordGame ScoreboardWindow::currentGame() const
{
    return m_tabs->currentIndex() == int(RecordGame::Jigsaw) ? RecordGame::Jigsaw : RecordGame::Logic;
}

void ScoreboardWindow::updateChart(RecordGame game)
{
    Page& p = page(game);
    const QString key = p.best->currentIndex().data(BestResultsModel::BoardKeyRole).toString();
    QList<QPointF> points;
    if (!key.isEmpty()) {
        const QList<GameRecord> games = m_context.records().history(key);
        points.reserve(games.size());
        for (const GameRecord& r : games)
            points.append(QPointF(points.size() + 1, r.seconds));
    }
    p.series->replace(points);
    int most = 1;
    for (const QPointF& point : std::as_const(points))
        most = std::max(most, int(point.y()));
    const auto axes = p.chart->axes();
    for (QAbstractAxis* axis : axes) {
        auto* values = static_cast<QValueAxis*>(axis);
        if (axis->orientation() == Qt::Horizontal)
            values->setRange(1, std::max<qsizetype>(2, points.size()));
        else
            values->setRange(0, most * 1.1);
    }
}

QList<int> ScoreboardWindow::chartedSeconds(RecordGame game)
{
    QList<int> seconds;
    for (const QPointF& point : ensurePage(game).series->points())
        seconds.append(int(point.y()));
    return seconds;
}

void ScoreboardWindow::clearRecords()
{
    const RecordGame game = currentGame();
    const QString name = m_context.strings.text(game == RecordGame::Logic ? StringTable::LogicPuzzle : StringTable::JigsawPuzzle);
    const QString question = m_context.strings.text(StringTable::ClearRecordsQuestion).arg(name);
    if (!m_context.messages->askYesNo(this, m_context.strings.text(StringTable::Question), question, MessageIcon::Warning))
        return;
    m_context.records().clear(game);
    reload();
}

void ScoreboardWindow::tellProblem()
{
    RecordStore& store = m_context.records();
    const RecordStore::Problem problem = store.takeProblem();
    if (problem != RecordStore::Problem::None)
        m_context.messages->inform(this, m_context.strings.text(StringTable::Prompt), store.problemText(problem, m_context.strings),
                                   MessageIcon::Warning);
}

// ScoreboardModels.cpp: texts, thumbnails and sort values of the scoreboard's tables.
#include "ScoreboardModels.h"

#include "StringTable.h"

#include <QFileInfo>
#include <QLocale>

RecordTexts::RecordTexts(const StringTable& strings)
    : m_strings(strings)
{
}

QString RecordTexts::picture(const GameRecord& r) const
{
    if (r.builtInPicture >= 0)
        return m_strings.text(StringTable::BuiltInPictureName).arg(QLocale().toString(r.builtInPicture + 1));
    return QFileInfo(r.pictureFile).fileName();
}

QString RecordTexts::size(const GameRecord& r) const
{
    const QLocale locale;
    if (r.game == RecordGame::Logic)
        return QStringLiteral("%1 × %1").arg(locale.toString(r.gridSize));
    return QString::number(r.levelCode) + QStringLiteral(": ")
        + m_strings.text(StringTable::JigsawSizeName).arg(locale.toString(r.pieceCount), locale.toString(r.shapeFamily));
}

QString RecordTexts::onOff(bool on) const { return m_strings.text(on ? StringTable::SwitchOn : StringTable::SwitchOff); }

QString RecordTexts::number(qint64 value) const { return QLocale().toString(value); }

QString RecordTexts::date(const QDateTime& when) const { return QLocale().toString(when.toLocalTime(), QLocale::ShortFormat); }

// ---- Best results ----

BestResultsModel::BestResultsModel(RecordGame game, const StringTable& strings, RecordPictureSource pictures, QObject* parent)
    : QAbstractTableModel(parent)
    , m_game(game)
    , m_strings(strings)
    , m_texts(strings)
    , m_pictures(std::move(pictures))
{
}

void BestResultsModel::setResults(QList<BestResult> results)
{
    beginResetModel();
    m_results = std::move(results);
    endResetModel();
}

int BestResultsModel::rowOf(const QString& boardKey) const
{
    for (int row = 0; row < m_results.size(); ++row)
        if (m_results[row].best.boardKey() == boardKey)
            return row;
    return -1;
}

int BestResultsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_results.size()); }

int BestResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QPixmap BestResultsModel::thumbnail(const GameRecord& r) const
{
    const QString key = r.pictureField();
    const auto it = m_thumbnails.constFind(key);
    if (it != m_thumbnails.cend())
        return *it;
    const QImage picture = m_pictures ? m_pictures(r) : QImage();
    QPixmap pixmap;
    if (!picture.isNull())
        pixmap = QPixmap::fromImage(picture.scaled(ThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_thumbnails.insert(key, pixmap);
    return pixmap;
}

QVariant BestResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_results.size())
        return {};
    const BestResult& b = m_results[index.row()];
    const GameRecord& r = b.best;
    if (role == BoardKeyRole)
        return r.boardKey();
    if (role == Qt::DecorationRole && index.column() == Picture) {
        const QPixmap pixmap = thumbnail(r);
        return pixmap.isNull() ? QVariant() : QVariant(pixmap);
    }
    if (role == Qt::TextAlignmentRole && index.column() >= BestScore && index.column() <= GamesFinished)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool sort = role == SortRole;
    switch (Column(index.column())) {
    case Picture:
        return sort ? QVariant(r.builtInPicture >= 0 ? QString::asprintf("0%03d", r.builtInPicture) : QStringLiteral("1") + m_texts.picture(r))
                    : QVariant(m_texts.picture(r));
    case Size:
        return sort ? QVariant(r.game == RecordGame::Logic ? r.gridSize : r.pieceCount * 1000 + r.shapeFamily)
                    : QVariant(m_texts.size(r));
    case Rotation:
        return sort ? QVariant(int(r.rotation)) : QVariant(m_texts.onOff(r.rotation));
    case BestScore:
        return sort ? QVariant(r.score) : QVariant(m_texts.number(r.score));
    case BestTime:
        return sort ? QVariant(b.fastestSeconds) : QVariant(m_texts.number(b.fastestSeconds));
    case FewestMoves:
        return sort ? QVariant(b.fewestMoves) : QVariant(m_texts.number(b.fewestMoves));
    case GamesFinished:
        return sort ? QVariant(b.finishedGames) : QVariant(m_texts.number(b.finishedGames));
    case BestDate:
        return sort ? QVariant(r.when) : QVariant(m_texts.date(r.when));
    case ColumnCount:
        break;
    }
    return {};
}

QVariant BestResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr int Ids[ColumnCount] = {StringTable::ColumnPicture, StringTable::ColumnSize,
                                             StringTable::ColumnRotation, StringTable::ColumnBestScore,
                                             StringTable::ColumnBestTime, StringTable::ColumnFewestSteps,
                                             StringTable::ColumnGamesFinished, StringTable::ColumnBestDate};
    if (section == FewestMoves && m_game == RecordGame::Jigsaw)
        return m_strings.text(StringTable::ColumnFewestJoins);
    return section >= 0 && section < ColumnCount ? QVariant(m_strings.text(Ids[section])) : QVariant();
}

// ---- Last games ----

LastGamesModel::LastGamesModel(RecordGame game, const StringTable& strings, QObject* parent)
    : QAbstractTableModel(parent)
    , m_game(game)
    , m_strings(strings)
    , m_texts(strings)
{
}

void LastGamesModel::setGames(QList<GameRecord> games)
{
    beginResetModel();
    m_games = std::move(games);
    endResetModel();
}

int LastGamesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_games.size()); }

int LastGamesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant LastGamesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_games.size())
        return {};
    const GameRecord& r = m_games[index.row()];
    if (role == Qt::TextAlignmentRole && index.column() >= Score)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole)
        return {};
    const bool sort = role == SortRole;
    switch (Column(index.column())) {
    case Date:
        return sort ? QVariant(r.when) : QVariant(m_texts.date(r.when));
    case Picture:
        return m_texts.picture(r);
    case Size:
        return sort ? QVariant(r.game == RecordGame::Logic ? r.gridSize : r.pieceCount * 1000 + r.shapeFamily)
                    : QVariant(m_texts.size(r));
    case Rotation:
        return sort ? QVariant(int(r.rotation)) : QVariant(m_texts.onOff(r.rotation));
    case Result:
        return sort ? QVariant(int(r.finished))
                    : QVariant(m_strings.text(r.finished ? StringTable::ResultFinished : StringTable::ResultTimeEnd));
    case Score:
        return sort ? QVariant(r.score) : QVariant(m_texts.number(r.score));
    case Time:
        return sort ? QVariant(r.seconds) : QVariant(m_texts.number(r.seconds));
    case Moves:
        return sort ? QVariant(r.moves) : QVariant(m_texts.number(r.moves));
    case Hints:
        return sort ? QVariant(r.hints) : QVariant(m_texts.number(r.hints));
    case ColumnCount:
        break;
    }
    return {};
}

QVariant LastGamesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static constexpr int Ids[ColumnCount] = {StringTable::ColumnDate, StringTable::ColumnPicture,
                                             StringTable::ColumnSize, StringTable::ColumnRotation,
                                             StringTable::ColumnResult, StringTable::ColumnScore,
                                             StringTable::ColumnTime, StringTable::ColumnSteps,
                                             StringTable::ColumnHints};
    if (section == Moves && m_game == RecordGame::Jigsaw)
        return m_strings.text(StringTable::ColumnJoins);
    return section >= 0 && section < ColumnCount ? QVariant(m_strings.text(Ids[section])) : QVariant();
}

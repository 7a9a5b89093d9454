// ScoreboardModels.h: the scoreboard's tables: the best result of every picture, size and rotation
// of one game, and that game's last games.
//
// Display texts follow the player's locale (QLocale()) and the string table; SortRole gives every
// column a value that sorts as the column reads (numbers as numbers, dates as dates).
#pragma once

#include "GameRecord.h"
#include "RecordStore.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

#include <functional>

class StringTable;

// The picture of a record for its thumbnail: a null image when there is none.
using RecordPictureSource = std::function<QImage(const GameRecord&)>;

class RecordTexts
{
public:
    explicit RecordTexts(const StringTable& strings);
    QString picture(const GameRecord& r) const;
    QString size(const GameRecord& r) const;
    QString onOff(bool on) const;
    QString number(qint64 value) const;
    QString date(const QDateTime& when) const;

private:
    const StringTable& m_strings;
};

class BestResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Picture, Size, Rotation, BestScore, BestTime, FewestMoves, GamesFinished, BestDate, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int BoardKeyRole = Qt::UserRole + 1;
    static constexpr QSize ThumbnailSize{48, 36};

    BestResultsModel(RecordGame game, const StringTable& strings, RecordPictureSource pictures, QObject* parent = nullptr);

    RecordGame game() const { return m_game; }
    void setResults(QList<BestResult> results);
    const BestResult& result(int row) const { return m_results.at(row); }
    // The row of a board key; -1 when the board has no finished game.
    int rowOf(const QString& boardKey) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QPixmap thumbnail(const GameRecord& r) const;

    RecordGame m_game;
    const StringTable& m_strings;
    RecordTexts m_texts;
    RecordPictureSource m_pictures;
    QList<BestResult> m_results;
    mutable QHash<QString, QPixmap> m_thumbnails; // by picture field
};

class LastGamesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Date, Picture, Size, Rotation, Result, Score, Time, Moves, Hints, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int Shown = 100;

    LastGamesModel(RecordGame game, const StringTable& strings, QObject* parent = nullptr);

    void setGames(QList<GameRecord> games);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    RecordGame m_game;
    const StringTable& m_strings;
    RecordTexts m_texts;
    QList<GameRecord> m_games;
};

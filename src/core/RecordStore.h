// RecordStore.h: the records file of the player's data folder: every played game, read when
// first needed, appended and cleared through atomic rewrites, and the best result per board.
//
// The line format is described at the top of GameRecord.h. Reading never loses a record: lines
// that do not read are added to "<file>.bad" beside the file and the readable records are written
// back alone, so the player is told once (problem()) and the next start reads a clean file. When
// the file cannot be repaired (a read-only folder) it is left as it is and nothing more is written
// into it during the run: a later rewrite would drop the lines it could not read.
#pragma once

#include "GameRecord.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class StringTable;

// What a completion's record did.
struct RecordOutcome
{
    bool saved = false;  // the file took it
    bool best = false;   // a finished game that is now the best for its picture and size
};

// The best result of one board (picture x size x rotation) and how often it was finished.
struct BestResult
{
    GameRecord best;
    int finishedGames = 0;
    int fastestSeconds = 0;
    int fewestMoves = 0;
};

class RecordStore
{
public:
    explicit RecordStore(QString filePath);

    QString filePath() const { return m_path; }
    QString badFilePath() const { return m_path + QStringLiteral(".bad"); }

    // Every record in file order (the oldest first); reads the file on the first call.
    const QList<GameRecord>& records();
    // Why the file was not wholly read or could not be written, once: empty afterwards and when
    // all is well. Arguments of the string-table texts: see problemText().
    enum class Problem { None, Damaged, DamagedNotRepaired, NotRead, NotWritten };
    Problem takeProblem();
    // The player's message for problem (empty for None), in the table's language.
    QString problemText(Problem problem, const StringTable& strings) const;
    // Lines set aside by the last read.
    int badLines() const { return m_badLines; }

    // Adds a record and rewrites the file.
    RecordOutcome append(const GameRecord& record);
    // Removes every record of game and rewrites the file; false when the file did not take it.
    bool clear(RecordGame game);

    // The best results of game, one per board, in no particular order.
    QList<BestResult> bests(RecordGame game);
    // The last count records of game, the newest first.
    QList<GameRecord> latest(RecordGame game, int count);
    // The finished games on record's board, the oldest first.
    QList<GameRecord> history(const QString& boardKey);

    // Reads text as a records file: the records and the lines that did not read.
    static QList<GameRecord> parse(const QByteArray& text, QList<QByteArray>* bad);
    // The file text of records.
    static QByteArray serialise(const QList<GameRecord>& records);

private:
    void load();
    bool write(const QByteArray& text);
    void reindex();
    void indexBest(int index);

    QString m_path;
    bool m_loaded = false;
    bool m_writable = true;
    bool m_writeFailed = false;
    Problem m_problem = Problem::None;
    int m_badLines = 0;
    QList<GameRecord> m_records;
    QList<QString> m_keys;          // the board key of every record
    QByteArray m_text;              // the file as last written or read clean
    QHash<QString, int> m_best;     // board key -> index of its best record
};

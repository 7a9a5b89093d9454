// RecordStore.cpp: reading, repairing and rewriting the records file.
#include "RecordStore.h"

#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {

// Far beyond a lifetime of games (about 80 bytes a record); anything larger is not ours to rewrite.
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// Writes bytes to path through a temporary file renamed into place; every step checked.
bool writeAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(bytes) != bytes.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

RecordStore::RecordStore(QString filePath)
    : m_path(std::move(filePath))
{
}

QList<GameRecord> RecordStore::parse(const QByteArray& text, QList<QByteArray>* bad)
{
    QList<GameRecord> records;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        // Every line the program writes ends with LF: a last line without one was cut short,
        // and a cut number would still read as a (wrong) number.
        const bool complete = end >= 0;
        if (!complete)
            end = text.size();
        // The .bad copy takes the line as it stood, CR included.
        const QByteArray raw = text.mid(start, end - start);
        start = end + 1;
        const QByteArray line = raw.endsWith('\r') ? raw.chopped(1) : raw;
        if (complete && (line.trimmed().isEmpty() || line.startsWith('#')))
            continue;
        // Every field of a record is ASCII (file names are percent-encoded).
        std::optional<GameRecord> record;
        if (complete && std::all_of(line.cbegin(), line.cend(), [](char c) { return uchar(c) < 0x80; })) {
            const QString decoded = QString::fromLatin1(line);
            if (GameRecord::isKnownHeader(decoded))
                continue;
            record = GameRecord::fromLine(decoded);
        }
        if (record)
            records.append(*record);
        else if (bad)
            bad->append(raw);
    }
    return records;
}

QByteArray RecordStore::serialise(const QList<GameRecord>& records)
{
    int version = 1;
    for (const GameRecord& r : records)
        version = std::max(version, r.lineVersion());
    QByteArray text = GameRecord::headerLine(version).toUtf8() + '\n';
    for (const GameRecord& r : records)
        text += r.toLine().toUtf8() + '\n';
    return text;
}

void RecordStore::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    QFile file(m_path);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize) {
        // Writing now would replace records that are still there.
        m_problem = Problem::NotRead;
        m_writable = false;
        return;
    }
    const QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_problem = Problem::NotRead;
        m_writable = false;
        return;
    }
    file.close();
    QList<QByteArray> bad;
    m_records = parse(text, &bad);
    m_badLines = int(bad.size());
    reindex();
    if (bad.isEmpty()) {
        // Every line reads and ends with LF: appending goes on from the text as it stands.
        m_text = text;
        return;
    }
    const QByteArray clean = serialise(m_records);
    // The lines set aside join those of earlier repairs, then the file keeps the readable ones.
    QByteArray aside;
    QFile old(badFilePath());
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            m_problem = Problem::DamagedNotRepaired;
            m_writable = false;
            return;
        }
        aside = old.readAll();
        if (!aside.isEmpty() && !aside.endsWith('\n'))
            aside += '\n';
    }
    for (const QByteArray& line : bad)
        aside += line + '\n';
    if (writeAtomically(badFilePath(), aside) && writeAtomically(m_path, clean)) {
        m_problem = Problem::Damaged;
        m_text = clean;
    } else {
        m_problem = Problem::DamagedNotRepaired;
        m_writable = false;
    }
}

void RecordStore::reindex()
{
    m_keys.clear();
    m_keys.reserve(m_records.size());
    m_best.clear();
    for (int i = 0; i < m_records.size(); ++i) {
        m_keys.append(m_records[i].boardKey());
        indexBest(i);
    }
}

void RecordStore::indexBest(int index)
{
    const GameRecord& r = m_records[index];
    if (!r.finished)
        return;
    const QString& key = m_keys[index];
    const auto it = m_best.constFind(key);
    if (it == m_best.cend() || r.beats(m_records[*it]))
        m_best.insert(key, index);
}

const QList<GameRecord>& RecordStore::records()
{
    load();
    return m_records;
}

RecordStore::Problem RecordStore::takeProblem()
{
    load();
    return std::exchange(m_problem, Problem::None);
}

bool RecordStore::write(const QByteArray& text)
{
    // A file left alone has been reported already, and a failing folder is reported once.
    if (!m_writable)
        return false;
    if (!writeAtomically(m_path, text)) {
        if (!std::exchange(m_writeFailed, true))
            m_problem = Problem::NotWritten;
        return false;
    }
    m_text = text;
    return true;
}

RecordOutcome RecordStore::append(const GameRecord& record)
{
    load();
    QByteArray text = m_text.isEmpty() ? GameRecord::headerLine(record.lineVersion()).toUtf8() + '\n' : m_text;
    // A line of a later version than the header names raises the header with it.
    const QByteArray first = GameRecord::headerLine(1).toUtf8() + '\n';
    if (record.lineVersion() > 1 && text.startsWith(first))
        text.replace(0, first.size(), GameRecord::headerLine(record.lineVersion()).toUtf8() + '\n');
    text += record.toLine().toUtf8() + '\n';
    RecordOutcome outcome;
    outcome.saved = write(text);
    // A result the file did not take still counts for this run.
    m_records.append(record);
    m_keys.append(record.boardKey());
    indexBest(int(m_records.size()) - 1);
    outcome.best = record.finished && m_best.value(m_keys.last()) == m_records.size() - 1;
    return outcome;
}

bool RecordStore::clear(RecordGame game)
{
    load();
    QList<GameRecord> kept;
    for (const GameRecord& r : std::as_const(m_records))
        if (r.game != game)
            kept.append(r);
    if (!write(serialise(kept)))
        return false;
    m_records = kept;
    reindex();
    return true;
}

QList<BestResult> RecordStore::bests(RecordGame game)
{
    load();
    QHash<QString, BestResult> boards;
    for (int i = 0; i < m_records.size(); ++i) {
        const GameRecord& r = m_records[i];
        if (r.game != game || !r.finished)
            continue;
        BestResult& b = boards[m_keys[i]];
        if (b.finishedGames == 0) {
            b.fastestSeconds = r.seconds;
            b.fewestMoves = r.moves;
        }
        ++b.finishedGames;
        b.fastestSeconds = std::min(b.fastestSeconds, r.seconds);
        b.fewestMoves = std::min(b.fewestMoves, r.moves);
    }
    QList<BestResult> result;
    result.reserve(boards.size());
    for (auto it = boards.begin(); it != boards.end(); ++it) {
        it->best = m_records[m_best.value(it.key())];
        result.append(*it);
    }
    return result;
}

QList<GameRecord> RecordStore::latest(RecordGame game, int count)
{
    load();
    QList<GameRecord> result;
    for (auto it = m_records.crbegin(); it != m_records.crend() && result.size() < count; ++it)
        if (it->game == game)
            result.append(*it);
    return result;
}

QList<GameRecord> RecordStore::history(const QString& boardKey)
{
    load();
    QList<GameRecord> result;
    for (int i = 0; i < m_records.size(); ++i)
        if (m_records[i].finished && m_keys[i] == boardKey)
            result.append(m_records[i]);
    return result;
}

QString RecordStore::problemText(Problem problem, const StringTable& strings) const
{
    const QString file = QDir::toNativeSeparators(m_path);
    switch (problem) {
    case Problem::None:
        break;
    case Problem::Damaged:
        return strings.text(StringTable::RecordsDamaged).arg(file, QDir::toNativeSeparators(badFilePath()));
    case Problem::DamagedNotRepaired:
        return strings.text(StringTable::RecordsNotRepaired).arg(file);
    case Problem::NotRead:
        return strings.text(StringTable::RecordsNotRead).arg(file);
    case Problem::NotWritten:
        return strings.text(StringTable::RecordsNotWritten).arg(file);
    }
    return {};
}

// FavRecordBench.cpp: reading and rewriting the preferences file the program ships with, and
// reads of large files, whose time should grow in step with their size.
#include "BenchHarness.h"
#include "FavRecord.h"
#include "RandomSource.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// A temporary folder with a fav.dll: a copy of the shipped file, or the shipped records after
// fillerBytes of other lines.
class FavFolder
{
public:
    explicit FavFolder(qint64 fillerBytes = 0)
    {
        QFile shipped(favFilePath(Bench::runtimeDir()));
        if (!m_dir.isValid() || !shipped.open(QIODevice::ReadOnly))
            qFatal("quarry-bench: no fav.dll beside the executable or no temporary folder");
        const QByteArray records = shipped.readAll();
        QFile file(favFilePath(m_dir.path()));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("quarry-bench: cannot write %s", qPrintable(file.fileName()));
        const QByteArray filler = QByteArray(98, 'x') + "\r\n";
        for (qint64 written = 0; written < fillerBytes; written += filler.size())
            file.write(filler);
        file.write(records);
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

QString readSliding(const FavFolder& folder)
{
    static ScriptedRandom random({0.1, 0.4, 0.7});
    return ReadFavRecord(folder.path(), Game::Sliding, random);
}

} // namespace

QUARRY_BENCH(ReadFavRecord_shipped, "< 1 ms: every new game reads it")
{
    static const FavFolder folder;
    Bench::keep(readSliding(folder));
}

// Each iteration switches the sound, so the line alternates between S1 and S0.
QUARRY_BENCH(UpdateFavRecord_shipped, "< 50 ms: a key press, flush to disk included")
{
    static const FavFolder folder;
    static QString current = defaultFavRecord(Game::Jigsaw);
    current = UpdateFavRecord(folder.path(), Game::Jigsaw, current, FavChange::sound());
    Bench::keep(current);
}

// Both files are far larger than any processor cache, so their ratio shows how the time grows.
QUARRY_BENCH(ReadFavRecord_16MB, "linear: a quarter of the 64 MB read")
{
    static const FavFolder folder(qint64(16) << 20);
    Bench::keep(readSliding(folder));
}

QUARRY_BENCH(ReadFavRecord_64MB, "linear: four times the 16 MB read")
{
    static const FavFolder folder(qint64(64) << 20);
    Bench::keep(readSliding(folder));
}

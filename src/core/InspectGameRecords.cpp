// InspectGameRecords.cpp: quarry-inspect records, the records file of a data folder.
//
// Only reads: a damaged file is reported, never repaired or set aside from here.
#include "DataFiles.h"
#include "Inspect.h"
#include "RecordStore.h"

#include <QDir>
#include <QFile>

namespace {

const QString Name = QStringLiteral("records");
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// FOLDER [--print-file]
int records(const QStringList& args, Inspect::Io& io)
{
    if (args.isEmpty() || args.size() > 2 || (args.size() == 2 && args[1] != u"--print-file"))
        return Inspect::usage(io, Name);
    const QString path = QDir(args[0]).filePath(dataFileName(DataFile::Records));
    if (args.size() == 2) {
        io.out << QDir::toNativeSeparators(path) << '\n';
        return 0;
    }
    QFile file(path);
    if (!file.exists())
        return 0;
    QByteArray text;
    if (file.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)
        || (text = file.readAll(), file.error() != QFileDevice::NoError)) {
        io.err << "quarry-inspect: " << QDir::toNativeSeparators(path) << " cannot be read\n";
        return 1;
    }
    QList<QByteArray> bad;
    for (const GameRecord& record : RecordStore::parse(text, &bad))
        io.out << record.toLine() << '\n';
    if (!bad.isEmpty()) {
        io.err << "quarry-inspect: " << bad.size() << (bad.size() == 1 ? " line" : " lines") << " of "
               << QDir::toNativeSeparators(path) << " do not read as records\n";
        return 1;
    }
    return 0;
}

const Inspect::Command command("records", "FOLDER [--print-file]", records);

} // namespace

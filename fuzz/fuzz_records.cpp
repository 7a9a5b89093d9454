// fuzz_records.cpp: libFuzzer target for the records file reader.
//
// Every input is read as a records file: every line either reads or is set aside (nothing is
// lost), every record read writes back to a line that reads as the same record, and the file
// written from the records reads back whole.
#include "GameRecord.h"
#include "RecordStore.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QList<QByteArray> bad;
    const QList<GameRecord> records = RecordStore::parse(bytes, &bad);
    const qsizetype lines = bytes.count('\n') + (bytes.isEmpty() || bytes.endsWith('\n') ? 0 : 1);
    if (records.size() + bad.size() > lines)
        std::abort();
    for (const GameRecord& record : records) {
        const std::optional<GameRecord> again = GameRecord::fromLine(record.toLine());
        if (!again || !(*again == record))
            std::abort();
    }
    QList<QByteArray> none;
    if (RecordStore::parse(RecordStore::serialise(records), &none) != records || !none.isEmpty())
        std::abort();
    return 0;
}

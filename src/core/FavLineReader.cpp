// FavLineReader.cpp: chunked line reading for the preferences file.
#include "FavLineReader.h"

#include <QIODevice>

#include <algorithm>

namespace {
constexpr qint64 ChunkSize = 64 * 1024;
} // namespace

FavLineReader::FavLineReader(QIODevice& device, qint64 limit)
    : m_device(device)
    , m_remaining(limit)
{
}

bool FavLineReader::fill()
{
    m_pos = 0;
    m_chunk.resize(ChunkSize);
    // One byte beyond the limit is asked for, to tell a file of exactly limit bytes from a longer one.
    const qint64 got = m_device.read(m_chunk.data(), std::min(ChunkSize, m_remaining + 1));
    if (got < 0 || got > m_remaining)
        m_failed = true;
    if (got <= 0 || m_failed) {
        m_chunk.clear();
        return false;
    }
    m_remaining -= got;
    m_chunk.resize(got);
    return true;
}

bool FavLineReader::next(QByteArray& line)
{
    line.clear();
    if (m_failed)
        return false;
    for (;;) {
        if (m_pos == m_chunk.size() && !fill())
            return !m_failed && !line.isEmpty();
        const char* data = m_chunk.constData();
        const qsizetype size = m_chunk.size();
        qsizetype end = m_pos;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        line.append(data + m_pos, end - m_pos);
        m_pos = end;
        if (end < size) {
            ++m_pos; // past the line end
            if (!line.isEmpty())
                return true;
        }
    }
}

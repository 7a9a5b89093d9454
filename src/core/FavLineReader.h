// FavLineReader.h: the non-blank lines of a preferences file, read in small chunks.
//
// A line is a maximal run of bytes that are neither CR nor LF, so CR LF, a lone CR and a lone LF
// all end a line, and blank lines (which the file format ignores) never appear. Memory stays
// within one chunk plus the line at hand, whatever the size of the file.
#pragma once

#include <QByteArray>

class QIODevice;

class FavLineReader
{
public:
    // Reads at most limit bytes of device; a longer file counts as a read failure.
    FavLineReader(QIODevice& device, qint64 limit);

    // The next line without its end; false at the end of the input or after a failure.
    bool next(QByteArray& line);
    // Whether reading failed (device error or more than limit bytes) rather than ended.
    bool failed() const { return m_failed; }

private:
    bool fill();

    QIODevice& m_device;
    qint64 m_remaining;
    QByteArray m_chunk;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

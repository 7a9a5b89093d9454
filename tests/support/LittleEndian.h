// LittleEndian.h: integers appended to bytes in little-endian order, for hand-assembled files.
#pragma once

#include <QByteArray>
#include <QtEndian>

namespace TestSupport {

template <typename T> void put(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

} // namespace TestSupport

// BenchPictures.cpp: the benchmark picture files, in a folder that lives as long as the run.
#include "BenchPictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>

namespace BenchPictures {

namespace {

QString folderPath(const QString& name)
{
    static QTemporaryDir* dir = new QTemporaryDir; // lives until the process ends
    return QDir(dir->path()).filePath(name);
}

quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray chunk(const QByteArray& typeAndData)
{
    QByteArray out(4, '\0');
    qToBigEndian(quint32(typeAndData.size() - 4), out.data());
    out += typeAndData;
    QByteArray crc(4, '\0');
    qToBigEndian(crc32(typeAndData), crc.data());
    return out + crc;
}

} // namespace

QString photo6000x4000()
{
    static const QString path = [] {
        const QString file = folderPath(QStringLiteral("photo.jpg"));
        QImage image(6000, 4000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb((x / 24) % 256, (y / 16) % 256, int(128 + 100 * std::sin((x + y) / 37.0)));
        }
        if (!image.save(file, "JPG", 90))
            qFatal("quarry-bench: cannot write the 6000 x 4000 photo");
        return file;
    }();
    return path;
}

QString png30000x30000()
{
    static const QString path = [] {
        const QString file = folderPath(QStringLiteral("huge.png"));
        QByteArray ihdr("IHDR", 4);
        QByteArray dims(8, '\0');
        qToBigEndian(quint32(30000), dims.data());
        qToBigEndian(quint32(30000), dims.data() + 4);
        ihdr += dims + QByteArray("\x08\x02\0\0\0", 5);
        const QByteArray bytes = QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk(ihdr)
            + chunk(QByteArray("IDAT\x78\x9c\x03\0\0\0\0\x01", 12)) + chunk("IEND");
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("quarry-bench: cannot write the 30000 x 30000 PNG");
        return file;
    }();
    return path;
}

} // namespace BenchPictures

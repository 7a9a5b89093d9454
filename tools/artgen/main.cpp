// main.cpp: artgen paints every picture of the program and writes them as PNG files. The start
// window's pictures are written a second time uncompressed (NAME.raw, see writeRaw), which the
// program uses in place: decoding their PNG was most of its start-up.
//
// Usage: artgen OUTPUT_DIR [NAME...]   names limit the run to those files, for quick previews
//        artgen --sheet OUTPUT_DIR FILE  composes a contact sheet of the files written before
//        artgen --check OUTPUT_DIR       checks the files written before against the quality rules
#include "Check.h"
#include "Furniture.h"
#include "Preview.h"
#include "Scenes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QtEndian>

#include <cstdio>
#include <functional>
#include <vector>

namespace {
struct Job {
    QString name;
    std::function<QImage()> paint;
};

std::vector<Job> jobs()
{
    std::vector<Job> list {
        { "picture0", Scenes::mountainLake },
        { "picture1", Scenes::coralReef },
        { "picture2", Scenes::nightCity },
        { "picture3", Scenes::autumnForest },
        { "picture4", Scenes::flowerMeadow },
        { "picture5", Scenes::balloons },
        { "picture6", Scenes::lighthouse },
        { "picture7", Scenes::roseWindow },
        { "picture8", Scenes::desertCanyon },
        { "picture9", Scenes::spaceScene },
        { "login", Furniture::loginBackground },
        { "tilecursor", Furniture::tileCursor },
        { "holding", Furniture::holdingPointer },
        { "normal", Furniture::normalPointer },
        { "plate", Furniture::boardPlate },
    };
    for (int i = 0; i < 6; ++i)
        list.push_back({ QStringLiteral("face%1").arg(i), [i] { return Furniture::buttonFace(i); } });
    for (int id = 101; id <= 108; ++id)
        list.push_back({ QStringLiteral("frame%1").arg(id), [id] { return Furniture::frameBitmap(id); } });
    for (int size : { 16, 32, 48, 256 })
        list.push_back({ QStringLiteral("icon%1").arg(size), [size] { return Furniture::programIcon(size); } });
    return list;
}

// The pictures the start window shows at once.
bool shownAtStart(const QString& name)
{
    return name == u"login" || name.startsWith(u"face");
}

// Writes the image as the program decodes it from its PNG file, uncompressed: "QRAW", then width,
// height and QImage format (32-bit little-endian numbers), then the rows of pixels, each pixel a
// 32-bit little-endian number. Only the two 32-bit formats PNG decoding gives are written.
bool writeRaw(const QString& png, const QString& file)
{
    const QImage image(png);
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        return false;
    QByteArray bytes("QRAW");
    const auto number = [&](quint32 value) {
        const quint32 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
    };
    number(quint32(image.width()));
    number(quint32(image.height()));
    number(quint32(image.format()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            number(row[x]);
    }
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: artgen OUTPUT_DIR [NAME...]\n       artgen --sheet OUTPUT_DIR FILE\n       artgen --check OUTPUT_DIR\n");
        return 2;
    }
    if (QString::fromLocal8Bit(argv[1]) == QStringLiteral("--sheet")) {
        if (argc != 4) {
            std::fprintf(stderr, "usage: artgen --sheet OUTPUT_DIR FILE\n");
            return 2;
        }
        return Preview::writeContactSheet(QDir(QString::fromLocal8Bit(argv[2])), QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    if (QString::fromLocal8Bit(argv[1]) == QStringLiteral("--check"))
        return argc == 3 && Check::checkArtwork(QDir(QString::fromLocal8Bit(argv[2]))) == 0 ? 0 : 1;
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "artgen: cannot create %s\n", argv[1]);
        return 1;
    }
    QStringList only;
    for (int i = 2; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);
    QElapsedTimer total;
    total.start();
    for (const Job& job : jobs()) {
        if (!only.isEmpty() && !only.contains(job.name))
            continue;
        QElapsedTimer t;
        t.start();
        const QImage image = job.paint();
        const QString file = out.filePath(job.name + QStringLiteral(".png"));
        if (image.isNull() || !image.save(file, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file));
            return 1;
        }
        const QString raw = out.filePath(job.name + QStringLiteral(".raw"));
        if (shownAtStart(job.name) && !writeRaw(file, raw)) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(raw));
            return 1;
        }
        if (!only.isEmpty())
            std::printf("%-12s %4lld ms\n", qPrintable(job.name), static_cast<long long>(t.elapsed()));
    }
    if (!only.isEmpty())
        std::printf("total        %4lld ms\n", static_cast<long long>(total.elapsed()));
    return 0;
}

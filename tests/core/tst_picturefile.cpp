// tst_picturefile.cpp: the player's picture files: what is refused before decoding, what is
// decoded at which size, orientation tags, and the content hash.
#include "PictureChooser.h"
#include "PictureFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtTest>
#include <QtEndian>

namespace {

QByteArray encoded(QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 90));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return buffer.data();
}

// A JPEG whose orientation tag says "turn a quarter clockwise to view" (EXIF orientation 6).
QByteArray turnedJpeg(QSize stored)
{
    const QByteArray tiff = QByteArray("MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 26);
    const QByteArray body = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray app1("\xFF\xE1", 2);
    app1 += char((body.size() + 2) >> 8);
    app1 += char((body.size() + 2) & 0xFF);
    QByteArray jpeg = encoded(stored, "jpg");
    return jpeg.insert(2, app1 + body);
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

QByteArray pngChunk(const QByteArray& typeAndData)
{
    uchar length[4], crc[4];
    qToBigEndian(quint32(typeAndData.size() - 4), length);
    qToBigEndian(crc32(typeAndData), crc);
    return QByteArray(reinterpret_cast<const char*>(length), 4) + typeAndData
        + QByteArray(reinterpret_cast<const char*>(crc), 4);
}

// A PNG whose header claims width × height, cut off a few bytes into its pixels.
QByteArray pngCutShort(quint32 width, quint32 height)
{
    uchar dims[8];
    qToBigEndian(width, dims);
    qToBigEndian(height, dims + 4);
    const QByteArray ihdr = QByteArray("IHDR", 4) + QByteArray(reinterpret_cast<const char*>(dims), 8)
        + QByteArray("\x08\x02\0\0\0", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk(ihdr) + pngChunk(QByteArray("IDAT\x78\x9c", 6));
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

class TestPictureFile : public QObject {
    Q_OBJECT

private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // "<dir>" and "<missing>": no file of that name
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("decoded");    // invalid when refused
        QTest::addColumn<QString>("reason");   // part of the refusal

        const QSize play(300, 300);
        QTest::newRow("big photo decoded at the play size") << encoded({600, 400}, "jpg") << play << QSize(300, 200) << "";
        QTest::newRow("small picture left at its size") << encoded({40, 30}, "png") << play << QSize(40, 30) << "";
        QTest::newRow("no bound: own size") << encoded({64, 48}, "bmp") << QSize() << QSize(64, 48) << "";
        QTest::newRow("orientation tag honoured") << turnedJpeg({60, 40}) << play << QSize(40, 60) << "";
        QTest::newRow("tall photo turned, then fitted") << turnedJpeg({800, 400}) << play << QSize(150, 300) << "";
        QTest::newRow("30000 x 30000 refused unread") << pngCutShort(30000, 30000) << play << QSize() << "30000 × 30000";
        QTest::newRow("past the pixel budget") << pngCutShort(10001, 20) << play << QSize() << "10001 × 20";
        QTest::newRow("1 x 1") << encoded({1, 1}, "png") << play << QSize() << "smaller";
        QTest::newRow("text") << QByteArray("just some words\n") << play << QSize() << "not a picture";
        QTest::newRow("empty") << QByteArray() << play << QSize() << "empty";
        QTest::newRow("truncated") << pngCutShort(64, 64) << play << QSize() << "damaged";
        QTest::newRow("directory") << QByteArray("<dir>") << play << QSize() << "folder";
        QTest::newRow("missing") << QByteArray("<missing>") << play << QSize() << "does not exist";
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, bound);
        QFETCH(QSize, decoded);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath("holiday photo.img");
        if (bytes == "<dir>")
            QVERIFY(QDir(dir.path()).mkdir("holiday photo.img"));
        else if (bytes != "<missing>")
            write(path, bytes);

        const PictureFile::Loaded loaded = PictureFile::load(path, bound);
        QCOMPARE(loaded.image.isNull() ? QSize() : loaded.image.size(), decoded);
        QCOMPARE(loaded.ok(), decoded.isValid());
        if (!loaded.ok()) {
            QVERIFY2(loaded.error.contains(path) && loaded.error.contains(reason), qPrintable(loaded.error));
            QVERIFY(loaded.hash.isEmpty());
        }
    }

    // The same photo under another name is the same picture; another photo is not.
    void hash()
    {
        QTemporaryDir dir;
        write(dir.filePath("a.png"), encoded({40, 30}, "png"));
        write(dir.filePath("copy of a.png"), encoded({40, 30}, "png"));
        write(dir.filePath("b.png"), encoded({41, 30}, "png"));
        const QByteArray a = PictureFile::load(dir.filePath("a.png"), QSize()).hash;
        QCOMPARE(a.size(), 40);
        QCOMPARE(PictureFile::load(dir.filePath("copy of a.png"), QSize()).hash, a);
        QVERIFY(PictureFile::load(dir.filePath("b.png"), QSize()).hash != a);
    }

    // The chooser starts where the last picture came from, while that folder exists, and offers
    // the formats this build reads.
    void chooserStart()
    {
        QTemporaryDir dir;
        const QString fallback = pictureStartFolder({});
        QVERIFY(QFileInfo(fallback).isDir());
        QCOMPARE(pictureStartFolder({ dir.filePath("cat.jpg") }), dir.path());
        QCOMPARE(pictureStartFolder({ dir.filePath("gone/cat.jpg") }), fallback);
        for (const char* pattern : { "*.png", "*.jpg", "*.bmp", "*.gif" })
            QVERIFY2(pictureFileFilter().contains(pattern), pattern);
    }

    // Transparent parts show the colour behind them; opaque pictures pass unchanged.
    void opaqueOver()
    {
        QImage picture(2, 1, QImage::Format_ARGB32);
        picture.setPixel(0, 0, qRgba(0, 0, 0, 0));
        picture.setPixel(1, 0, qRgba(10, 20, 30, 255));
        const QImage flat = PictureFile::opaqueOver(picture, qRgb(200, 100, 50));
        QCOMPARE(flat.format(), QImage::Format_RGB32);
        QCOMPARE(flat.pixel(0, 0), qRgb(200, 100, 50));
        QCOMPARE(flat.pixel(1, 0), qRgb(10, 20, 30));
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"

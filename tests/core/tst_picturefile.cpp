// tst_picturefile.cpp: the player's picture files: what is refused before decoding, what is
// decoded at which size, orientation tags, and the content hash; the compiled-in artwork.
#include "Artwork.h"
#include "PictureChooser.h"
#include "PictureFile.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtTest>

#include <functional>

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

} // namespace

class TestPictureFile : public QObject {
    Q_OBJECT

private slots:
    // Most rows read the fuzz target's seed files; "<dir>" and "<missing>" name no file.
    void load_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // the file, or a seed's name after "seed:"
        QTest::addColumn<QSize>("bound");
        QTest::addColumn<QSize>("decoded");    // invalid when refused
        QTest::addColumn<QString>("reason");   // part of the refusal

        const QSize play(300, 300);
        QTest::newRow("big photo decoded at the play size") << encoded({600, 400}, "jpg") << play << QSize(300, 200) << "";
        QTest::newRow("small picture left at its size") << QByteArray("seed:rgb.png") << play << QSize(20, 18) << "";
        QTest::newRow("no bound: own size") << encoded({64, 48}, "bmp") << QSize() << QSize(64, 48) << "";
        QTest::newRow("orientation tag honoured") << QByteArray("seed:turned.jpg") << play << QSize(16, 24) << "";
        QTest::newRow("turned, then fitted")
            << QByteArray("seed:turned.jpg") << QSize(12, 12) << QSize(8, 12) << "";
        QTest::newRow("30000 x 30000 refused unread") << QByteArray("seed:huge-header.png") << play << QSize() << "30000 × 30000";
        QTest::newRow("too large to decode whole") << QByteArray("seed:big-header.png") << play << QSize() << "too large to open";
        QTest::newRow("1 x 1") << QByteArray("seed:tiny.png") << play << QSize() << "smaller";
        QTest::newRow("text") << QByteArray("seed:not-a-picture.txt") << play << QSize() << "not a picture";
        QTest::newRow("empty") << QByteArray() << play << QSize() << "empty";
        QTest::newRow("truncated") << QByteArray("seed:truncated.png") << play << QSize() << "damaged";
        QTest::newRow("directory") << QByteArray("<dir>") << play << QSize() << "folder";
        QTest::newRow("missing") << QByteArray("<missing>") << play << QSize() << "does not exist";
    }
    void load()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, bound);
        QFETCH(QSize, decoded);
        QFETCH(QString, reason);
        TestSupport::DataFolder dir;
        const QString path = dir.filePath("holiday photo.img");
        if (bytes == "<dir>")
            QVERIFY(QDir(dir.path()).mkdir("holiday photo.img"));
        else if (bytes.startsWith("seed:"))
            QVERIFY(QFile::copy(QStringLiteral(QUARRY_PICTURE_SEEDS "/") + bytes.mid(5), path));
        else if (bytes != "<missing>")
            dir.write("holiday photo.img", bytes);

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
        TestSupport::DataFolder dir;
        dir.write("a.png", encoded({ 40, 30 }, "png"));
        dir.write("copy of a.png", encoded({ 40, 30 }, "png"));
        dir.write("b.png", encoded({ 41, 30 }, "png"));
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

    // The compiled-in artwork (its quality rules: ctest artwork_check): each kind gives images for its
    // ids from first to last, and none on either side of them.
    void idsGiveImages()
    {
        const struct {
            std::function<QImage(int)> image;
            int first;
            int last;
        } kinds[] { { Artwork::builtInPicture, 0, 9 }, { Artwork::buttonFace, 0, 5 },
            { Artwork::frameBitmap, 101, 108 } };
        for (const auto& kind : kinds) {
            for (const int id : { kind.first - 1, kind.first, kind.last, kind.last + 1 })
                QVERIFY2(kind.image(id).isNull() == (id < kind.first || id > kind.last),
                    qPrintable(QString::number(id)));
        }
    }

    void pictureIsDecodedOnce()
    {
        QCOMPARE(Artwork::builtInPictureCount(), 10);
        QCOMPARE(Artwork::builtInPicture(3).cacheKey(), Artwork::builtInPicture(3).cacheKey());
    }

    void iconHasEverySize()
    {
        const QIcon icon = Artwork::programIcon();
        for (int s : { 16, 32, 48, 256 })
            QVERIFY2(icon.availableSizes().contains(QSize(s, s)),
                qPrintable(QStringLiteral("no %1 px icon").arg(s)));
        QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    }
};

QTEST_MAIN(TestPictureFile)
#include "tst_picturefile.moc"

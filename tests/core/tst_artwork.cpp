// tst_artwork.cpp: the compiled-in artwork as the program reaches it: ids, decoding once, the icon.
// The pictures' own quality rules are checked by artgen --check (ctest artwork_check).
#include "Artwork.h"

#include <QtTest>

#include <functional>

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    // Each kind gives images for its ids from first to last, and none on either side of them.
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
            QVERIFY2(icon.availableSizes().contains(QSize(s, s)), qPrintable(QStringLiteral("no %1 px icon").arg(s)));
        QCOMPARE(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
    }
};

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"

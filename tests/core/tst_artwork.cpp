// tst_artwork.cpp: the compiled-in artwork as the program reaches it: ids, decoding once, the icon.
// The pictures' own quality rules are checked by artgen --check (ctest artwork_check).
#include "Artwork.h"

#include <QtTest>

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void idsGiveImages_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("valid");
        QTest::newRow("picture -1") << "picture" << -1 << false;
        QTest::newRow("picture 0") << "picture" << 0 << true;
        QTest::newRow("picture 9") << "picture" << 9 << true;
        QTest::newRow("picture 10") << "picture" << 10 << false;
        QTest::newRow("face -1") << "face" << -1 << false;
        QTest::newRow("face 5") << "face" << 5 << true;
        QTest::newRow("face 6") << "face" << 6 << false;
        QTest::newRow("frame 2") << "frame" << 2 << false;
        QTest::newRow("frame 100") << "frame" << 100 << false;
        QTest::newRow("frame 101") << "frame" << 101 << true;
        QTest::newRow("frame 108") << "frame" << 108 << true;
        QTest::newRow("frame 109") << "frame" << 109 << false;
    }

    void idsGiveImages()
    {
        QFETCH(QString, kind);
        QFETCH(int, id);
        QFETCH(bool, valid);
        const QImage image = kind == "picture" ? Artwork::builtInPicture(id)
            : kind == "face"                   ? Artwork::buttonFace(id)
                                               : Artwork::frameBitmap(id);
        QCOMPARE(!image.isNull(), valid);
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

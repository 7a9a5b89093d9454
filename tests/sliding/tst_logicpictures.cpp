// tst_logicpictures.cpp: the Logic puzzle on the player's own pictures, through every way in:
// the chooser, a drop, the recent list; refusals and "No" leave the running game alone.
#include "BuiltInPictures.h"
#include "Frm_LogicGame.h"
#include "PictureChooser.h"
#include "PictureOpening.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

class TestLogicPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Twips::overridePerPixel(15); }
    void cleanupTestCase() { Twips::overridePerPixel(0); }

    void open_data()
    {
        QTest::addColumn<QString>("way");     // chooser, drop or recent
        QTest::addColumn<QStringList>("files"); // photo, text; the chooser's answer or the drop
        QTest::addColumn<bool>("yes");        // the answer to "Another new game?"
        QTest::addColumn<bool>("opened");
        QTest::newRow("chosen photo") << "chooser" << QStringList { "photo" } << true << true;
        QTest::newRow("chooser cancelled") << "chooser" << QStringList { "" } << true << false;
        QTest::newRow("No to the question") << "chooser" << QStringList { "photo" } << false << false;
        QTest::newRow("chosen text file") << "chooser" << QStringList { "text" } << true << false;
        QTest::newRow("drop: first picture") << "drop" << QStringList { "text", "photo" } << true << true;
        QTest::newRow("drop: no picture") << "drop" << QStringList { "text" } << true << false;
        QTest::newRow("recent photo") << "recent" << QStringList { "photo" } << true << true;
    }
    void open()
    {
        QFETCH(QString, way);
        QFETCH(QStringList, files);
        QFETCH(bool, yes);
        QFETCH(bool, opened);
        TestSupport::ScriptedContext scripted;
        ScriptedPictureChooser chooser;
        scripted.context.pictureChooser = &chooser;
        scripted.folder.write("fav.dll", "G0,BF0132768,D1,M1,L0,K1,S0,\r\nG1,BE0132768,D0,R0,M0,S1,P0,\r\n");
        scripted.folder.write("text", "not a picture");
        QImage photo(600, 400, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QVERIFY(photo.save(scripted.folder.filePath("photo"), "PNG"));
        QStringList paths;
        for (const QString& f : files)
            paths << (f.isEmpty() ? QString() : scripted.folder.filePath(f));

        BuiltInPictures pictures({ QImage(160, 120, QImage::Format_RGB32) });
        Frm_LogicGame window(scripted.context, pictures);
        scripted.random.setValues({ 0.0, 0.15, 0.02 });
        window.NewPictureGame();
        const qint64 before = window.previewPicture().cacheKey();
        scripted.messages.answers = { yes };

        if (way == "chooser") {
            chooser.answers = paths;
            int openPicture = 5;
            window.PMenu(openPicture);
        } else if (way == "drop") {
            QMimeData data;
            QList<QUrl> urls;
            for (const QString& path : paths)
                urls << QUrl::fromLocalFile(path);
            data.setUrls(urls);
            // A drop goes where the drag's entry was taken.
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &enter);
            QCOMPARE(enter.isAccepted(), opened);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &drop);
        } else {
            QVERIFY(window.openPictureFile(paths.first())); // the list now holds it
            window.NewPictureGame();
            QMenu* recent = window.pictureOpening().recentMenu();
            emit recent->aboutToShow();
            QCOMPARE(recent->actions().size(), 1);
            recent->actions().first()->trigger();
        }
        QCoreApplication::processEvents();

        const QImage shown = window.previewPicture();
        QCOMPARE(shown.cacheKey() != before, opened);
        QVERIFY(window.timer().isActive()); // a game runs either way
        if (opened) {
            // Decoded at the size the fitting shows it at, and remembered first in the list.
            QCOMPARE(shown.size(), window.wholePicture()->size());
            QCOMPARE(shown.pixel(5, 5), photo.pixel(5, 5));
            QCOMPARE(window.pictureOpening().recent().value(0), scripted.folder.filePath("photo"));
        }
        if (files.contains("text") && way == "chooser")
            QVERIFY(scripted.messages.shown.last().text.contains(scripted.folder.filePath("text")));
        if (opened && way == "chooser") {
            // Left unfinished, the game comes back on the save's copy of the picture once the file is gone.
            window.close();
            QVERIFY(QFile::remove(scripted.folder.filePath("photo")));
            Frm_LogicGame again(scripted.context, pictures);
            again.show();
            again.activateWindow();
            QTRY_VERIFY(!again.game().IsIdle());
            QCOMPARE(again.previewPicture().pixel(5, 5), photo.pixel(5, 5));
            again.close();
        }
    }
};

QTEST_MAIN(TestLogicPictures)
#include "tst_logicpictures.moc"

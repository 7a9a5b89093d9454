// tst_eyespictures.cpp: the Jigsaw puzzle on the player's own pictures: the chooser, a drop and
// the command line's first picture open it through the same fitting; a refusal leaves the game.
#include "BuiltInPictures.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "Frm_EyesGame.h"
#include "PictureChooser.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QDropEvent>
#include <QMimeData>
#include <QtTest>

class TestEyesPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Twips::overridePerPixel(15); }
    void cleanupTestCase() { Twips::overridePerPixel(0); }

    void open_data()
    {
        QTest::addColumn<QString>("way"); // chooser, drop or first (the command line's picture)
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("opened");
        QTest::newRow("chosen photo") << "chooser" << "photo.png" << true;
        QTest::newRow("chosen 1 x 1") << "chooser" << "dot.png" << false;
        QTest::newRow("dropped photo") << "drop" << "photo.png" << true;
        QTest::newRow("first picture") << "first" << "photo.png" << true;
        QTest::newRow("first picture refused") << "first" << "gone.png" << false;
    }
    void open()
    {
        QFETCH(QString, way);
        QFETCH(QString, file);
        QFETCH(bool, opened);
        TestSupport::ScriptedContext scripted;
        ScriptedPictureChooser chooser;
        scripted.context.pictureChooser = &chooser;
        scripted.folder.write("fav.dll", "G0,BF0132768,D1,M1,L0,K1,S0,\r\nG1,BE0132768,D0,R0,M0,S0,P2,\r\n");
        // A 4000 x 1000 photo: fitted by width into the play area, at its proportions.
        QImage photo(4000, 1000, QImage::Format_ARGB32);
        photo.fill(qRgba(0, 0, 0, 0)); // transparent: the back colour shows
        QVERIFY(photo.save(scripted.folder.filePath("photo.png")));
        QVERIFY(QImage(1, 1, QImage::Format_RGB32).save(scripted.folder.filePath("dot.png")));
        const QString path = scripted.folder.filePath(file);

        BuiltInPictures pictures({ QImage(320, 240, QImage::Format_RGB32) });
        Frm_EyesGame window(scripted.context, pictures);
        if (way == "first")
            window.setFirstPicture(path);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Form_Activate();
        const QImage before = window.workingPicture();

        if (way == "chooser") {
            window.Timer1_Timer();
            chooser.answers = { path };
            int openPicture = 5;
            window.PMenu(openPicture);
        } else if (way == "drop") {
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(path) });
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &enter);
            QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &drop);
            QCoreApplication::processEvents();
        }

        const QImage working = window.workingPicture();
        QVERIFY(window.play().pieceCount() > 0); // a game runs either way
        QVERIFY(window.timerActive());
        if (!opened) {
            QCOMPARE(working.size(), way == "first" ? QSize(320, 240) : before.size());
            QVERIFY(scripted.messages.shown.last().text.contains(path));
            return;
        }
        QCOMPARE(window.previewPicture().size(), working.size());
        QCOMPARE(qRound(working.width() / 4.0), working.height()); // its proportions kept
        QVERIFY(working.width() < 4000);
        QCOMPARE(window.previewPicture().pixel(0, 0), ColourValue::toColor(FavFields::backColour(window.record())).rgb());
    }
};

QTEST_MAIN(TestEyesPictures)
#include "tst_eyespictures.moc"

// tst_screenfit.cpp: windows are moved and shrunk onto the usable part of the screen.
#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void fitInside_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("expected");
        const QRect area(0, 0, 1280, 1024);
        QTest::newRow("inside stays") << QRect(10, 20, 300, 200) << area << QRect(10, 20, 300, 200);
        QTest::newRow("past the bottom moves up") << QRect(1079, 957, 165, 124) << area << QRect(1079, 900, 165, 124);
        QTest::newRow("past the right moves left") << QRect(1181, 40, 104, 288) << area << QRect(1176, 40, 104, 288);
        QTest::newRow("above and left moves in") << QRect(-30, -5, 100, 100) << area << QRect(0, 0, 100, 100);
        QTest::newRow("taller than the area shrinks") << QRect(2, 0, 1240, 1048) << area << QRect(2, 0, 1240, 1024);
        QTest::newRow("larger both ways fills it") << QRect(-50, -50, 4000, 3000) << area << area;
        QTest::newRow("area with an offset (panel)") << QRect(0, 0, 200, 200) << QRect(0, 30, 1280, 994)
                                                     << QRect(0, 30, 200, 200);
        QTest::newRow("no area changes nothing") << QRect(-5, -5, 10, 10) << QRect() << QRect(-5, -5, 10, 10);
    }

    void fitInside()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, area);
        QFETCH(QRect, expected);
        QCOMPARE(ScreenFit::fitInside(frame, area), expected);
    }

    void innerOf_data()
    {
        QTest::addColumn<QRect>("outer");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("undecorated") << QRect(2, 0, 1240, 1023) << QMargins() << QRect(2, 0, 1240, 1023);
        QTest::newRow("title bar and borders") << QRect(2, 0, 1240, 1023) << QMargins(1, 20, 1, 5)
                                               << QRect(3, 20, 1238, 998);
        QTest::newRow("frame larger than the window keeps a pixel")
            << QRect(0, 0, 10, 10) << QMargins(8, 8, 8, 8) << QRect(8, 8, 1, 1);
    }

    void innerOf()
    {
        QFETCH(QRect, outer);
        QFETCH(QMargins, frame);
        QFETCH(QRect, expected);
        QCOMPARE(ScreenFit::innerOf(outer, frame), expected);
    }

    // A window asked to sit partly off the screen ends up wholly on it, and the game windows'
    // outer placement gives exactly the asked rectangle when there is no frame.
    void keepOnScreenMovesARealWindow()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget window;
        window.resize(200, 150);
        window.move(area.right() - 50, area.bottom() - 20);
        ScreenFit::keepOnScreen(&window);
        QCOMPARE(window.frameGeometry(), QRect(area.right() - 199, area.bottom() - 149, 200, 150));

        const QRect outer(area.left() + 5, area.top(), area.width() - 40, area.height() - 1);
        ScreenFit::setOuterGeometry(&window, outer);
        QCOMPARE(ScreenFit::outerGeometry(&window), outer);
    }
};

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"

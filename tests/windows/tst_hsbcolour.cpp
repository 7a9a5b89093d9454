// tst_hsbcolour.cpp: RgbToHsb and HsbToRgb: every hue sector, ties, halves to even, round trips.
#include "ColourValue.h"
#include "HsbColour.h"
#include "LabelContrast.h"

#include <QtTest>

#include <cstdlib>

class TestHsbColour : public QObject {
    Q_OBJECT

private slots:
    void contrastRatio_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("onWhite"); // published WCAG ratios
        QTest::newRow("black") << QColor(0, 0, 0) << 21.0;
        QTest::newRow("#767676") << QColor(0x76, 0x76, 0x76) << 4.54;
        QTest::newRow("#777777") << QColor(0x77, 0x77, 0x77) << 4.48;
        QTest::newRow("#008000") << QColor(0, 128, 0) << 5.14;
    }
    void contrastRatio()
    {
        QFETCH(QColor, colour);
        QFETCH(double, onWhite);
        QVERIFY(qAbs(LabelContrast::ratio(colour, Qt::white) - onWhite) < 0.01);
        QCOMPARE(LabelContrast::ratio(Qt::white, colour), LabelContrast::ratio(colour, Qt::white));
    }

    // The clock and step labels write the back colour on their plate.
    void labelPlate_data()
    {
        QTest::addColumn<int>("backColour");
        QTest::addColumn<QColor>("plate");
        const QColor design = LabelContrast::DesignPlate;
        QTest::newRow("black") << 0 << design;
        QTest::newRow("navy") << 128 * 65536 << design;
        QTest::newRow("default green") << 32768 << QColor(Qt::white);
        QTest::newRow("grey 128") << 8421504 << QColor(Qt::black);
        QTest::newRow("red") << 255 << QColor(Qt::black);
        QTest::newRow("white") << 16777215 << QColor(Qt::black);
    }
    void labelPlate()
    {
        QFETCH(int, backColour);
        QFETCH(QColor, plate);
        const QColor text = ColourValue::toColor(backColour);
        QCOMPARE(LabelContrast::plateFor(text), plate);
        QVERIFY(LabelContrast::ratio(text, plate) >= 4.5);
    }

    void rgbToHsb_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("brightness");
        // Greys: hue 0, saturation 0.
        QTest::newRow("black") << 0 << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("white") << 255 << 255 << 255 << 0 << 0 << 100;
        QTest::newRow("grey 128") << 128 << 128 << 128 << 0 << 0 << 50;
        // One row per case of the hue rule; d = round((mid - min) * 60 / (max - min)).
        QTest::newRow("red min, blue max") << 0 << 100 << 200 << 210 << 100 << 78;
        QTest::newRow("red min, green max") << 10 << 200 << 110 << 152 << 95 << 78;
        QTest::newRow("green min, red max") << 200 << 50 << 100 << 340 << 75 << 78;
        QTest::newRow("green min, blue max") << 100 << 50 << 200 << 260 << 75 << 78;
        QTest::newRow("blue min, green max") << 100 << 200 << 50 << 100 << 75 << 78;
        QTest::newRow("blue min, red max") << 200 << 100 << 50 << 20 << 75 << 78;
        QTest::newRow("green 128") << 0 << 128 << 0 << 120 << 100 << 50;
        // Ties between components go to the first case in order.
        QTest::newRow("cyan") << 0 << 255 << 255 << 180 << 100 << 100;
        QTest::newRow("yellow") << 255 << 255 << 0 << 60 << 100 << 100;
        QTest::newRow("magenta") << 255 << 0 << 255 << 300 << 100 << 100;
        // 360 - 0 for pure reds counts as hue 0.
        QTest::newRow("red") << 255 << 0 << 0 << 0 << 100 << 100;
        QTest::newRow("red, d rounds to 0") << 255 << 0 << 2 << 0 << 100 << 100;
        QTest::newRow("red, d = 1") << 255 << 0 << 5 << 359 << 100 << 100;
        // Halves go to the even neighbour.
        QTest::newRow("saturation 0.5 -> 0") << 200 << 199 << 199 << 0 << 0 << 78;
        QTest::newRow("saturation 1.5 -> 2") << 200 << 197 << 197 << 0 << 2 << 78;
        QTest::newRow("d 0.5 -> 0") << 0 << 1 << 120 << 240 << 100 << 47;
        QTest::newRow("d 1.5 -> 2") << 0 << 3 << 120 << 238 << 100 << 47;
    }
    void rgbToHsb()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, brightness);
        const HsbValue got = RgbToHsb(red, green, blue);
        QCOMPARE(got.hue, hue);
        QCOMPARE(got.saturation, saturation);
        QCOMPARE(got.brightness, brightness);
        QCOMPARE(RgbToHsb(ColourValue::fromRgb(red, green, blue)), got);
    }

    void hsbToRgb_data()
    {
        QTest::addColumn<int>("hue");
        QTest::addColumn<int>("saturation");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("grey 127.5 -> 128") << 0 << 0 << 50 << 128 << 128 << 128;
        QTest::newRow("grey 76.5 -> 76") << 200 << 0 << 30 << 76 << 76 << 76;
        QTest::newRow("black") << 0 << 100 << 0 << 0 << 0 << 0;
        QTest::newRow("red") << 0 << 100 << 100 << 255 << 0 << 0;
        // Middle of every sector: the varying component is 127.5, which rounds to 128.
        QTest::newRow("sector 0") << 30 << 100 << 100 << 255 << 128 << 0;
        QTest::newRow("sector 1") << 90 << 100 << 100 << 128 << 255 << 0;
        QTest::newRow("sector 2") << 150 << 100 << 100 << 0 << 255 << 128;
        QTest::newRow("sector 3") << 210 << 100 << 100 << 0 << 128 << 255;
        QTest::newRow("sector 4") << 270 << 100 << 100 << 128 << 0 << 255;
        QTest::newRow("sector 5") << 330 << 100 << 100 << 255 << 0 << 128;
        // V = 204, f = 1/3: p = 102, q = 170.
        QTest::newRow("sector 3, thirds") << 200 << 50 << 80 << 102 << 170 << 204;
        // V = 76.5 -> 76, t = p = 45.9 -> 46.
        QTest::newRow("dark, weak") << 0 << 40 << 30 << 76 << 46 << 46;
        // A hue of 360 or more counts as 0 (not as hue - 360).
        QTest::newRow("hue 360") << 360 << 100 << 100 << 255 << 0 << 0;
        QTest::newRow("hue 400") << 400 << 100 << 100 << 255 << 0 << 0;
        QTest::newRow("hue 359") << 359 << 100 << 100 << 255 << 0 << 4;
        // Out of range inputs are clamped.
        QTest::newRow("hue -30") << -30 << 100 << 100 << 255 << 0 << 0;
        QTest::newRow("saturation, brightness over 100") << 120 << 150 << 120 << 0 << 255 << 0;
    }
    void hsbToRgb()
    {
        QFETCH(int, hue);
        QFETCH(int, saturation);
        QFETCH(int, brightness);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QCOMPARE(HsbToRgb(hue, saturation, brightness), ColourValue::fromRgb(red, green, blue));
    }

    // Integer hue, saturation and brightness lose a little; a colour comes back within a few units.
    void roundTripStaysClose()
    {
        for (int r = 0; r <= 255; r += 15)
            for (int g = 0; g <= 255; g += 15)
                for (int b = 0; b <= 255; b += 15) {
                    const HsbValue hsb = RgbToHsb(r, g, b);
                    QVERIFY(hsb.hue >= 0 && hsb.hue < 360);
                    const int back = HsbToRgb(hsb.hue, hsb.saturation, hsb.brightness);
                    const int error = std::max({ std::abs(ColourValue::red(back) - r),
                        std::abs(ColourValue::green(back) - g), std::abs(ColourValue::blue(back) - b) });
                    QVERIFY2(error <= 3, qPrintable(QStringLiteral("%1,%2,%3").arg(r).arg(g).arg(b)));
                }
    }

    // Greys survive exactly in both directions.
    void greysRoundTripExactly()
    {
        for (int v = 0; v <= 100; ++v) {
            const int grey = HsbToRgb(123, 0, v);
            QCOMPARE(RgbToHsb(grey), (HsbValue { 0, 0, v }));
        }
    }

    void outOfRangeComponentsAreClamped() { QCOMPARE(RgbToHsb(300, -5, 0), RgbToHsb(255, 0, 0)); }
};

QTEST_GUILESS_MAIN(TestHsbColour)
#include "tst_hsbcolour.moc"

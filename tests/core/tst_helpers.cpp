// tst_helpers.cpp: field reading, rounding, colour values, twips, random source, string table, game clock.
#include "ColourValue.h"
#include "Fields.h"
#include "GameClock.h"
#include "RandomSource.h"
#include "Rounding.h"
#include "StringTable.h"
#include "Twips.h"

#include <QtTest>

#include <limits>

class TestHelpers : public QObject
{
    Q_OBJECT

private slots:
    void leadingNumber()
    {
        const QList<std::tuple<QString, double, int>> rows { // text, value, end
            { "32768,", 32768.0, 5 }, { "66.67,100", 66.67, 5 }, { ".5x", 0.5, 2 }, { "12.,", 12.0, 3 },
            { "-40,1", -40.0, 3 }, { "+7", 7.0, 2 }, { "C12", 0.0, 0 }, { "-,", 0.0, 0 }, { ".,", 0.0, 0 },
            { "", 0.0, 0 }, { "1.2.3", 1.2, 3 }, { "5E2", 5.0, 1 }, // a second point or an E stops it
            { "0132768", 132768.0, 7 }
        };
        for (const auto& [text, value, end] : rows) {
            qsizetype stop = -1;
            QCOMPARE(Fields::leadingNumberAt(text, 0, &stop), value);
            QCOMPARE(stop, qsizetype(end));
        }
    }

    // Values beyond a type's range saturate or clamp instead of wrapping; roundToInt takes halves to even.
    void outOfRangeClamps()
    {
        const QString huge = QString(400, u'9') + u',';
        QCOMPARE(Fields::leadingNumber(huge), std::numeric_limits<double>::max());
        QCOMPARE(Fields::toInt(Fields::leadingNumber(huge)), std::numeric_limits<int>::max());
        QCOMPARE(Fields::toInt(-Fields::leadingNumber(huge)), std::numeric_limits<int>::min());
        QCOMPARE(Fields::leadingNumber(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1")), 0.0);
        QCOMPARE(Fields::fieldInt(QStringLiteral("G0,D") + huge, u'D'), std::numeric_limits<int>::max());
        QCOMPARE(Fields::leadingNumberAt(u"12", 5), 0.0);
        QCOMPARE(Fields::leadingNumberAt(u"12", -1), 0.0);
        QCOMPARE(Rounding::roundToInt(1e300), std::numeric_limits<int>::max());
        QCOMPARE(Rounding::roundToInt(std::nan("")), 0);
        QCOMPARE(Rounding::roundToInt(-7.5), -8);
        QCOMPARE(ColourValue::toColor(-5), QColor(0, 0, 0));
        QCOMPARE(ColourValue::toColor(99999999999LL), QColor(255, 255, 255));
    }

    // The first occurrence of the letter; no letter, or no number after it, reads as 0.
    void fieldValue()
    {
        const QString sliding = QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,");
        QCOMPARE(Fields::fieldValue(sliding, u'D'), 1.0);
        QCOMPARE(Fields::fieldValue(sliding, u'B'), 0.0); // the letter F is no number
        QCOMPARE(Fields::fieldValue(sliding, u'R'), 0.0);
        QCOMPARE(Fields::fieldValue(u"D7,D3,", u'D'), 7.0);
    }

    // Halves go to the even neighbour, whole or at the given decimal places.
    void rounding()
    {
        const QList<std::pair<double, double>> whole { { 2.5, 2 }, { 3.5, 4 }, { 12.5, 12 }, { 13.5, 14 },
            { -2.5, -2 }, { -3.5, -4 }, { 15.84, 16 }, { 0.32, 0 }, { 0.5, 0 }, { 1.5, 2 }, { 2.4999, 2 } };
        for (const auto& [value, rounded] : whole) {
            QCOMPARE(Rounding::roundPlaces(value, 0), rounded);
            QCOMPARE(Rounding::roundHalfEven(value), rounded);
        }
        // The ring tiles: R6(cos 135 degrees) and R1 of the corner they give.
        QCOMPARE(Rounding::roundPlaces(std::cos(135.0 / 180.0 * 3.14159265358979), 6), -0.707107);
        QCOMPARE(Rounding::roundPlaces(50 + (-0.707107 * 30), 1), 28.8);
        QCOMPARE(Rounding::roundPlaces(0.25, 1), 0.2);
        QCOMPARE(Rounding::roundPlaces(0.75, 1), 0.8);
        QCOMPARE(Rounding::roundPlaces(50.0, 1), 50.0);
    }

    void colourValues()
    {
        const QList<std::pair<int, QColor>> rows { { 255, QColor(255, 0, 0) },
            { 16711680, QColor(0, 0, 255) }, { 16777215, QColor(255, 255, 255) },
            { 12 + 256 * 34 + 65536 * 56, QColor(12, 34, 56) } };
        for (const auto& [value, color] : rows) {
            QCOMPARE(ColourValue::toColor(value), color);
            QCOMPARE(ColourValue::fromColor(color), value);
        }
    }

    void twips()
    {
        Twips::overridePerPixel(15.0);
        QCOMPARE(Twips::toPixels(150), 10.0);
        QCOMPARE(Twips::fromPixelsInt(11), 165);
        QCOMPARE(Twips::toPixelsInt(157.5), 10); // 10.5 rounds to even
        Twips::overridePerPixel(7.5); // a 192 dpi screen
        QCOMPARE(Twips::toPixels(150), 20.0);
        Twips::overridePerPixel(0);
        QCOMPARE(Twips::perPixel(), 15.0); // no screen in a core test
    }

    void randomRanges()
    {
        ScriptedRandom random({0.0, 0.999999, 0.5, 0.02, 0.99});
        QCOMPARE(random.between(5, 9), 5);
        QCOMPARE(random.between(5, 9), 9);
        QCOMPARE(random.below(10), 5);
        QCOMPARE(random.below(4), 0);
        QCOMPARE(random.between(0, 360), 357);
        QCOMPARE(random.drawn(), 5);
        random.reseed();
        QCOMPARE(random.next(), 0.0); // starts over; a reseed changes nothing
    }

    void systemRandomIsUniformAndReseedsApart()
    {
        quint64 tick = 42;
        SystemRandom random([&tick] { return tick; });
        double sum = 0;
        for (int i = 0; i < 10000; ++i) {
            const double u = random.next();
            QVERIFY(u >= 0.0 && u < 1.0);
            sum += u;
        }
        QVERIFY(qAbs(sum / 10000 - 0.5) < 0.02);
        // Two reseeds within the same clock tick must continue different sequences.
        random.reseed();
        const double a = random.next();
        const double b = random.next();
        random.reseed();
        QVERIFY(random.next() != a || random.next() != b);
        // Two generators started at the same tick agree (the clock is the only seed).
        SystemRandom x([] { return quint64(7); });
        SystemRandom y([] { return quint64(7); });
        QCOMPARE(x.next(), y.next());
    }

    void stringTable()
    {
        const StringTable en(StringTable::Language::English), zh(StringTable::Language::Chinese);
        for (const auto& [id, english] : QList<std::pair<int, QString>> { { 105, "Another new game?" },
                 { 109, "Time End ,Game Over!" }, { 110, "prompt" }, { 102, "&Ok" },
                 { 152, "Puzzle scoreboard" }, { 201, "Settings cannot be saved (%1)" } }) {
            QCOMPARE(en.text(id), english);
            const QString chinese = zh.text(id);
            QVERIFY(chinese != english);
            QVERIFY(
                std::any_of(chinese.cbegin(), chinese.cend(), [](QChar c) { return c.unicode() >= 0x4E00; }));
        }
    }

    void stringTableLanguageRule()
    {
        QCOMPARE(StringTable::languageFor(QLocale(QLocale::Chinese, QLocale::China)), StringTable::Language::Chinese);
        QCOMPARE(StringTable::languageFor(QLocale(QLocale::Chinese, QLocale::Taiwan)), StringTable::Language::Chinese);
        QCOMPARE(StringTable::languageFor(QLocale(QLocale::German)), StringTable::Language::English);
        QCOMPARE(StringTable(StringTable::Language::English).text(104), QString());
        int ids = 0;
        for (int id = 101; id <= 152; ++id)
            ids += StringTable().contains(id) ? 1 : 0;
        QCOMPARE(ids, 22);
    }

    void stoppedClockDoesNotTick()
    {
        GameClock clock;
        QCOMPARE(clock.text(), QStringLiteral("9 9 9 9")); // the label's text before any game
        clock.start(); // no game yet: nothing to resume
        QVERIFY(!clock.tick());
        clock.restart();
        clock.stop();
        QVERIFY(!clock.tick());
        clock.start();
        QVERIFY(clock.isRunning());
        clock.finish(); // a completed game
        clock.start();
        QVERIFY(!clock.tick());
        QCOMPARE(clock.text(), QStringLiteral("Time 0 0 0 0"));
        clock.restart();
        QVERIFY(clock.isRunning());
    }

    // The four-digit clock from a shown value, over some ticks; the time end is told once.
    void clockTicks()
    {
        const QList<std::tuple<int, int, QString, int>> rows { // shown, ticks, text, time ends
            { 0, 0, "Time 0 0 0 0", 0 }, { 0, 123, "Time 0 1 2 3", 0 }, { 124, 1, "Time 0 1 2 5", 0 },
            { 9998, 1, "Time 9 9 9 9", 1 }, { 9998, 3, "Time 9 9 9 9", 1 }
        }; // no resuming after the end
        for (const auto& [shown, ticks, text, timeEnds] : rows) {
            GameClock clock;
            clock.restart();
            for (int i = 0; i < shown; ++i)
                clock.tick();
            QCOMPARE(clock.value(), shown);
            int ends = 0;
            for (int i = 0; i < ticks; ++i) {
                if (clock.tick()) {
                    ++ends;
                    clock.start(); // a pause toggle after the time end
                }
            }
            QCOMPARE(clock.text(), text);
            QCOMPARE(ends, timeEnds);
            QCOMPARE(GameClock::textFor(clock.value()), text);
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpers)
#include "tst_helpers.moc"

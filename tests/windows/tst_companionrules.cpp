// tst_companionrules.cpp: preview width and placement arithmetic, windows kept on the screen,
// tool-button rules, help text.
#include "CompanionLayout.h"
#include "HelpText.h"
#include "ScreenFit.h"
#include "ToolPanel.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <QtTest>

using Language = StringTable::Language;

class TestCompanionRules : public QObject {
    Q_OBJECT

private slots:
    // The preview's width for its height at the picture's proportions, halves to even; no picture
    // keeps the width it has.
    void previewWidth()
    {
        QCOMPARE(CompanionLayout::previewWidth(QSize(640, 320), 1500, 2730), 3000);
        QCOMPARE(CompanionLayout::previewWidth(QSize(800, 600), 1860, 2730), 2480);
        QCOMPARE(CompanionLayout::previewWidth(QSize(300, 400), 1860, 2730), 1395);
        QCOMPARE(CompanionLayout::previewWidth(QSize(50, 50), 1234, 10), 1234);
        QCOMPARE(CompanionLayout::previewWidth(QSize(5, 2), 1, 9), 2);
        QCOMPARE(CompanionLayout::previewWidth(QSize(7, 2), 1, 9), 4);
        QCOMPARE(CompanionLayout::previewWidth(QSize(), 1860, 2730), 2730);
        QCOMPARE(CompanionLayout::previewWidth(QSize(100, 0), 1860, 2730), 2730);
    }

    // Game windows as the games size them (the sliding one at (5, 0), the jigsaw at the origin),
    // moved, and smaller than the companion (which then reaches past the game's left edge).
    void placements()
    {
        namespace L = CompanionLayout;
        const QRect sliding(5, 0, 18600, 11510), moved(1500, 900, 9000, 6000), tiny(0, 0, 1000, 1000);
        QCOMPARE(L::previewPosition(sliding, QSize(3720, 1860)), QPoint(14885, 9550));
        QCOMPARE(L::slidingToolPosition(sliding), QPoint(5, 1500));
        QCOMPARE(L::jigsawToolPosition(sliding, QSize(3720, 1860)), QPoint(14885, 0));
        QCOMPARE(L::previewPosition(moved, QSize(1500, 2000)), QPoint(9000, 4800));
        QCOMPARE(L::slidingToolPosition(moved), QPoint(1500, 2400));
        QCOMPARE(L::jigsawToolPosition(moved, QSize(1500, 2000)), QPoint(9000, 900));
        QCOMPARE(L::previewPosition(tiny, QSize(2730, 1860)), QPoint(-1730, -960));
        QCOMPARE(L::slidingToolPosition(tiny), QPoint(0, 1500));
        QCOMPARE(L::jigsawToolPosition(tiny, QSize(2730, 1860)), QPoint(-1730, 0));
    }

    // A frame is moved onto the area, and shrunk to it where it is larger.
    void fitInside()
    {
        const QRect area(0, 0, 1280, 1024);
        QCOMPARE(ScreenFit::fitInside(QRect(10, 20, 300, 200), area), QRect(10, 20, 300, 200));
        QCOMPARE(ScreenFit::fitInside(QRect(1079, 957, 165, 124), area), QRect(1079, 900, 165, 124));
        QCOMPARE(ScreenFit::fitInside(QRect(1181, 40, 104, 288), area), QRect(1176, 40, 104, 288));
        QCOMPARE(ScreenFit::fitInside(QRect(-30, -5, 100, 100), area), QRect(0, 0, 100, 100));
        QCOMPARE(ScreenFit::fitInside(QRect(2, 0, 1240, 1048), area), QRect(2, 0, 1240, 1024));
        QCOMPARE(ScreenFit::fitInside(QRect(-50, -50, 4000, 3000), area), area);
        QCOMPARE(ScreenFit::fitInside(QRect(0, 0, 200, 200), QRect(0, 30, 1280, 994)), QRect(0, 30, 200, 200)); // a panel
        QCOMPARE(ScreenFit::fitInside(QRect(-5, -5, 10, 10), QRect()), QRect(-5, -5, 10, 10)); // no area
    }

    // The client part of an outer frame; a frame larger than the window keeps a pixel.
    void innerOf()
    {
        QCOMPARE(ScreenFit::innerOf(QRect(2, 0, 1240, 1023), QMargins()), QRect(2, 0, 1240, 1023));
        QCOMPARE(ScreenFit::innerOf(QRect(2, 0, 1240, 1023), QMargins(1, 20, 1, 5)), QRect(3, 20, 1238, 998));
        QCOMPARE(ScreenFit::innerOf(QRect(0, 0, 10, 10), QMargins(8, 8, 8, 8)), QRect(8, 8, 1, 1));
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

    // Pointer moves: button numbers, -1 for the window background; the button left red.
    void hoverColours()
    {
        const QList<std::tuple<QList<int>, bool, int>> rows { // moves, operations enabled, red
            { { 0 }, true, 0 }, { { 1, 2 }, true, 2 }, { { 6, -1 }, true, -1 }, { { 8, -1 }, true, -1 },
            { { 9, -1 }, true, 9 }, // Exit stays red over the background
            { { 9, -1, 8 }, true, 8 }, { { 5 }, false, -1 }, // a disabled button counts as background
            { { 9, 2 }, false, 9 }, { { 9, 8 }, false, 8 }
        };
        for (const auto& [moves, operations, red] : rows) {
            ToolPanel panel;
            panel.setOperationsEnabled(!operations);
            panel.setOperationsEnabled(operations);
            // Only About and Exit stay enabled with the menu disabled.
            for (int i = 0; i < ToolPanel::kCount; ++i)
                QCOMPARE(panel.isEnabled(i), i >= 8 || operations);
            QCOMPARE(panel.isEnabled(-1), false);
            QCOMPARE(panel.isEnabled(10), false);
            for (int move : moves) {
                if (move < 0)
                    panel.pointerOverBackground();
                else
                    panel.pointerOverButton(move);
            }
            for (int i = 0; i < ToolPanel::kCount; ++i)
                QCOMPARE(panel.textColour(i), i == red ? 255 : 0);
        }
    }

    void captions()
    {
        ToolPanel panel;
        const QStringList expected { "Restart", "Pause", "Preview", "Close Sound", "Backcolor", "Open Pic.",
            "Option", "ScoreBoard", "About", "Exit" };
        for (int i = 0; i < ToolPanel::kCount; ++i)
            QCOMPARE(panel.caption(i), expected.at(i));
        panel.setSoundCaption(QStringLiteral("Open Sound"));
        QCOMPARE(panel.caption(3), QStringLiteral("Open Sound"));
        panel.setSoundCaption(QString());
        QCOMPARE(panel.caption(3), QStringLiteral("Open Sound"));
        QCOMPARE(panel.caption(10), QString());
    }

    // The guide in each language: the English one plain English, the Chinese one mostly Chinese; the
    // Chinese names of the games are the string table's menu captions of the two games.
    void helpSections()
    {
        for (const Language lang : { Language::English, Language::Chinese }) {
            const bool english = lang == Language::English;
            const QString logicName = english ? QStringLiteral("logic puzzle") : StringTable::text(132, lang);
            const QString jigsawName = english ? QStringLiteral("jigsaw") : StringTable::text(133, lang);
            const QList<HelpText::Section> sections = HelpText::sections(lang);
            QCOMPARE(sections.size(), 5);

            // Introduction names both puzzles.
            QVERIFY(sections[0].body.contains(logicName, Qt::CaseInsensitive));
            QVERIFY(sections[0].body.contains(jigsawName, Qt::CaseInsensitive));
            // Choosing the game: the start-window shortcuts.
            QVERIFY(sections[1].body.contains(QStringLiteral("Ctrl+J")));
            QVERIFY(sections[1].body.contains(QStringLiteral("Ctrl+L")));
            // Both game sections name every function key the game windows bind.
            for (int game : { 2, 3 }) {
                for (const char* key : { "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F12" }) {
                    const QRegularExpression word(QStringLiteral("\\b%1\\b").arg(QLatin1String(key)));
                    QVERIFY2(sections[game].body.contains(word), key);
                }
            }
            // Support: the preferences file and the honest consequence of deleting it; no invented contact.
            QVERIFY(sections[4].body.contains(QStringLiteral("fav.dll")));
            QVERIFY(sections[4].body.contains(QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,")));
            QVERIFY(sections[4].body.contains(QStringLiteral("G1,BE0132768,D0,R0,M0,S1,P0,")));
            for (const HelpText::Section& section : sections)
                QVERIFY(!section.body.contains(QRegularExpression(
                    QStringLiteral("@|http|www\\."), QRegularExpression::CaseInsensitiveOption)));

            // The guide holds the sections in order, each title before its body.
            const QString guide = HelpText::guide(lang);
            const qsizetype han = guide.count(QRegularExpression(QStringLiteral("\\p{Han}")));
            QVERIFY(english ? han == 0 : han > 500);
            qsizetype at = 0;
            for (const HelpText::Section& section : sections) {
                const qsizetype title = guide.indexOf(section.title + u'\n', at);
                QVERIFY2(title >= at, qPrintable(section.title));
                const qsizetype body = guide.indexOf(section.body, title);
                QVERIFY2(body > title, qPrintable(section.title));
                at = body + section.body.size();
            }
        }
    }
};

QTEST_MAIN(TestCompanionRules)
#include "tst_companionrules.moc"

// tst_logicgame.cpp: the sliding puzzle's window driven like a player: moves, pause, time end,
// swap mode, completion, preferences, commands and unload.
#include "BuiltInPictures.h"
#include "FavFields.h"
#include "Frm_LogicGame.h"
#include "GameCompanions.h"
#include "GameMenu.h"
#include "LabelContrast.h"
#include "LogicNewGameDialog.h"
#include "OptionsModel.h"
#include "PlayAreaLayout.h"
#include "RecordingMciDevices.h"
#include "ScoreboardWindow.h"
#include "SlidingTile.h"
#include "TestSupport.h"
#include "TilePainting.h"
#include "TileSlide.h"
#include "ToolWindow.h"
#include "Twips.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVariantAnimation>
#include <QtTest>

namespace {

const QByteArray SlidingLine = "G0,BF0132768,D1,M1,L0,K1,S0,\r\n";
const QByteArray JigsawLine = "G1,BE0132768,D0,R0,M0,S1,P0,\r\n";

QList<QImage> smallPictures()
{
    QList<QImage> pictures;
    for (int i = 0; i < 10; ++i) {
        QImage image(160, 120, QImage::Format_RGB32);
        image.fill(qRgb(20 * i, 100, 200 - 10 * i));
        pictures.append(image);
    }
    return pictures;
}

// The random values of one new game: picture 0, D drawn as 1 (grid 4), blank 1.
const QList<double> KnownGame = { 0.0, 0.15, 0.02 };

// The scrambled 4 × 4 board with blank 1.
const QList<QList<int>> KnownRows = { { 10, 3, 14, 2 }, { 1, 15, 7, 12 }, { 9, 4, 13, 8 }, { 6, 11, 5, 16 } };

} // namespace

class TestLogicGame : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Twips::overridePerPixel(15); }

    void init()
    {
        m_scripted = std::make_unique<TestSupport::ScriptedContext>();
        m_mci = std::make_unique<RecordingMciDevices>();
        m_scripted->context.mci = m_mci.get();
        m_pictures = std::make_unique<BuiltInPictures>(smallPictures());
        writeRecord(SlidingLine);
        m_window = std::make_unique<Frm_LogicGame>(m_scripted->context, *m_pictures);
        startKnownGame();
    }

    void cleanup()
    {
        m_window.reset();
        m_mci.reset();
        m_pictures.reset();
        m_scripted.reset();
    }

    void knownBoardIsLaidOutAndMoves()
    {
        QCOMPARE(m_window->game().board().rows(), KnownRows);
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 4; ++column)
                QCOMPARE(tilePosition(KnownRows[row][column]), cellPosition({ row, column }));
        QCOMPARE(m_window->timeLabel()->text(), QStringLiteral("Time 0 0 0 0"));
        QCOMPARE(stepText(), QStringLiteral("Step 0"));
        QVERIFY(m_window->timer().isActive());
        QCOMPARE(m_window->timer().interval(), 1000);
        QVERIFY(m_window->wholePicture()->isHidden());
        // The blank shows its face colour only; every other tile its part of the picture.
        QVERIFY(!m_window->tile(1)->hasPicture() && !m_window->tile(1)->showsBorder());
        QVERIFY(m_window->tile(2)->hasPicture() && m_window->tile(2)->showsBorder());

        // A click and an arrow key move the tiles the game moved; another key code moves nothing.
        const QPoint blank = tilePosition(1);
        const QPoint ten = tilePosition(10);
        m_window->Form_KeyDown(124);
        QCOMPARE(m_window->game().board().rows(), KnownRows);
        m_window->Pic_show_Click(10); // above the blank
        QCOMPARE(tilePosition(10), blank);
        QCOMPARE(tilePosition(1), ten);
        QCOMPARE(stepText(), QStringLiteral("Step 1"));
        m_window->Form_KeyDown(38); // up: the tile below the blank, 10 again
        QCOMPARE(tilePosition(10), ten);
        QCOMPARE(tilePosition(1), blank);
        QCOMPARE(stepText(), QStringLiteral("Step 2"));
    }

    // The refusals themselves are the game's rules; here the banners, the clock and the message.
    void pauseAndTimeEndShowBanners()
    {
        command(1);
        QVERIFY(!m_window->pauseLabel()->isHidden());
        QCOMPARE(m_window->pauseLabel()->text(), QStringLiteral("P A U S E !"));
        QVERIFY(!m_window->timer().isActive());
        command(1);
        QVERIFY(m_window->pauseLabel()->isHidden());
        QVERIFY(m_window->timer().isActive());
        for (int i = 0; i < 9999; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(m_window->timeLabel()->text(), QStringLiteral("Time 9 9 9 9"));
        QVERIFY(!m_window->timeEndLabel()->isHidden());
        QCOMPARE(m_window->timeEndLabel()->text(), QStringLiteral("T I M E   E N D !"));
        QVERIFY(!m_window->timer().isActive());
        QCOMPARE(m_scripted->messages.shown.size(), 1);
        QCOMPARE(m_scripted->messages.shown[0].text, QStringLiteral("Time End ,Game Over!"));
        QCOMPARE(m_scripted->messages.shown[0].title, QStringLiteral("prompt"));
        QCOMPARE(m_scripted->messages.shown[0].icon, MessageIcon::Critical);
    }

    void swapPickAndDrop()
    {
        const QPoint three = tilePosition(3);
        const QPoint five = tilePosition(5);
        QVERIFY(!m_window->swapLabel()->isHidden()); // swap mode is on in this record
        m_window->Pic_show_MouseUp(3, Qt::LeftButton);
        QVERIFY(!m_window->game().SwapPending());
        m_window->Pic_show_MouseUp(3, Qt::RightButton);
        QVERIFY(m_window->tile(3)->isMarked());
        QTest::keyClick(m_window.get(), Qt::Key_Escape);
        QVERIFY(!m_window->tile(3)->isMarked() && !m_window->game().SwapPending());
        m_window->Pic_show_MouseUp(3, Qt::RightButton);
        m_window->Pic_show_MouseUp(5, Qt::RightButton);
        QVERIFY(!m_window->tile(3)->isMarked());
        QCOMPARE(tilePosition(3), five);
        QCOMPARE(tilePosition(5), three);
        QCOMPARE(stepText(), QStringLiteral("Step 1"));
    }

    void completionShowsScore()
    {
        writeRecord("G0,BF0132768,D1,M1,L0,K1,S1,\r\n");
        command(6);
        // The start-up jingle plays on through the first game.
        const QStringList jingle = m_mci->openAliases().values();
        QCOMPARE(jingle.size(), 1);
        // Swap every tile home, pad with swaps of a tile with itself to 57 steps.
        for (int k = 1; k <= 16; ++k) {
            const int other = m_window->game().board().tileAt(m_window->game().board().homeCell(k));
            m_window->Pic_show_MouseUp(k, Qt::RightButton);
            m_window->Pic_show_MouseUp(other, Qt::RightButton);
        }
        QVERIFY(m_window->game().StepCount() < 57);
        while (m_window->game().StepCount() < 57) {
            m_window->Pic_show_MouseUp(2, Qt::RightButton);
            m_window->Pic_show_MouseUp(2, Qt::RightButton);
        }
        for (int i = 0; i < 63; ++i)
            m_window->Timer1_Timer();
        m_window->Pic_show_Click(1); // swaps make no solved test, the next accepted click does

        QCOMPARE(m_scripted->messages.shown.size(), 2);
        QCOMPARE(m_scripted->messages.shown[1].text,
            QStringLiteral("Your best result for this picture and size!"));
        const QByteArray record = m_scripted->folder.read(QStringLiteral("records.txt")).split('\n').value(1);
        QVERIFY2(record.contains(" L done b0 g4 r0 s1 63 57 17799"), record.constData());
        QCOMPARE(m_scripted->messages.shown[0].text,
            QStringLiteral("Well done! Spend 57 steps under 63 sec., Score 17799"));
        QCOMPARE(m_scripted->messages.shown[0].title, QStringLiteral("Congratulate"));
        QCOMPARE(m_scripted->messages.shown[0].icon, MessageIcon::Information);
        const QStringList sent = m_mci->commands().mid(m_mci->commands().size() - 3);
        QVERIFY(
            sent[0].startsWith(QStringLiteral("Open ")) && sent[0].contains(QStringLiteral("success0.wav")));
        QVERIFY(sent[1].startsWith(QStringLiteral("Play ")));
        QCOMPARE(sent[2], QStringLiteral("Close ") + jingle[0]);
        // Solved once more by a hidden tile moved away and back: the same game, not recorded again.
        for (int key = 37; key <= 40 && m_window->game().StepCount() == 57; ++key) {
            m_window->Form_KeyDown(key);
            m_window->Form_KeyDown(key < 39 ? key + 2 : key - 2);
        }
        QCOMPARE(m_scripted->messages.shown.size(), 3);
        QCOMPARE(m_scripted->folder.read(QStringLiteral("records.txt")).count('\n'), 2);
        QVERIFY(!m_window->timer().isActive());
        QVERIFY(m_window->wholePicture()->isVisibleTo(m_window.get()));
        for (int k = 1; k <= 16; ++k)
            QVERIFY(m_window->tile(k)->isHidden());

        // Idle: a new game starts without asking, on another picture (0 drawn again, then one of nine).
        m_scripted->random.setValues({ 0.0, 0.5, 0.15, 0.02 });
        command(0);
        QCOMPARE(m_scripted->messages.shown.size(), 3);
        QCOMPARE(m_window->game().board().rows(), KnownRows);
        QCOMPARE(m_window->previewPicture(), m_pictures->picture(5));

        // The ScoreBoard button opens the scoreboard at the game's row.
        command(7);
        auto* scoreboard = m_window->findChild<ScoreboardWindow*>();
        QVERIFY(scoreboard && scoreboard->isVisible());
        QCOMPARE(scoreboard->bestView(RecordGame::Logic)->currentIndex().row(), 0);
    }

    // Re-reading the preferences (command 6) redraws numbers, borders and colours and moves nothing.
    void optionReappliesWithoutMoving()
    {
        m_window->Pic_show_Click(10);
        QList<QPoint> before;
        for (int k = 1; k <= 16; ++k)
            before.append(tilePosition(k));
        QCOMPARE(m_window->tile(2)->borderColour(), TilePainting::borderColour(32768));
        for (const bool numbers : { true, false }) {
            writeRecord(numbers ? "G0,BF01255,D1,M1,L1,K0,S0,\r\n" : "G0,BF01255,D1,M1,L0,K1,S0,\r\n");
            command(6);
            for (int k = 1; k <= 16; ++k) {
                QCOMPARE(tilePosition(k), before[k - 1]);
                QCOMPARE(m_window->tile(k)->showsNumber(), numbers);
                QVERIFY(numbers ? !m_window->tile(k)->showsBorder()
                                : m_window->tile(k)->borderColour() == TilePainting::borderColour(255));
            }
        }
        QCOMPARE(stepText(), QStringLiteral("Step 1"));
        QCOMPARE(m_window->timeLabel()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        for (QLabel* label : { m_window->timeLabel(), m_window->stepLabel() })
            QVERIFY(LabelContrast::ratio(label->palette().color(QPalette::WindowText),
                        label->palette().color(QPalette::Window))
                >= LabelContrast::Readable);
    }

    void numberTexts()
    {
        const QList<std::pair<int, QString>> cases { { 1, "01" }, { 9, "09" }, { 10, "10" }, { 99, "99" },
            { 100, "10" } };
        for (const auto& [tile, text] : cases)
            QCOMPARE(TilePainting::numberText(tile), text);
    }

    void newGameAnsweredNoLeavesGame()
    {
        m_window->Pic_show_Click(10);
        m_window->Timer1_Timer();
        const auto rows = m_window->game().board().rows();
        m_scripted->messages.answers = { false, false };
        m_scripted->random.setValues({ 0.9, 0.9, 0.9 });
        command(0);
        command(5);
        QCOMPARE(m_scripted->messages.shown.size(), 2);
        QCOMPARE(m_scripted->messages.shown[0].text, QStringLiteral("Another new game?"));
        QCOMPARE(m_scripted->messages.shown[0].title, QStringLiteral("Question"));
        QVERIFY(m_scripted->messages.shown[0].question);
        QCOMPARE(m_window->game().board().rows(), rows);
        QCOMPARE(stepText(), QStringLiteral("Step 1"));
        QCOMPARE(m_window->timeLabel()->text(), QStringLiteral("Time 0 0 0 1"));
        QVERIFY(m_window->timer().isActive());
        QCOMPARE(m_window->previewPicture(), m_pictures->picture(0));
    }

    // Ctrl+N's dialog: picture 5 on a 3 × 3 board; Play asks first; F2 and the data folder keep it.
    void newGameDialogChoosesTheNextGames()
    {
        m_window->Pic_show_Click(10);
        m_window->setNewGameChooser(
            [this](const GameChoices::Logic& current) -> std::optional<GameChoices::Logic> {
                LogicNewGameDialog dialog(*m_pictures, nullptr, current, m_window.get());
                dialog.show();
                QListWidget* list = dialog.pictureList();
                QTest::mouseClick(
                    list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(5)).center());
                QTest::keyClicks(dialog.sizeBox(), QStringLiteral("3"));
                QTest::mouseClick(dialog.playButton(), Qt::LeftButton);
                return dialog.result() == QDialog::Accepted ? std::optional(dialog.choice()) : std::nullopt;
            });
        m_scripted->messages.answers = { true };
        m_window->menu().action(GameCommand::NewGame)->trigger();
        QCOMPARE(m_scripted->messages.shown.size(), 1);
        QCOMPARE(m_window->game().board().gridSize(), 3);
        QCOMPARE(m_window->previewPicture(), m_pictures->picture(4));
        command(0);
        QCOMPARE(m_window->game().board().gridSize(), 3);
        QCOMPARE(m_window->previewPicture(), m_pictures->picture(4));
        const GameChoices::Choices kept
            = GameChoices::read(m_scripted->folder.filePath(QStringLiteral("choices.json")));
        QCOMPARE(kept.logic, (GameChoices::Logic { { GameChoices::Picture::Kind::BuiltIn, 4, {} }, 3 }));
    }

    void unknownCommandsDoNothing()
    {
        const QString record = m_window->prefRecord();
        const QByteArray file = fav();
        const int drawn = m_scripted->random.drawn();
        for (int index : { 7, 10, -1 }) {
            command(index);
            QVERIFY2(m_window->game().board().rows() == KnownRows && m_window->prefRecord() == record
                    && m_scripted->random.drawn() == drawn && fav() == file
                    && m_scripted->messages.shown.isEmpty() && m_window->timer().isActive()
                    && m_window->pauseLabel()->isHidden(),
                qPrintable(QString::number(index)));
            QVERIFY(!m_window->companions().toolWindow() && !m_window->companions().previewWindow()
                && !m_window->companions().helpWindow());
        }
    }

    // The back colour chooser, cancelled, changes nothing; a colour chosen is stored and drawn, like
    // the sound switch; Ctrl+, options are written and applied. A read-only file (its session rule is
    // tst_fav's) is named in the title; only the options say so.
    void settingsCommands_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("saved") << false;
        QTest::newRow("read-only file") << true;
    }
    void settingsCommands()
    {
        QFETCH(bool, readOnly);
        const QString path = m_scripted->folder.filePath(QStringLiteral("fav.dll"));
        if (readOnly)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QString offered;
        QString answer = QStringLiteral("CANCEL");
        m_window->setBackColourChooser([&](const QString& body) {
            offered = body;
            return answer;
        });
        const QByteArray file = fav();
        const QString record = m_window->prefRecord();
        const QColor colour = m_window->timeLabel()->palette().color(QPalette::WindowText);
        command(4);
        QCOMPARE(offered, QStringLiteral("F0132768"));
        QCOMPARE(fav(), file);
        QCOMPARE(m_window->prefRecord(), record);
        QCOMPARE(m_window->timeLabel()->palette().color(QPalette::WindowText), colour);

        answer = QStringLiteral("C0365280");
        command(3);
        command(4);
        command(6);
        const QByteArray written = QByteArray("G0,BC0365280,D1,M1,L0,K1,S1,\r\n") + JigsawLine;
        QCOMPARE(fav(), readOnly ? file : written);
        QCOMPARE(FavFields::backColour(m_window->prefRecord()), 65280);
        QCOMPARE(m_window->menu().action(GameCommand::Sound)->text(), QStringLiteral("Close Sound"));
        QCOMPARE(m_window->tile(2)->borderColour(), TilePainting::borderColour(65280));
        QCOMPARE(m_window->windowTitle().contains(QDir::toNativeSeparators(path)), readOnly);
        QVERIFY(m_scripted->messages.shown.isEmpty());
        QCOMPARE(m_window->game().board().rows(), KnownRows);

        m_window->setOptionsChooser([](OptionsModel& model) {
            model.setValue(u'M', 0);
            model.setValue(u'L', 1);
            model.setAnimations(false);
            return true;
        });
        m_window->show(); // a shortcut runs in the active window only
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        const qsizetype shown = m_scripted->messages.shown.size();
        QTest::keyClick(m_window.get(), Qt::Key_Comma, Qt::ControlModifier);
        QCOMPARE(fav(), readOnly ? file : QByteArray(written).replace("M1,L0", "M0,L1"));
        QVERIFY(m_window->tile(2)->showsNumber());
        QVERIFY(m_window->swapLabel()->isHidden());
        QVERIFY(!m_window->animations()); // kept in the data folder, not in fav.dll
        QCOMPARE(m_scripted->messages.shown.size(), shown + (readOnly ? 1 : 0));
    }

    // Exit closes the window; closing deletes the running game's temporary pictures, not the settings.
    void exitClosesWindowAndDeletesTempFiles()
    {
        m_scripted->folder.write(QStringLiteral("temp001"), "x");
        m_scripted->folder.write(QStringLiteral("temp.bmp"), "y");
        auto* window = new Frm_LogicGame(m_scripted->context, *m_pictures);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
        QPointer<Frm_LogicGame> watch(window);
        int exit = 9;
        window->PMenu(exit);
        QVERIFY(watch && !window->isVisible());
        QTRY_VERIFY(!watch);
        QVERIFY(!m_scripted->folder.exists(QStringLiteral("temp001")));
        QVERIFY(!m_scripted->folder.exists(QStringLiteral("temp.bmp")));
        QVERIFY(m_scripted->folder.exists(QStringLiteral("fav.dll")));
    }

    void firstActivation_data()
    {
        QTest::addColumn<QString>("save"); // what the window before left
        QTest::newRow("no save: a new game") << "none";
        QTest::newRow("save resumed") << "played";
        QTest::newRow("damaged save: set aside, a new game") << "damaged";
    }
    // The first activation resumes a closed window's save, or starts anew (a damaged save set aside).
    void firstActivation()
    {
        QFETCH(QString, save);
        QList<QList<int>> expected = KnownRows;
        if (save != u"none") {
            m_window->Pic_show_Click(10);
            if (save == u"played")
                expected = m_window->game().board().rows();
            m_window->close();
            QVERIFY(m_scripted->folder.exists(QStringLiteral("logic.save")));
            if (save == u"damaged")
                m_scripted->folder.write(
                    QStringLiteral("logic.save"), m_scripted->folder.read("logic.save").chopped(9));
        }
        const bool damaged = save == u"damaged";
        Frm_LogicGame window(m_scripted->context, *m_pictures);
        QVERIFY(window.game().IsIdle());
        QCOMPARE(window.windowTitle(), QStringLiteral("Quarry Logic Puzzle Freeuse"));
        m_scripted->random.setValues(KnownGame);
        window.show();
        window.activateWindow();
        QTRY_VERIFY(!window.game().IsIdle());
        QCOMPARE(window.game().board().rows(), expected);
        QCOMPARE(window.game().StepCount(), save == u"played" ? 1 : 0);
        QVERIFY(window.companions().toolWindow() && window.companions().previewWindow());
        QCOMPARE(m_scripted->messages.shown.size(), damaged ? 1 : 0);
        QCOMPARE(m_scripted->folder.exists(QStringLiteral("logic.save.bad")), damaged);
        // A new game drops the save.
        QCOMPARE(m_scripted->folder.exists(QStringLiteral("logic.save")), save == u"played");
    }

    void soundSwitchAndMoveSound()
    {
        auto* sound = m_window->menu().action(GameCommand::Sound);
        QCOMPARE(sound->text(), QStringLiteral("Open Sound"));
        m_scripted->random.setValues({ 0.0 });

        m_window->Pic_show_Click(10);
        QCOMPARE(m_scripted->random.drawn(), 0);

        command(3);
        QCOMPARE(sound->text(), QStringLiteral("Close Sound")); // and written: settingsCommands
        // Sound on: every accepted click, also one that moves nothing, draws one of ten move sounds.
        m_window->Pic_show_Click(10);
        m_window->Pic_show_Click(7);
        QCOMPARE(m_scripted->random.drawn(), 2);
        QCOMPARE(stepText(), QStringLiteral("Step 2"));

        m_window->Form_KeyDown(117); // F6
        QCOMPARE(sound->text(), QStringLiteral("Open Sound"));

        // Every re-apply of the preferences shows the S it read in the menu and on tool button 3.
        m_window->companions().showToolbar();
        auto* tool = qobject_cast<ToolWindow*>(m_window->companions().toolWindow());
        writeRecord("G0,BF0132768,D1,M1,L0,K1,S1,\r\n");
        command(6);
        QCOMPARE(sound->text(), QStringLiteral("Close Sound"));
        QCOMPARE(tool->LblMenu(3)->text(), QStringLiteral("Close Sound"));
        writeRecord(SlidingLine);
        m_scripted->messages.answers = { true };
        m_scripted->random.setValues(KnownGame);
        command(0);
        QCOMPARE(sound->text(), QStringLiteral("Open Sound"));
        QCOMPARE(tool->LblMenu(3)->text(), QStringLiteral("Open Sound"));
    }

    // The play area is the shown window's inner size, the board laid out in it, again after a resize.
    void playAreaFitsTheRealWindow()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QWidget* surface = m_window->tile(2)->parentWidget();
        QCOMPARE(surface, m_window->centralWidget());
        for (const QSize resized :
            { QSize(), QSize(220, 190), QSize(1100, 900) }) { // as shown, smaller, larger
            if (resized.isValid()) {
                const QSize before = surface->size();
                m_window->resize(resized);
                QTRY_VERIFY(surface->size() != before);
            }
            QCOMPARE(m_window->playArea(),
                PlayAreaLayout::PlayArea(surface->width() * 15, surface->height() * 15));
            const SlidingBoard& board = m_window->game().board();
            for (int k = 1; k <= board.tileCount(); ++k) {
                QCOMPARE(tilePosition(k), cellPosition(board.cellOf(k)));
                QVERIFY(surface->rect().contains(m_window->tile(k)->geometry()));
            }
            QCOMPARE(m_window->tile(2)->appearance().size(), m_window->tile(2)->size()); // cut again
        }
    }

    // A move slides a tile the game has already moved; the next move puts it at its cell at once.
    void movesSlideWithoutQueueing()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        startKnownGame(); // again: the first activation started a game of its own
        QVariantAnimation* clock = m_window->slideAnimation();
        const QPoint blank = cellPosition({ 1, 0 });
        const QPoint corner = cellPosition({ 0, 0 });
        m_window->Pic_show_Click(10); // above the blank
        QCOMPARE(m_window->game().board().cellOf(10), (Cell { 1, 0 }));
        QCOMPARE(tilePosition(1), corner); // the hole goes at once
        QCOMPARE(tilePosition(10), corner);
        clock->setCurrentTime(TileSlide::DurationMs / 2);
        QVERIFY(tilePosition(10).y() > corner.y() && tilePosition(10).y() < blank.y());
        m_window->Pic_show_Click(3); // right of the new blank
        QCOMPARE(tilePosition(10), blank);
        QCOMPARE(tilePosition(3), cellPosition({ 0, 1 }));
        clock->setCurrentTime(TileSlide::DurationMs);
        QCOMPARE(tilePosition(3), corner);
        QVERIFY(!m_window->slide().running());
    }

    void rightClickMenuOnBackgroundOnly()
    {
        m_window->show();
        QMenu* popup = m_window->menu().operationsMenu();
        QTest::mouseClick(m_window->tile(3), Qt::RightButton);
        QVERIFY(!popup->isVisible());
        QVERIFY(m_window->game().SwapPending());
        QTest::mouseClick(m_window->centralWidget(), Qt::RightButton, {}, QPoint(2, 2));
        QTRY_VERIFY(popup->isVisible());
        popup->hide();
    }

    // Keys reach the game from a focused tile: one move up into the blank, then Ctrl+H, Ctrl+Z, Ctrl+Y.
    void commandKeysReachTheGame_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("hints");
        QTest::addColumn<bool>("moved"); // the board differs from the one before the move
        QTest::newRow("Ctrl+H: a hint, counted") << QList<int> { Qt::Key_H } << 1 << 1 << true;
        QTest::newRow("Ctrl+Z: the move taken back") << QList<int> { Qt::Key_Z } << 2 << 0 << false;
        QTest::newRow("Ctrl+Y: and played again") << QList<int> { Qt::Key_Z, Qt::Key_Y } << 3 << 0 << true;
    }
    void commandKeysReachTheGame()
    {
        QFETCH(QList<int>, keys);
        QFETCH(int, steps);
        QFETCH(int, hints);
        QFETCH(bool, moved);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get())); // its first activation starts a game
        const QList<QList<int>> before = m_window->game().board().rows();
        SlidingTile* focused = m_window->tile(3);
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Up);
        for (int key : keys)
            QTest::keyClick(focused, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(m_window->stepLabel()->text(), QStringLiteral("Step %1").arg(steps));
        QCOMPARE(m_window->game().HintCount(), hints);
        QCOMPARE(m_window->game().board().rows() != before, moved);
        if (hints > 0) // the hint's worker answers on the board (and must be done before the window goes)
            QTRY_VERIFY_WITH_TIMEOUT(
                m_window->findChild<QLabel*>(QStringLiteral("LblHint"))->isVisible(), 120000);
    }

private:
    void startKnownGame()
    {
        m_scripted->random.setValues(KnownGame);
        m_window->NewPictureGame();
        m_scripted->random.setValues({ 0.0 });
    }

    QPoint cellPosition(Cell cell) const
    {
        const QRectF picture = PlayAreaLayout::FitPicture(QSizeF(160 * 15, 120 * 15), m_window->playArea());
        return TilePainting::toPixels(
            PlayAreaLayout::cellRect(picture, m_window->game().board().gridSize(), cell))
            .topLeft();
    }
    QPoint tilePosition(int tile) const { return m_window->tile(tile)->pos(); }

    void writeRecord(const QByteArray& slidingLine)
    {
        m_scripted->folder.write(QStringLiteral("fav.dll"), slidingLine + JigsawLine);
    }
    void command(int index) { m_window->PMenu(index); }
    QString stepText() const { return m_window->stepLabel()->text(); }
    QByteArray fav() const { return m_scripted->folder.read(QStringLiteral("fav.dll")); }

    std::unique_ptr<TestSupport::ScriptedContext> m_scripted;
    std::unique_ptr<RecordingMciDevices> m_mci;
    std::unique_ptr<BuiltInPictures> m_pictures;
    std::unique_ptr<Frm_LogicGame> m_window;
};

QTEST_MAIN(TestLogicGame)
#include "tst_logicgame.moc"

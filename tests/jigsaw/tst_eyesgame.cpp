// tst_eyesgame.cpp: the jigsaw window played with the mouse: drags, drops, joins, turns, the
// clamp, completion, pause and time end, the shape board and the commands; the player's own
// pictures opened by the chooser, a drop and the command line's first picture.
#include "BuiltInPictures.h"
#include "ColourValue.h"
#include "FavFields.h"
#include "Frm_EyesGame.h"
#include "GameCompanions.h"
#include "JigsawBackground.h"
#include "JigsawNewGameDialog.h"
#include "JoinGlow.h"
#include "OptionsModel.h"
#include "PictureChooser.h"
#include "PieceWindow.h"
#include "RecordingEffectPlayer.h"
#include "RecordingMciDevices.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QFileInfo>
#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QMenu>
#include <QMimeData>
#include <QVariantAnimation>
#include <QtTest>

#include <memory>

namespace {
constexpr QPoint Grab(5, 5);

QList<QImage> testPictures()
{
    QList<QImage> pictures;
    for (int i = 0; i < 10; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb((x + 25 * i) % 256, y % 256, (x * y + i) % 256));
        pictures << image;
    }
    return pictures;
}

struct JigsawWindow {
    // record is the jigsaw line; random the values the draws take in turn (M and D are redrawn too).
    explicit JigsawWindow(const QByteArray& record, QList<double> random = { 0.0 })
        : pictures(testPictures())
    {
        scripted.folder.write(
            QStringLiteral("fav.dll"), "G0,BF0132768,D1,M1,L0,K1,S1,\r\n" + record + "\r\n");
        scripted.random.setValues(random);
        scripted.context.mci = &mci;
        scripted.context.effects = &effects;
        mci.setJournal(&sounds);
        effects.setJournal(&sounds);
        window = std::make_unique<Frm_EyesGame>(scripted.context, pictures);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->Form_Activate();
    }

    PieceWindow* piece(int k) const { return window->pieceWindow(k); }
    QPointF pos(int k) const { return window->play().window(k).pos; }
    // Where unit k's window must stand, in pixels, for the model's place.
    QPoint shown(int k) const { return { Twips::toPixelsInt(pos(k).x()), Twips::toPixelsInt(pos(k).y()) }; }
    QPointF home(int k) const
    {
        const PieceRecord& r = window->table().piece(k);
        return { Twips::fromPixels(r.homeLeft), Twips::fromPixels(r.homeTop) };
    }
    // Drags unit k with the left button so that its window lands at target (twips).
    void dropAt(int k, QPointF target) const
    {
        const QPointF delta = (target - pos(k)) / Twips::perPixel();
        const QPoint step(qRound(delta.x()), qRound(delta.y()));
        PieceWindow* w = piece(k);
        QTest::mousePress(w, Qt::LeftButton, {}, Grab);
        const QPoint before = w->pos();
        QTest::mouseMove(w, Grab + step / 2);
        // The window has followed the first half; the release is relative to where it is now.
        QTest::mouseRelease(w, Qt::LeftButton, {}, Grab + step - (w->pos() - before));
    }
    // Where unit k lies when it stands at its home offset relative to unit ref, shifted by pixels.
    QPointF besideOf(int ref, int k, QPointF shiftPixels = {}) const
    {
        return pos(ref) - home(ref) + home(k) + shiftPixels * Twips::perPixel();
    }

    TestSupport::ScriptedContext scripted;
    BuiltInPictures pictures;
    RecordingMciDevices mci;
    RecordingEffectPlayer effects;
    QStringList sounds; // media commands and effects, in order
    std::unique_ptr<Frm_EyesGame> window;
};
} // namespace

class TestEyesGame : public QObject {
    Q_OBJECT

private slots:
    void init() { Twips::overridePerPixel(15); }

    // Closing keeps the game; the next window's first activation shows every unit where it was left.
    void closedGameIsResumed()
    {
        JigsawWindow game("G1,BE0132768,D0,R1,M0,S0,P0,");
        game.dropAt(1, QPointF(3000, 3000));
        const QPointF left = game.pos(1);
        const QPoint shown = game.piece(1)->pos();
        game.window->close();
        QVERIFY(game.scripted.folder.exists(QStringLiteral("jigsaw.save")));
        game.window = std::make_unique<Frm_EyesGame>(game.scripted.context, game.pictures);
        game.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(game.window.get()));
        game.window->Form_Activate();
        QVERIFY(game.window->play().pieceCount() > 1);
        QCOMPARE(game.pos(1), left);
        QCOMPARE(game.piece(1)->pos(), shown);
        QVERIFY(game.piece(1)->isVisible());
    }
    void cleanup() { Twips::overridePerPixel(0); }

    // Ctrl+N's dialog: picture 3, 36 pieces, pattern 01; Play asks first, F2 keeps the choice.
    void newGameDialogChoosesTheNextGames()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P0,");
        bool cellsOffered = true;
        game.window->setNewGameChooser([&](const GameChoices::Jigsaw& current) -> std::optional<GameChoices::Jigsaw> {
            JigsawNewGameDialog dialog(game.pictures, nullptr, current, game.window.get());
            dialog.show();
            QListWidget* list = dialog.pictureList();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(3)).center());
            const std::pair<QComboBox*, int> picks[] { { dialog.familyBox(), 1 }, { dialog.piecesBox(), 2 },
                { dialog.patternBox(), 1 } };
            for (const auto& [box, index] : picks) {
                QTest::keyClick(box, Qt::Key_Home);
                for (int k = 0; k < index; ++k)
                    QTest::keyClick(box, Qt::Key_Down);
            }
            cellsOffered = dialog.cellsBox()->isEnabled();
            QTest::mouseClick(dialog.playButton(), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted ? std::optional(dialog.choice()) : std::nullopt;
        });
        game.window->activateWindow(); // a shortcut runs in the active window only
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        QTest::keyClick(game.window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY2(!cellsOffered, "the shape board's cells offered with the catalogue chosen");
        QCOMPARE(game.scripted.messages.shown.size(), 1);
        QCOMPARE(game.scripted.messages.shown[0].text, QStringLiteral("Another new game?"));
        QTest::keyClick(game.window.get(), Qt::Key_F2);
        QCOMPARE(game.window->levelCode(), 3601);
        QCOMPARE(game.window->previewPicture(), game.pictures.picture(2));
        const GameChoices::Choices kept
            = GameChoices::read(game.scripted.folder.filePath(QStringLiteral("choices.json")));
        QCOMPARE(kept.jigsaw, (GameChoices::Jigsaw { { GameChoices::Picture::Kind::BuiltIn, 2, {} }, 0, 1,
                                  GameChoices::Random, 1, 0, GameChoices::Random }));
    }

    // The mouse reaches the rules (tst_jigsawplay) and the windows follow the model: R0 refuses the
    // turn; a drop is clamped to the client's own height; a join hides the window and glows (not
    // with animations off).
    void startsAndJoinsWithTheMouse()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
        QCOMPARE(game.window->levelCode(), 1601);
        QCOMPARE(game.window->play().pieceCount(), 16);
        QCOMPARE(game.window->timeLabel()->text(), QStringLiteral("Time 0 0 0 0"));
        QVERIFY(game.window->timerActive());
        QVERIFY(game.window->background()->targetVisible());
        QCOMPARE(game.window->windowTitle(), QStringLiteral("Quarry Jigsaw Puzzle Freeuse"));
        for (int k = 1; k <= 16; ++k) {
            QVERIFY(game.piece(k)->isVisible());
            QCOMPARE(game.piece(k)->size(), game.window->play().window(k).size);
            QCOMPARE(game.piece(k)->pos(), game.shown(k));
        }
        const QSize single = game.piece(1)->size();
        QTest::mousePress(game.piece(2), Qt::RightButton, {}, Grab);
        QCOMPARE(game.window->table().piece(2).turn, 0);
        QCOMPARE(game.piece(2)->size(), single);
        game.dropAt(6, QPointF(1500, 40000));
        QCOMPARE(game.pos(6), QPointF(1500, game.window->clientTwips().height() - 1000));
        QCOMPARE(game.piece(6)->pos(), game.shown(6));
        QVERIFY(game.window->shadowWindow()->isVisible());
        game.dropAt(2, game.besideOf(1, 2, QPointF(-10, 10)));
        QVERIFY(!game.piece(2)->isVisible() && !game.window->shadowWindow()->isVisible());
        QVERIFY(!game.window->dragFrame()->isVisible());
        QCOMPARE(game.window->play().joinCounter(), 2);
        QCOMPARE(game.piece(1)->size(), QSize(2 * single.width(), single.height()));
        QCOMPARE(game.piece(1)->mask(), QRegion(QRect(QPoint(0, 0), game.piece(1)->size())));
        JoinGlow* glow = game.window->joinGlow();
        QVERIFY(glow->glowing());
        QVERIFY(glow->geometry().contains(game.piece(1)->geometry()));
        glow->animation()->setCurrentTime(JoinGlow::DurationMs);
        QVERIFY(!glow->glowing());
        game.window->setAnimations(false);
        game.dropAt(3, game.besideOf(1, 3));
        QCOMPARE(game.window->play().joinCounter(), 3);
        QVERIFY(!glow->glowing());
    }

    void wholeLevelCompletes()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
        const QStringList jingle = game.mci.openAliases().values();
        QCOMPARE(jingle.size(), 1);
        for (int t = 0; t < 7; ++t)
            game.window->Timer1_Timer();
        for (int k = 2; k <= 16; ++k) {
            game.dropAt(k, game.besideOf(1, k));
            QCOMPARE(game.window->play().joinCounter(), k);
        }
        QVERIFY(game.window->play().ended);
        QVERIFY(!game.window->timerActive());
        QVERIFY(game.sounds.last(2).first().startsWith(QStringLiteral("effect: ")));
        QVERIFY(game.sounds.last(2).first().contains(QStringLiteral("success0.wav")));
        QCOMPARE(game.sounds.last(), QStringLiteral("mci: Close ") + jingle[0]);
        QCOMPARE(game.piece(1)->size(), game.window->workingPicture().size());
        // The model's message, then the best-result note; the game recorded with the jigsaw's fields.
        QCOMPARE(game.scripted.messages.shown.size(), 2);
        const QByteArray record = game.scripted.folder.read(QStringLiteral("records.txt")).split('\n').value(1);
        QVERIFY2(record.contains(" J done b") && record.endsWith(" l1601:16:0 r0 s0 7 15 21555"), record.constData());
        QCOMPARE(game.scripted.messages.shown.first().text, QStringLiteral("Well done! Spend 7 sec., Score 21555."));
    }

    // R1: a right press turns the whole unit (its corner kept), also a held one (shadow and frame
    // kept); a right click on the background just beside a piece turns it. Turns and joins sound.
    void rightClicksTurn()
    {
        JigsawWindow game("G1,BE0132768,D0,R1,M0,S1,P2,");
        QTest::mousePress(game.piece(3), Qt::LeftButton, {}, Grab);
        QTest::mousePress(game.piece(3), Qt::RightButton, {}, Grab);
        QCOMPARE(game.window->table().piece(3).turn, 90);
        QVERIFY(game.window->shadowWindow()->isVisible() && game.window->dragFrame()->isVisible());
        QCOMPARE(game.window->dragFrame()->geometry(), game.piece(3)->geometry());
        QTest::mouseRelease(game.piece(3), Qt::LeftButton, {}, Grab);
        game.dropAt(2, game.besideOf(1, 2));
        QVERIFY(!game.piece(2)->isVisible());
        const QSize before = game.piece(1)->size();
        const QPoint at = game.piece(1)->pos();
        QTest::mousePress(game.piece(1), Qt::RightButton, {}, Grab);
        QCOMPARE(game.window->table().piece(1).turn, 90);
        QCOMPARE(game.window->table().piece(2).turn, 90);
        QCOMPARE(game.piece(1)->size(), before.transposed());
        QCOMPARE(game.piece(1)->pos(), at);
        QCOMPARE(game.piece(1)->mask(), QRegion(QRect(QPoint(0, 0), before.transposed())));
        game.dropAt(4, QPointF(15000, 6000));
        QTest::mouseClick(
            game.window->background(), Qt::RightButton, {}, game.piece(4)->pos() + QPoint(-3, 5));
        QCOMPARE(game.window->table().piece(4).turn, 90);
        QVERIFY(!game.window->gameMenu()->isVisible());
        QStringList played;
        for (const RecordingEffectPlayer::Call& call : game.effects.calls())
            played << QFileInfo(call.file).fileName();
        QCOMPARE(played, QStringList({ "rotate.wav", "together0.wav", "rotate.wav", "rotate.wav" }));
    }

    // M and D drawn at 0.5: a shape board. A figure dropped 6 pixels off its hole snaps in, stays a
    // window of its own, and the windows stack as the model says.
    void shapeBoardInTheWindow()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,", { 0.5 });
        QCOMPARE(game.window->play().shapeFamily(), int(JigsawPlay::ShapeBoard));
        const int board = game.window->play().pieceCount();
        QVERIFY(board > 1);
        QVERIFY(game.window->background()->boardVisible());
        QVERIFY(!game.window->background()->targetVisible());
        game.dropAt(1, game.besideOf(board, 1, QPointF(6, -6)));
        QCOMPARE(game.window->play().joinCounter(), 2);
        QVERIFY(game.piece(1)->isVisible() && game.window->play().window(1).locked);
        QCOMPARE(game.pos(1), game.besideOf(board, 1));
        QCOMPARE(game.piece(1)->pos(), game.shown(1));
        const QList<int>& stack = game.window->play().stacking();
        QCOMPARE(stack.mid(0, 2), QList<int>({ board, 1 }));
        const QObjectList order = game.window->background()->children();
        for (qsizetype i = 1; i < stack.size(); ++i)
            QVERIFY(order.indexOf(game.piece(stack[i - 1])) < order.indexOf(game.piece(stack[i])));
    }

    // The question is the shell's (tst_logicgame); No keeps this game's units, Yes deals anew.
    void anotherNewGameNoKeepsGame()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
        game.window->Timer1_Timer();
        game.dropAt(2, game.besideOf(1, 2));
        PieceWindow* first = game.piece(1);
        game.scripted.messages.answers = { false };
        int restart = 0;
        game.window->PMenu(restart);
        QCOMPARE(game.scripted.messages.shown.size(), 1);
        QCOMPARE(game.piece(1), first);
        QCOMPARE(game.window->play().joinCounter(), 2);
        game.window->PMenu(restart);
        QCOMPARE(game.window->play().joinCounter(), 1);
    }

    // The sliding puzzle's command slots do nothing here; the jigsaw's menu opens on a right release
    // on the background; F3 pauses once per stroke; the sound switch writes the jigsaw's own line;
    // the clock's end shows the banner; Exit closes.
    void commandsAndMenu()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
        PieceWindow* first = game.piece(1);
        const QString record = game.window->record();
        for (int index : { 7, 10, -1 }) {
            game.window->PMenu(index);
            QVERIFY(game.window->isVisible() && game.window->timerActive());
            QCOMPARE(game.piece(1), first);
            QCOMPARE(game.window->record(), record);
            QVERIFY(game.scripted.messages.shown.isEmpty());
        }
        QCOMPARE(game.window->gameMenu()->title(), QStringLiteral("Jigsaw puzzle"));
        QStringList captions;
        for (const QAction* action : game.window->gameMenu()->actions())
            captions << action->text();
        QVERIFY(captions.contains(QStringLiteral("Close Sound"))); // S1
        QTest::mouseRelease(game.window->background(), Qt::RightButton, {}, QPoint(700, 500));
        QVERIFY(game.window->gameMenu()->isVisible());
        game.window->gameMenu()->close();
        QTest::keyClick(game.window.get(), Qt::Key_F3);
        QVERIFY(game.window->play().paused);
        QTest::keyClick(game.window.get(), Qt::Key_F3);
        QVERIFY(!game.window->play().paused);
        QVERIFY(game.window->companions().toolWindow());
        QVERIFY(game.window->companions().previewWindow());
        int sound = 3;
        game.window->PMenu(sound);
        QCOMPARE(game.window->soundCaption(), QStringLiteral("Open Sound"));
        QVERIFY(
            game.scripted.folder.read(QStringLiteral("fav.dll")).contains("G1,BE0132768,D0,R0,M0,S0,P2,"));
        QCOMPARE(game.window->previewPicture(), game.pictures.picture(0));
        for (int t = 0; t < 9999; ++t)
            game.window->Timer1_Timer();
        QVERIFY(game.window->timeEndLabel()->isVisible() && !game.window->timerActive());
        int exit = 9;
        game.window->PMenu(exit);
        QVERIFY(!game.window->isVisible());
    }

    // Rotation switched on in the Options (Ctrl+,) is written to the jigsaw's line and the next game turns.
    void optionsReachTheGame()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
        int shownRotation = -1;
        game.window->setOptionsChooser([&shownRotation](OptionsModel& model) {
            shownRotation = model.value(u'R');
            model.setValue(u'R', 1);
            return true;
        });
        game.window->activateWindow(); // a shortcut runs in the active window only
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        QTest::keyClick(game.window.get(), Qt::Key_Comma, Qt::ControlModifier);
        QCOMPARE(shownRotation, 0);
        QVERIFY(
            game.scripted.folder.read(QStringLiteral("fav.dll")).contains("G1,BE0132768,D0,R1,M0,S1,P2,"));
        QTest::keyClick(game.window.get(), Qt::Key_F2);
        QTest::mousePress(game.piece(2), Qt::RightButton, {}, Grab);
        QCOMPARE(game.window->table().piece(2).turn, 90);
    }

    // F2, F3 and F7 in the middle of a drag first drop the unit where it is, join included.
    void commandEndsDrag()
    {
        for (const Qt::Key key : { Qt::Key_F2, Qt::Key_F3, Qt::Key_F7 }) {
            JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
            game.scripted.messages.answers = { false };
            const QPointF delta = (game.besideOf(1, 2) - game.pos(2)) / Twips::perPixel();
            QTest::mousePress(game.piece(2), Qt::LeftButton, {}, Grab);
            QTest::mouseMove(game.piece(2), Grab + QPoint(qRound(delta.x()), qRound(delta.y())));
            QTest::keyClick(game.window.get(), key);
            QVERIFY2(!game.window->play().dragging() && !game.window->dragFrame()->isVisible(),
                qPrintable(QKeySequence(key).toString()));
            QCOMPARE(game.window->play().joinCounter(), 2);
            QVERIFY(!game.piece(2)->isVisible());
        }
    }

    // Shrinking the window clamps the units in; Ctrl+G brings one left partly outside wholly back.
    void resizeClampsAndGatherBringsBack()
    {
        JigsawWindow game("G1,BE0132768,D0,R0,M0,S1,P2,");
        game.dropAt(6, QPointF(40000, 2000));
        const int width = game.window->background()->width();
        game.window->resize(game.window->size() - QSize(300, 0));
        QTRY_COMPARE(game.window->background()->width(), width - 300);
        QCOMPARE(game.pos(6).x(), game.window->clientTwips().width() - 200);
        QCOMPARE(game.piece(6)->x(), Twips::toPixelsInt(game.pos(6).x()));
        QTest::keyClick(game.window.get(), Qt::Key_G, Qt::ControlModifier);
        QVERIFY(game.window->background()->rect().contains(game.piece(6)->geometry()));
        QCOMPARE(game.window->play().joinCounter(), 1);
    }

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

QTEST_MAIN(TestEyesGame)
#include "tst_eyesgame.moc"

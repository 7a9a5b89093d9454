// tst_companionwindows.cpp: preview, tool, About and Help windows driven through GameCompanions.
#include "FakeGame.h"
#include "FrmHelp.h"
#include "Frm_EyesPreview.h"
#include "Frm_LogicPreview.h"
#include "Frm_jigsawtool.h"
#include "Frm_tool.h"
#include "GameCompanions.h"
#include "HelpText.h"
#include "TestSupport.h"
#include "Twips.h"
#include "frmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <memory>

using Game = GameCompanions::Game;

namespace {
// The game window used throughout, in pixels (15 twips each).
const QRect kGameGeometry(10, 20, 700, 500);

// The offscreen platform cannot raise windows or pass size hints on; it says so on every call.
QtMessageHandler g_testHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_testHandler(type, context, message);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor textColour(QLabel* label)
{
    return label->palette().color(QPalette::Active, QPalette::WindowText);
}
} // namespace

class TestCompanionWindows : public QObject {
    Q_OBJECT

    struct Fixture {
        explicit Fixture(Game which)
            : companions(scripted.context, game, which)
        {
            game.window.setGeometry(kGameGeometry);
            game.companions = &companions;
        }
        TestSupport::ScriptedContext scripted;
        FakeGame game;
        GameCompanions companions;
        AppContext& context() { return scripted.context; }
        ToolWindow* tool() const { return qobject_cast<ToolWindow*>(companions.toolWindow()); }
        PreviewWindow* preview() const { return qobject_cast<PreviewWindow*>(companions.previewWindow()); }
    };

    static void clickButton(ToolWindow* tool, int index)
    {
        QTest::mouseClick(tool->LblMenu(index), Qt::LeftButton);
    }

private slots:
    void initTestCase()
    {
        Twips::overridePerPixel(15);
        g_testHandler = qInstallMessageHandler(quietPlatform);
    }
    void cleanupTestCase()
    {
        Twips::overridePerPixel(0);
        qInstallMessageHandler(g_testHandler);
    }

    // Each game's preview: its class, flags and icon, sized by the picture and placed by the
    // layout rule (both tested in tst_companionrules), then resized when the picture changes;
    // each game's tool window, placed by its own rule.
    void previewAndToolLoad()
    {
        for (const Game which : { Game::Sliding, Game::Jigsaw }) {
            Fixture f(which);
            f.game.window.setWindowIcon(QIcon(QPixmap::fromImage(FakeGame::pictureOf(16, 16, Qt::red))));
            f.game.picture = FakeGame::pictureOf(400, 200);
            f.companions.showPreview();
            PreviewWindow* preview = f.preview();
            QVERIFY(preview && preview->isVisible());
            QCOMPARE(preview->metaObject()->className(),
                which == Game::Sliding ? "Frm_LogicPreview" : "Frm_EyesPreview");
            QCOMPARE(preview->windowTitle(), QStringLiteral("Preview"));
            QVERIFY(preview->windowFlags().testFlag(Qt::WindowStaysOnTopHint)
                && preview->windowFlags().testFlag(Qt::Tool));
            QCOMPARE(
                preview->windowIcon().pixmap(16).toImage(), f.game.window.windowIcon().pixmap(16).toImage());
            // 1860 twips (124 px) high, 2:1 -> 248 px wide; left 150 + 10500 - 3720 = 6930 twips,
            // top 300 + 7500 - 1860 - 100 = 5840 twips: the outer corner, as the game window's.
            QCOMPARE(preview->size(), QSize(248, 124));
            QCOMPARE(preview->pos(), QPoint(462, 389));
            QCOMPARE(f.context().previewOpen, true);
            preview->resize(300, 120);
            f.game.picture = FakeGame::pictureOf(100, 200);
            f.companions.pictureChanged();
            QCOMPARE(f.preview(), preview);
            QCOMPARE(preview->size(), QSize(60, 120));
            QCOMPARE(preview->Image1()->geometry(), QRect(0, 0, 60, 120));
            QCOMPARE(preview->Image1()->pixmap().size(), QSize(100, 200));
            QCOMPARE(preview->pos(), QPoint(462, 389));

            preview->hide(); // its frame would stand in for the hidden game window's
            f.companions.showToolbar();
            ToolWindow* tool = f.tool();
            QVERIFY(tool);
            QCOMPARE(tool->metaObject()->className(), which == Game::Sliding ? "Frm_tool" : "Frm_jigsawtool");
            QVERIFY(tool->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            // Sliding: game left, game top + 1500 twips (100 px); jigsaw: top right corner inside the game.
            QCOMPARE(tool->pos(), which == Game::Sliding ? QPoint(10, 120) : QPoint(710 - tool->width(), 20));
            QCOMPARE(f.context().toolOpen, true);
        }
    }

    // The open flags follow the windows: cleared at game load, set by the first activation (which
    // opens nothing twice). Minimising hides both without reloading. A window closed by hand is
    // deleted and its flag cleared.
    void lifecycle()
    {
        Fixture f(Game::Sliding);
        f.game.picture = FakeGame::pictureOf(400, 300);
        f.context().previewOpen = f.context().toolOpen = true;
        f.companions.onGameLoad();
        QVERIFY(!f.context().previewOpen && !f.context().toolOpen);
        f.companions.onFirstActivation();
        QPointer<PreviewWindow> preview = f.preview();
        QPointer<ToolWindow> tool = f.tool();
        QVERIFY(preview && preview->isVisible() && tool && tool->isVisible());
        QVERIFY(f.context().previewOpen && f.context().toolOpen);
        f.companions.onFirstActivation();
        QCOMPARE(f.preview(), preview.data());
        QCOMPARE(f.tool(), tool.data());

        const QRect previewGeometry = preview->geometry(), toolGeometry = tool->geometry();
        f.game.picture = FakeGame::pictureOf(100, 300); // a reload would pick this up
        f.companions.onGameWindowMinimised(true);
        QVERIFY(!preview->isVisible() && !tool->isVisible());
        QVERIFY(f.context().previewOpen && f.context().toolOpen);
        f.companions.showPreview(); // loads nothing new and keeps it hidden
        QVERIFY(!preview->isVisible());
        f.companions.onGameWindowMinimised(false);
        QCOMPARE(f.preview(), preview.data());
        QCOMPARE(f.tool(), tool.data());
        QVERIFY(preview->isVisible() && tool->isVisible());
        QCOMPARE(preview->geometry(), previewGeometry);
        QCOMPARE(tool->geometry(), toolGeometry);
        QCOMPARE(preview->Image1()->pixmap().size(), QSize(400, 300));

        preview->close();
        QCOMPARE(f.context().previewOpen, false);
        QCOMPARE(f.companions.previewWindow(), nullptr);
        flushDeletes();
        QVERIFY(!preview);
        f.companions.onFirstActivation();
        QVERIFY(f.preview() && f.preview()->isVisible());
        QCOMPARE(f.tool(), tool.data());
        tool->close();
        QCOMPARE(f.context().toolOpen, false);
        QCOMPARE(f.companions.toolWindow(), nullptr);
    }

    // Without a picture: the jigsaw's preview command does nothing, the sliding game's loads a
    // hidden preview; a preview loaded at first activation shows with the first picture. A game
    // window reaching past the screen's edge would take its companions with it; they are pulled
    // back so that their whole frames stay on the screen.
    void previewWithoutPicture()
    {
        for (const Game which : { Game::Sliding, Game::Jigsaw }) {
            Fixture f(which);
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            f.game.window.setGeometry(screen.right() - 300, screen.bottom() - 200, 1000, 700);
            f.companions.showPreview();
            QCOMPARE(f.preview() != nullptr, which == Game::Sliding);
            QCOMPARE(f.context().previewOpen, which == Game::Sliding);
            f.companions.onFirstActivation();
            PreviewWindow* preview = f.preview();
            QVERIFY(preview && !preview->isVisible());
            f.game.picture = FakeGame::pictureOf(300, 200);
            f.companions.pictureChanged();
            QVERIFY(preview->isVisible());
            QCOMPARE(preview->size(), QSize(186, 124));
            for (QWidget* companion : { static_cast<QWidget*>(preview), static_cast<QWidget*>(f.tool()) }) {
                QTRY_VERIFY(companion->isVisible());
                QVERIFY2(screen.contains(companion->frameGeometry()), companion->metaObject()->className());
            }
        }
    }

    // Each enabled button calls PMenu with its index; disabled ones, presses released elsewhere and
    // right clicks call nothing. Sound (3) shows the game's caption after the click, and again when
    // the game says it changed. The jigsaw's Preview (2) opens the preview once there is a picture.
    void buttonsCallPMenu()
    {
        // sliding with the menu enabled and disabled, jigsaw enabled
        for (const auto& [which, menuEnabled] : QList<std::pair<Game, bool>> {
                 { Game::Sliding, true }, { Game::Sliding, false }, { Game::Jigsaw, true } }) {
            Fixture f(which);
            f.game.menuEnabled = menuEnabled;
            f.companions.showToolbar();
            ToolWindow* tool = f.tool();
            QList<int> expected;
            for (int i = 0; i < 9; ++i) {
                QCOMPARE(tool->LblMenu(i)->text(), i == 3 ? f.game.sound : ToolPanel::defaultCaption(i));
                QCOMPARE(tool->LblMenu(i)->isEnabled(), i >= 8 || menuEnabled);
                clickButton(tool, i);
                if (i >= 8 || menuEnabled)
                    expected << i;
            }
            QCOMPARE(f.game.sound, QString::fromLatin1(menuEnabled ? "Open Sound" : "Close Sound"));
            QCOMPARE(tool->LblMenu(3)->text(), f.game.sound);
            f.game.sound = QStringLiteral("Sound?");
            f.companions.soundCaptionChanged();
            QCOMPARE(tool->LblMenu(3)->text(), f.game.sound);
            QTest::mousePress(tool->LblMenu(0), Qt::LeftButton);
            QTest::mouseRelease(tool->LblMenu(1), Qt::LeftButton);
            QTest::mouseClick(tool->LblMenu(4), Qt::RightButton);
            QCOMPARE(f.game.commands, expected);
            QCOMPARE(f.companions.previewWindow() != nullptr, menuEnabled && which == Game::Sliding);
            if (which == Game::Jigsaw) {
                f.game.picture = FakeGame::pictureOf(320, 240);
                clickButton(tool, 2);
                QVERIFY(f.preview() && f.preview()->isVisible());
            }
        }
    }

    // Pointer moves reach the hover rule (tested in tst_companionrules) and its colours are drawn.
    void hoverColoursFollowThePointer()
    {
        Fixture f(Game::Sliding);
        f.companions.showToolbar();
        ToolWindow* tool = f.tool();
        const auto moveOver = [](QWidget* widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        };
        moveOver(tool->LblMenu(4));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(textColour(tool->LblMenu(i)), i == 4 ? QColor(Qt::red) : QColor(Qt::black));
        moveOver(tool);
        QCOMPARE(textColour(tool->LblMenu(4)), QColor(Qt::black));
    }

    // Exit (the game closes itself and its companions from inside the click), and the companions
    // object going before its game window (the jigsaw's), delete every companion and clear the flags.
    void everythingCloses()
    {
        for (const bool byExit : { true, false }) {
            TestSupport::ScriptedContext scripted;
            FakeGame game;
            game.picture = FakeGame::pictureOf(320, 240);
            auto companions = std::make_unique<GameCompanions>(
                scripted.context, game, byExit ? Game::Sliding : Game::Jigsaw);
            game.companions = companions.get();
            companions->onFirstActivation();
            companions->showHelp();
            QPointer<QWidget> tool = companions->toolWindow(), preview = companions->previewWindow(),
                              help = companions->helpWindow();
            QVERIFY(tool && preview && help);
            if (byExit) {
                clickButton(qobject_cast<ToolWindow*>(tool.data()), 9);
                QCOMPARE(game.commands, QList<int> { 9 });
                QVERIFY(
                    !companions->toolWindow() && !companions->previewWindow() && !companions->helpWindow());
                flushDeletes();
            } else {
                companions.reset();
            }
            QVERIFY(!tool && !preview && !help);
            QVERIFY(!scripted.context.toolOpen && !scripted.context.previewOpen);
        }
    }

    // About: modal over the game window, with the program's icon, gone once OK is clicked. Help: a
    // modeless read-only guide in the context's language; a second command raises it.
    void aboutAndHelp()
    {
        Fixture f(Game::Jigsaw);
        const QIcon icon(QPixmap::fromImage(FakeGame::pictureOf(32, 32, Qt::yellow)));
        f.companions.setProgramIcon(icon);
        f.game.window.show();
        f.companions.showAbout();
        QPointer<frmAbout> box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("About Quarry Puzzle"));
        QCOMPARE(box->lblVersion()->text(), QStringLiteral("Quarry Puzzle V2.0"));
        QVERIFY(box->lblDataFolder()->text().endsWith(QDir::toNativeSeparators(f.context().dataFolder)));
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->parentWidget(), &f.game.window);
        QCOMPARE(box->windowIcon().pixmap(32).toImage(), icon.pixmap(32).toImage());
        QTest::mouseClick(box->cmdOK(), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!box);

        f.context().strings = StringTable(StringTable::Language::Chinese);
        f.companions.showHelp();
        auto* help = qobject_cast<FrmHelp*>(f.companions.helpWindow());
        QVERIFY(help && help->isVisible() && !help->isModal());
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QVERIFY(help->Text1()->isReadOnly());
        QCOMPARE(help->Text1()->toPlainText(), HelpText::guide(StringTable::Language::Chinese));
        QCOMPARE(help->Text1()->geometry(), help->rect());
        f.companions.showHelp();
        QCOMPARE(f.companions.helpWindow(), help);
    }
};

QTEST_MAIN(TestCompanionWindows)
#include "tst_companionwindows.moc"

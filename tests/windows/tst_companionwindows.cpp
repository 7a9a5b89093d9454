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
Q_DECLARE_METATYPE(GameCompanions::Game)

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

    void games_data()
    {
        QTest::addColumn<Game>("which");
        QTest::newRow("sliding") << Game::Sliding;
        QTest::newRow("jigsaw") << Game::Jigsaw;
    }

    void previewWidthFollowsAspectRatio()
    {
        Fixture f(Game::Sliding);
        f.game.picture = FakeGame::pictureOf(300, 300);
        f.companions.showPreview();
        PreviewWindow* preview = f.preview();
        QVERIFY(preview);
        preview->resize(preview->width(), 100); // 1500 twips high
        f.game.picture = FakeGame::pictureOf(640, 320);
        preview->Loadform();
        QCOMPARE(preview->size(), QSize(200, 100)); // 3000 twips wide
        QCOMPARE(preview->Image1()->geometry(), QRect(0, 0, 200, 100));
        QCOMPARE(preview->Image1()->pixmap().size(), QSize(640, 320));
        QCOMPARE(preview->windowTitle(), QStringLiteral("Preview"));
    }

    void previewLoad_data() { games_data(); }
    void previewLoad()
    {
        QFETCH(Game, which);
        Fixture f(which);
        f.game.window.setWindowIcon(QIcon(QPixmap::fromImage(FakeGame::pictureOf(16, 16, Qt::red))));
        f.game.picture = FakeGame::pictureOf(400, 200);
        f.companions.showPreview();
        PreviewWindow* preview = f.preview();
        QVERIFY(preview);
        QCOMPARE(preview->metaObject()->className(),
            which == Game::Sliding ? "Frm_LogicPreview" : "Frm_EyesPreview");
        QVERIFY(preview->isVisible());
        QVERIFY(preview->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(preview->windowFlags().testFlag(Qt::Tool));
        QCOMPARE(preview->windowIcon().pixmap(16).toImage(), f.game.window.windowIcon().pixmap(16).toImage());
        // Starts 1860 twips high (124 px); 2:1 picture -> 3720 twips (248 px) wide. Placed at
        // left 150 + 10500 - 3720 = 6930 twips, top 300 + 7500 - 1860 - 100 = 5840 twips.
        QCOMPARE(preview->size(), QSize(248, 124));
        QCOMPARE(preview->pos(), QPoint(462, 389)); // the outer corner, as the game window's
        QCOMPARE(f.context().previewOpen, true);
    }

    // A game window reaching past the screen's edge would take its companions with it; they are
    // pulled back so that their whole frames stay on the screen.
    void companionsStayOnScreen_data() { games_data(); }
    void companionsStayOnScreen()
    {
        QFETCH(Game, which);
        Fixture f(which);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        f.game.window.setGeometry(screen.right() - 300, screen.bottom() - 200, 1000, 700);
        f.game.picture = FakeGame::pictureOf(400, 200);
        f.companions.showPreview();
        f.companions.showToolbar();
        for (QWidget* companion : { static_cast<QWidget*>(f.preview()), static_cast<QWidget*>(f.tool()) }) {
            QVERIFY(companion);
            QTRY_VERIFY(companion->isVisible());
            QVERIFY2(screen.contains(companion->frameGeometry()), companion->metaObject()->className());
        }
    }

    void toolPlacement_data() { games_data(); }
    void toolPlacement()
    {
        QFETCH(Game, which);
        Fixture f(which);
        f.companions.showToolbar();
        ToolWindow* tool = f.tool();
        QVERIFY(tool);
        QCOMPARE(tool->metaObject()->className(), which == Game::Sliding ? "Frm_tool" : "Frm_jigsawtool");
        QVERIFY(tool->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        // Sliding: game left, game top + 1500 twips (100 px); jigsaw: top right corner inside the game.
        const QPoint expected = which == Game::Sliding ? QPoint(10, 120) : QPoint(710 - tool->width(), 20);
        QCOMPARE(tool->pos(), expected);
        QCOMPARE(f.context().toolOpen, true);
    }

    void flagLifecycle()
    {
        Fixture f(Game::Sliding);
        f.game.picture = FakeGame::pictureOf(200, 150);
        f.context().previewOpen = true;
        f.context().toolOpen = true;
        f.companions.onGameLoad();
        QCOMPARE(f.context().previewOpen, false);
        QCOMPARE(f.context().toolOpen, false);

        f.companions.onFirstActivation();
        QPointer<PreviewWindow> first = f.preview();
        QPointer<ToolWindow> tool = f.tool();
        QVERIFY(first && first->isVisible());
        QVERIFY(tool && tool->isVisible());
        QCOMPARE(f.context().previewOpen, true);
        QCOMPARE(f.context().toolOpen, true);

        // Another activation with both open opens nothing new.
        f.companions.onFirstActivation();
        QCOMPARE(f.preview(), first.data());
        QCOMPARE(f.tool(), tool.data());

        // Closing the preview by hand clears its flag; the next first activation opens it again.
        first->close();
        QCOMPARE(f.context().previewOpen, false);
        QCOMPARE(f.companions.previewWindow(), nullptr);
        flushDeletes();
        QVERIFY(!first);
        f.companions.onFirstActivation();
        QVERIFY(f.preview() && f.preview()->isVisible());
        QCOMPARE(f.context().previewOpen, true);
        QCOMPARE(f.tool(), tool.data());

        tool->close();
        QCOMPARE(f.context().toolOpen, false);
        QCOMPARE(f.companions.toolWindow(), nullptr);
    }

    void pictureChangedReloads()
    {
        Fixture f(Game::Jigsaw);
        f.game.picture = FakeGame::pictureOf(400, 200);
        f.companions.pictureChanged(); // nothing open: nothing happens
        QCOMPARE(f.companions.previewWindow(), nullptr);

        f.companions.showPreview();
        PreviewWindow* preview = f.preview();
        preview->resize(300, 120);
        const QPoint at = preview->pos();
        f.game.picture = FakeGame::pictureOf(100, 200);
        f.companions.pictureChanged();
        QCOMPARE(f.preview(), preview);
        QCOMPARE(preview->size(), QSize(60, 120));
        QCOMPARE(preview->Image1()->pixmap().size(), QSize(100, 200));
        QCOMPARE(preview->pos(), at);
    }

    void previewWaitsForPicture()
    {
        // Loaded at first activation before any picture: hidden, then shown by the first picture.
        Fixture f(Game::Jigsaw);
        f.companions.onFirstActivation();
        PreviewWindow* preview = f.preview();
        QVERIFY(preview);
        QVERIFY(!preview->isVisible());
        QCOMPARE(f.context().previewOpen, true);
        f.game.picture = FakeGame::pictureOf(300, 200);
        f.companions.pictureChanged();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->height(), 124);
        QCOMPARE(preview->width(), 186);
    }

    void minimiseHidesWithoutReloading()
    {
        Fixture f(Game::Sliding);
        f.game.picture = FakeGame::pictureOf(400, 300);
        f.companions.onFirstActivation();
        QPointer<PreviewWindow> preview = f.preview();
        QPointer<ToolWindow> tool = f.tool();
        const QRect previewGeometry = preview->geometry();
        const QRect toolGeometry = tool->geometry();

        // A reload would pick up the game's new picture.
        f.game.picture = FakeGame::pictureOf(100, 300);
        f.companions.onGameWindowMinimised(true);
        QVERIFY(!preview->isVisible());
        QVERIFY(!tool->isVisible());
        QCOMPARE(f.context().previewOpen, true);
        QCOMPARE(f.context().toolOpen, true);
        // A preview command while minimised loads nothing new and keeps it hidden.
        f.companions.showPreview();
        QVERIFY(!preview->isVisible());

        f.companions.onGameWindowMinimised(false);
        QCOMPARE(f.preview(), preview.data());
        QCOMPARE(f.tool(), tool.data());
        QVERIFY(preview->isVisible());
        QVERIFY(tool->isVisible());
        QCOMPARE(preview->geometry(), previewGeometry);
        QCOMPARE(tool->geometry(), toolGeometry);
        QCOMPARE(preview->Image1()->pixmap().size(), QSize(400, 300));
    }

    void previewCommandWithoutPicture_data()
    {
        QTest::addColumn<Game>("which");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("sliding loads, stays hidden") << Game::Sliding << true;
        QTest::newRow("jigsaw does nothing") << Game::Jigsaw << false;
    }
    void previewCommandWithoutPicture()
    {
        QFETCH(Game, which);
        QFETCH(bool, loaded);
        Fixture f(which);
        f.companions.showPreview();
        QCOMPARE(f.preview() != nullptr, loaded);
        QCOMPARE(f.context().previewOpen, loaded);
        if (loaded)
            QVERIFY(!f.preview()->isVisible());
    }

    void toolEnabling_data()
    {
        QTest::addColumn<Game>("which");
        QTest::addColumn<bool>("menuEnabled");
        QTest::newRow("sliding, menu enabled") << Game::Sliding << true;
        QTest::newRow("sliding, menu disabled") << Game::Sliding << false;
        QTest::newRow("jigsaw, menu disabled") << Game::Jigsaw << false;
    }
    void toolEnabling()
    {
        QFETCH(Game, which);
        QFETCH(bool, menuEnabled);
        Fixture f(which);
        f.game.menuEnabled = menuEnabled;
        f.companions.showToolbar();
        ToolWindow* tool = f.tool();
        for (int i = 0; i < 10; ++i)
            QCOMPARE(tool->LblMenu(i)->isEnabled(), i >= 8 || menuEnabled);
        // Disabled buttons ignore clicks; About and Exit still reach the game.
        for (int i = 0; i < 10; ++i)
            if (i != 9)
                clickButton(tool, i);
        QList<int> expected;
        for (int i = menuEnabled ? 0 : 8; i < 9; ++i)
            expected << i;
        QCOMPARE(f.game.commands, expected);
    }

    void buttonsCallPMenu()
    {
        Fixture f(Game::Jigsaw);
        f.companions.showToolbar();
        ToolWindow* tool = f.tool();
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(tool->LblMenu(i)->text(), ToolPanel::defaultCaption(i));
            if (i == 2 || i == 3 || i == 9)
                continue; // these change the game; covered below
            f.game.commands.clear();
            clickButton(tool, i);
            QCOMPARE(f.game.commands, QList<int> { i });
        }
        // Pressing on one button and releasing on another is no click.
        f.game.commands.clear();
        QTest::mousePress(tool->LblMenu(0), Qt::LeftButton);
        QTest::mouseRelease(tool->LblMenu(1), Qt::LeftButton);
        QTest::mouseClick(tool->LblMenu(4), Qt::RightButton);
        QCOMPARE(f.game.commands, QList<int> {});
    }

    void previewButtonShowsPreview()
    {
        Fixture f(Game::Jigsaw);
        f.companions.showToolbar();
        clickButton(f.tool(), 2);
        QCOMPARE(f.game.commands, QList<int> { 2 });
        QCOMPARE(f.companions.previewWindow(), nullptr); // the jigsaw has no picture yet
        f.game.picture = FakeGame::pictureOf(320, 240);
        clickButton(f.tool(), 2);
        QVERIFY(f.preview() && f.preview()->isVisible());
    }

    void exitButtonClosesEverything()
    {
        Fixture f(Game::Sliding);
        f.game.picture = FakeGame::pictureOf(320, 240);
        f.companions.onFirstActivation();
        f.companions.showHelp();
        QPointer<QWidget> tool = f.companions.toolWindow();
        QPointer<QWidget> preview = f.companions.previewWindow();
        QPointer<QWidget> help = f.companions.helpWindow();
        clickButton(f.tool(), 9); // the game closes itself and its companions from inside the click
        QCOMPARE(f.game.commands, QList<int> { 9 });
        QCOMPARE(f.companions.toolWindow(), nullptr);
        QCOMPARE(f.companions.previewWindow(), nullptr);
        QCOMPARE(f.companions.helpWindow(), nullptr);
        QCOMPARE(f.context().toolOpen, false);
        QCOMPARE(f.context().previewOpen, false);
        flushDeletes();
        QVERIFY(!tool);
        QVERIFY(!preview);
        QVERIFY(!help);
    }

    void soundCaptionRoundTrip()
    {
        Fixture f(Game::Sliding);
        f.game.sound = QStringLiteral("Open Sound");
        f.companions.showToolbar();
        QLabel* sound = f.tool()->LblMenu(3);
        QCOMPARE(sound->text(), QStringLiteral("Open Sound")); // copied on load
        clickButton(f.tool(), 3);
        QCOMPARE(sound->text(), QStringLiteral("Close Sound"));
        clickButton(f.tool(), 3);
        QCOMPARE(sound->text(), QStringLiteral("Open Sound"));
        clickButton(f.tool(), 3);
        QCOMPARE(sound->text(), QStringLiteral("Close Sound"));
        QCOMPARE(f.game.commands, (QList<int> { 3, 3, 3 }));
        // F6 in the game window: the game tells its companions.
        f.game.sound = QStringLiteral("Open Sound");
        f.companions.soundCaptionChanged();
        QCOMPARE(sound->text(), QStringLiteral("Open Sound"));
    }

    void hoverColoursFollowThePointer()
    {
        Fixture f(Game::Sliding);
        f.companions.showToolbar();
        ToolWindow* tool = f.tool();
        const auto moveOver = [](QWidget* widget) {
            QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget, &move);
        };
        moveOver(tool->LblMenu(4));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(textColour(tool->LblMenu(i)), i == 4 ? QColor(Qt::red) : QColor(Qt::black));
        moveOver(tool->LblMenu(9));
        QCOMPARE(textColour(tool->LblMenu(4)), QColor(Qt::black));
        QCOMPARE(textColour(tool->LblMenu(9)), QColor(Qt::red));
        // Straight from Exit onto the background: Exit stays red.
        moveOver(tool);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(textColour(tool->LblMenu(i)), i == 9 ? QColor(Qt::red) : QColor(Qt::black));
        QCOMPARE(tool->panel().textColour(9), 255);
    }

    void aboutBox()
    {
        const QIcon icon(QPixmap::fromImage(FakeGame::pictureOf(32, 32, Qt::magenta)));
        const QString folder = QDir::temp().filePath("player data");
        frmAbout box(icon, folder);
        QCOMPARE(box.windowTitle(), QStringLiteral("About Quarry Puzzle"));
        QVERIFY(box.lblDataFolder()->text().endsWith(QDir::toNativeSeparators(folder)));
        QCOMPARE(box.lblVersion()->text(), QStringLiteral("Quarry Puzzle V2.0"));
        QCOMPARE(box.windowIcon().pixmap(32).toImage(), icon.pixmap(32).toImage());
        QCOMPARE(box.cmdOK()->objectName(), QStringLiteral("cmdOK"));
        QVERIFY(box.isModal());
        box.show();
        QTest::mouseClick(box.cmdOK(), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void aboutFromTheGame()
    {
        Fixture f(Game::Jigsaw);
        const QIcon icon(QPixmap::fromImage(FakeGame::pictureOf(32, 32, Qt::yellow)));
        f.companions.setProgramIcon(icon);
        f.game.window.show();
        f.companions.showAbout();
        QPointer<frmAbout> box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
        QCOMPARE(box->parentWidget(), &f.game.window);
        QCOMPARE(box->windowIcon().pixmap(32).toImage(), icon.pixmap(32).toImage());
        QTest::mouseClick(box->cmdOK(), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!box); // exists only while shown
    }

    void helpWindow_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("English system") << int(StringTable::Language::English) << QLocale(QLocale::English);
        QTest::newRow("German system") << int(StringTable::Language::English) << QLocale(QLocale::German);
        QTest::newRow("Chinese system")
            << int(StringTable::Language::Chinese) << QLocale(QLocale::Chinese, QLocale::China);
        QTest::newRow("Chinese, Taiwan")
            << int(StringTable::Language::Chinese) << QLocale(QLocale::Chinese, QLocale::Taiwan);
    }
    void helpWindow()
    {
        QFETCH(int, language);
        QFETCH(QLocale, locale);
        Fixture f(Game::Sliding);
        f.context().strings = StringTable(StringTable::languageFor(locale));
        f.companions.showHelp();
        auto* help = qobject_cast<FrmHelp*>(f.companions.helpWindow());
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->Text1()->objectName(), QStringLiteral("Text1"));
        QVERIFY(help->Text1()->isReadOnly());
        QCOMPARE(help->Text1()->toPlainText(), HelpText::guide(StringTable::Language(language)));
        QCOMPARE(help->Text1()->geometry(), help->rect());
        // A second Help command raises the same window.
        f.companions.showHelp();
        QCOMPARE(f.companions.helpWindow(), help);
    }

    void destructionDeletesCompanions()
    {
        // The companions object goes before the game window it belongs to.
        TestSupport::ScriptedContext scripted;
        FakeGame game;
        game.picture = FakeGame::pictureOf(10, 10);
        auto companions = std::make_unique<GameCompanions>(scripted.context, game, Game::Jigsaw);
        companions->onFirstActivation();
        companions->showHelp();
        QPointer<QWidget> tool = companions->toolWindow();
        QPointer<QWidget> preview = companions->previewWindow();
        QPointer<QWidget> help = companions->helpWindow();
        QVERIFY(tool && preview && help);
        companions.reset();
        QVERIFY(!tool && !preview && !help);
        QCOMPARE(scripted.context.toolOpen, false);
        QCOMPARE(scripted.context.previewOpen, false);
    }
};

QTEST_MAIN(TestCompanionWindows)
#include "tst_companionwindows.moc"

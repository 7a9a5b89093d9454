// tst_gamemenu.cpp: each game's menu as built from the command table (entries, captions, keys,
// separators, function-key codes) and the Options dialog it opens (its model turned into the record
// written, its controls driven by synthetic input).
#include "GameMenu.h"
#include "OptionsDialog.h"
#include "TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

class TestGameMenu : public QObject {
    Q_OBJECT

private slots:
    void entriesAndKeys_data()
    {
        QTest::addColumn<Game>("game");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QList<int>>("keyedCommands"); // command run by codes 112 .. 123, -1 none
        const auto listing = [](const char* colour, bool gather) {
            QStringList l { "mnu_logicgame|Logic Puzzle", "mnu_newgame|New game…|Ctrl+N",
                "mnu_start|Restart|F2", "mnu_pause|Pause|F3", "mnu_stop|Stop|" };
            if (gather)
                l << "mnu_gather|Gather pieces|Ctrl+G";
            l << QStringLiteral("%1|BackColor|F4").arg(colour)
              << QStringList { "mnu_preview|Preview|F5", "mnu_sound|Close Sound|F6", "-" };
            if (!gather)
                l << QStringList { "mnu_hint|Hint|Ctrl+H", "mnu_undo|Undo|Ctrl+Z", "mnu_redo|Redo|Ctrl+Y",
                    "-" };
            l << QStringList { "mnu_openfile|Open picture|F7", "mnu_operation|Option|F8",
                "mnu_options|Options…|Ctrl+,", "mnu_mainjfb|Puzzle scoreboard|F9", "-",
                "mnu_toolbar|Toolbar|", "mnu_content|Help|F1", "mnuabout|About...|", "-", "mnu_exit|Exit|F12",
                "mnu_help|Help" };
            return l;
        };
        using C = GameCommand;
        const QList<int> keyed { int(C::Help), int(C::Restart), int(C::Pause), int(C::BackColor),
            int(C::Preview), int(C::Sound), int(C::OpenPicture), int(C::Option), int(C::Scoreboard), -1, -1,
            int(C::Exit) };
        QStringList jigsaw = listing("mnu_eyescolor", true);
        jigsaw[0] = QStringLiteral("mnu_eyesgame|Jigsaw puzzle");
        QTest::newRow("sliding") << Game::Sliding << listing("mnu_logiccolor", false) << keyed;
        QTest::newRow("jigsaw") << Game::Jigsaw << jigsaw << keyed;
    }
    void entriesAndKeys()
    {
        QFETCH(Game, game);
        QFETCH(QStringList, entries);
        QFETCH(QList<int>, keyedCommands);
        QMenuBar bar;
        QList<int> run;
        GameMenu menu(&bar, game, [&run](GameCommand c) { run << int(c); });
        menu.setCaptions(StringTable(StringTable::Language::English), QStringLiteral("Close Sound"));

        QStringList built { menu.operationsMenu()->objectName() + '|' + menu.operationsMenu()->title() };
        for (const QAction* a : menu.operationsMenu()->actions())
            built << (a->isSeparator() ? QStringLiteral("-")
                                       : a->objectName() + '|' + a->text() + '|' + a->shortcut().toString());
        built << menu.helpEntry()->objectName() + '|' + menu.helpEntry()->text();
        QCOMPARE(built, entries);

        for (int code = 112; code <= 123; ++code) {
            run.clear();
            QCOMPARE(menu.runFunctionKey(code), keyedCommands[code - 112] >= 0);
            QCOMPARE(run,
                keyedCommands[code - 112] >= 0 ? QList<int> { keyedCommands[code - 112] } : QList<int> {});
        }
        run.clear();
        QVERIFY(!menu.runFunctionKey(0) && !menu.runFunctionKey(124) && run.isEmpty());
        QCOMPARE(GameCommandTable::functionKeyCode(Qt::Key_F12), 123);
        QCOMPARE(GameCommandTable::functionKeyCode(Qt::Key_G), 0);
    }

    // Only the fields whose shown value changed are written; every other byte stays.
    void recordWritten()
    {
        const QList<std::tuple<Game, QByteArray, QString, QByteArray>> rows {
            // choices: letter and shown value
            { Game::Sliding, "G0,M7,L5,K9,S2,\r\n", "M1 L0 K1 S1", "G0,M7,L5,K9,S2,\r\n" }, // read as shown
            { Game::Jigsaw, "G1,R0,S1,P15,\r\n", "P3 R1", "G1,R1,S1,P3,\r\n" }
        }; // style from random
        for (const auto& [game, before, choices, after] : rows) {
            TestSupport::DataFolder folder;
            folder.write(QStringLiteral("fav.dll"), before);
            QString record = *storedFavRecord(folder.path(), game);
            OptionsModel model(game, record, true);
            for (const QString& choice : choices.split(u' '))
                model.setValue(choice[0], choice.mid(1).toInt());
            for (const FavChange& change : model.changes())
                record = UpdateFavRecord(folder.path(), game, record, change);
            QCOMPARE(folder.read(QStringLiteral("fav.dll")), after);
            QVERIFY(OptionsModel(game, record, true).changes().isEmpty());
        }
    }

    // Clicks and keys on the controls reach the model through OK.
    void dialogControls()
    {
        OptionsModel model(Game::Jigsaw, QStringLiteral("G1,R0,S1,P2,"), true);
        OptionsDialog dialog(model);
        QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("option_R")), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("option_animations")), Qt::LeftButton);
        QTest::keyClick(dialog.findChild<QComboBox*>(QStringLiteral("option_P")), Qt::Key_Down);
        QCOMPARE(model.value(u'R'), 0);
        QTest::mouseClick(
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.value(u'R'), 1);
        QCOMPARE(model.value(u'P'), 3);
        QVERIFY(!model.animations());
    }
};

QTEST_MAIN(TestGameMenu)
#include "tst_gamemenu.moc"

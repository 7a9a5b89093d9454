// tst_login.cpp: the start window: its hover rule, jingle, game switching and shortcuts.
#include "FrmLogin.h"
#include "LoginButtons.h"
#include "RecordingMciDevices.h"
#include "TestSupport.h"

#include <QtTest>

class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void hoverRule()
    {
        const QList<std::tuple<QString, int, int>> rows {
            // moves (digits: buttons, b: background), lit, changes
            { "0", 0, 1 }, { "02", 2, 2 }, { "1111", 1, 1 }, // repeated moves change nothing
            { "1bbb", -1, 2 }, { "bb", -1, 0 }, { "2b2", 2, 3 }
        }; // the background resets once
        for (const auto& [moves, highlighted, changes] : rows) {
            LoginButtons buttons;
            int changed = 0;
            for (QChar m : moves)
                changed
                    += (m == u'b' ? buttons.hoverBackground() : buttons.hoverButton(m.digitValue())) ? 1 : 0;
            QCOMPARE(buttons.highlighted(), highlighted);
            QCOMPARE(changed, changes);
            for (int i = 0; i < LoginButtons::Count; ++i) {
                QCOMPARE(buttons.bordered(i), i == highlighted);
                QCOMPARE(buttons.face(i), i == highlighted ? i + 3 : i);
            }
        }
    }

    // The start window: its jingle once shown, the hover faces and borders, a game in its place
    // and back, and the shortcuts.
    void startWindow()
    {
        TestSupport::ScriptedContext s;
        RecordingMciDevices mci;
        s.context.mci = &mci;
        s.random.setValues({ 0.6 }); // login digit = int(0.6 * 4) = 2
        FrmLogin login(s.context);
        QVERIFY(!login.offers(FrmLogin::SlidingButton));
        QVERIFY(!login.button(FrmLogin::SlidingButton)->isVisibleTo(&login));
        int made = 0;
        login.registerGame(FrmLogin::SlidingButton, [&made] {
            ++made;
            auto* w = new QWidget;
            w->setWindowTitle(QStringLiteral("game"));
            return w;
        });
        QVERIFY(login.button(FrmLogin::SlidingButton)->isVisibleTo(&login));
        QVERIFY(!login.button(FrmLogin::JigsawButton)->isVisibleTo(&login));
        QVERIFY(mci.commands().isEmpty());
        login.show();
        QVERIFY(QTest::qWaitForWindowExposed(&login));
        QTRY_VERIFY(!mci.commands().isEmpty());
        const QStringList jingle = mci.commands();
        QVERIFY2(jingle.first().contains(QStringLiteral("login2.wav")), qPrintable(jingle.first()));
        QVERIFY(jingle.last().startsWith(QStringLiteral("Play ")));

        const QImage normal = login.button(2)->pixmap().toImage();
        QTest::mouseMove(login.button(2), QPoint(10, 10));
        QCOMPARE(login.hover().highlighted(), 2);
        QCOMPARE(login.button(2)->frameShape(), QFrame::Box);
        QVERIFY(login.button(2)->pixmap().toImage() != normal);
        QTest::mouseMove(&login, QPoint(5, 5));
        QCOMPARE(login.hover().highlighted(), -1);
        QCOMPARE(login.button(2)->frameShape(), QFrame::NoFrame);
        QCOMPARE(login.button(2)->pixmap().toImage(), normal);

        QTest::mouseClick(login.button(FrmLogin::SlidingButton), Qt::LeftButton);
        QCOMPARE(made, 1);
        QVERIFY(login.gameWindow());
        QVERIFY(login.gameWindow()->isVisible());
        QVERIFY(!login.isVisible());

        login.gameWindow()->close(); // deleted on close
        QTRY_VERIFY(login.isVisible());
        QVERIFY(!login.gameWindow());

        // Ctrl+L chooses the sliding puzzle; Ctrl+J offers nothing while the jigsaw is absent.
        login.activateWindow();
        QTest::keyClick(&login, Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(made, 1);
        QTest::keyClick(&login, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(made, 2);
        QTRY_VERIFY(!login.isVisible());
        login.gameWindow()->close();
        QTRY_VERIFY(login.isVisible());
    }
};

QTEST_MAIN(TestLogin)
#include "tst_login.moc"

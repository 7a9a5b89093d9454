// tst_options.cpp: the Options dialog: its model turned into the record written, and the dialog's
// controls driven by synthetic input.
#include "OptionsDialog.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    // Only the fields whose shown value changed are written; every other byte stays.
    void recordWritten_data()
    {
        QTest::addColumn<Game>("game");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("choices"); // letter and shown value, e.g. "M0 L1"
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("swap off, numbers on") << Game::Sliding << QByteArray("G0,BF0132768,D1,M1,L0,K1,S1,\r\nG1,X\r\n")
                                              << "M0 L1" << QByteArray("G0,BF0132768,D1,M0,L1,K1,S1,\r\nG1,X\r\n");
        QTest::newRow("values read as shown stay") << Game::Sliding << QByteArray("G0,M7,L5,K9,S2,\r\n")
                                                   << "M1 L0 K1 S1" << QByteArray("G0,M7,L5,K9,S2,\r\n");
        QTest::newRow("L7 counts as off, turned on") << Game::Sliding << QByteArray("G0,L7,\r\n") << "L1"
                                                     << QByteArray("G0,L1,\r\n");
        QTest::newRow("style from random") << Game::Jigsaw << QByteArray("G1,R0,S1,P15,\r\n") << "P3 R1"
                                           << QByteArray("G1,R1,S1,P3,\r\n");
        QTest::newRow("missing field added") << Game::Jigsaw << QByteArray("G1,S1\r\n") << "R1"
                                             << QByteArray("G1,S1,R1,\r\n");
    }
    void recordWritten()
    {
        QFETCH(Game, game);
        QFETCH(QByteArray, before);
        QFETCH(QString, choices);
        QFETCH(QByteArray, after);
        TestSupport::DataFolder folder;
        folder.write(QStringLiteral("fav.dll"), before);
        QString record = *storedFavRecord(folder.path(), game);
        OptionsModel model(game, record, true);
        for (const QString& choice : choices.split(u' '))
            model.setValue(choice[0], choice.mid(1).toInt());
        for (const FavChange& change : model.changes()) {
            FavSave status = FavSave::Failed;
            record = UpdateFavRecord(folder.path(), game, record, change, &status);
            QCOMPARE(status, FavSave::Saved);
        }
        QCOMPARE(folder.read(QStringLiteral("fav.dll")), after);
        QCOMPARE(OptionsModel(game, record, true).changes().size(), 0);
    }

    // Clicks and keys on the controls reach the model only through OK.
    void dialogControls()
    {
        OptionsModel logic(Game::Sliding, QStringLiteral("G0,M1,L0,K1,S1,"), true);
        OptionsDialog dialog(logic);
        QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("option_L")), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QCheckBox*>(QStringLiteral("option_animations")), Qt::LeftButton);
        QCOMPARE(logic.value(u'L'), 0);
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(logic.value(u'L'), 1);
        QCOMPARE(logic.value(u'M'), 1);
        QVERIFY(!logic.animations());

        OptionsModel jigsaw(Game::Jigsaw, QStringLiteral("G1,R0,S1,P2,"), true);
        OptionsDialog second(jigsaw);
        QComboBox* style = second.findChild<QComboBox*>(QStringLiteral("option_P"));
        QCOMPARE(style->currentText(), QStringLiteral("Style 2"));
        QTest::keyClick(style, Qt::Key_Down);
        QTest::mouseClick(second.findChild<QCheckBox*>(QStringLiteral("option_R")), Qt::LeftButton);
        QTest::mouseClick(second.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QVERIFY(jigsaw.changes().isEmpty());
        second.accept();
        QCOMPARE(jigsaw.value(u'P'), 3);
        QCOMPARE(jigsaw.value(u'R'), 1);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"

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
        QTest::newRow("values read as shown stay") << Game::Sliding << QByteArray("G0,M7,L5,K9,S2,\r\n")
                                                   << "M1 L0 K1 S1" << QByteArray("G0,M7,L5,K9,S2,\r\n");
        QTest::newRow("style from random") << Game::Jigsaw << QByteArray("G1,R0,S1,P15,\r\n") << "P3 R1"
                                           << QByteArray("G1,R1,S1,P3,\r\n");
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
        for (const FavChange& change : model.changes())
            record = UpdateFavRecord(folder.path(), game, record, change);
        QCOMPARE(folder.read(QStringLiteral("fav.dll")), after);
        QVERIFY(OptionsModel(game, record, true).changes().isEmpty());
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
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(model.value(u'R'), 1);
        QCOMPARE(model.value(u'P'), 3);
        QVERIFY(!model.animations());
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"

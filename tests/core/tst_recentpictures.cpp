// tst_recentpictures.cpp: the recent-pictures list: order, length, missing and damaged entries,
// and a list that cannot be written.
#include "RecentPictures.h"

#include <QtTest>

class TestRecentPictures : public QObject {
    Q_OBJECT

private slots:
    // Names stand for files in a temporary folder; "-name" is one that does not exist.
    void add_data()
    {
        QTest::addColumn<QStringList>("kept");  // the list file before, in order
        QTest::addColumn<QString>("added");
        QTest::addColumn<QStringList>("after"); // the list read back
        const QStringList ten { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9" };
        QTest::newRow("first pick") << QStringList() << "a" << QStringList { "a" };
        QTest::newRow("most recent first, once") << QStringList { "a", "b", "c" } << "b" << QStringList { "b", "a", "c" };
        QTest::newRow("missing files dropped") << QStringList { "a", "-gone", "c" } << "d" << QStringList { "d", "a", "c" };
        QTest::newRow("ten kept") << ten << "new" << (QStringList { "new" } + ten.mid(0, 9));
        QTest::newRow("damaged list") << QStringList { "<garbage>" } << "a" << QStringList { "a" };
    }
    void add()
    {
        QFETCH(QStringList, kept);
        QFETCH(QString, added);
        QFETCH(QStringList, after);
        QTemporaryDir dir;
        auto path = [&](QString name) { return dir.filePath(name.remove('-') + ".png"); };
        QByteArray list;
        for (const QString& name : kept + QStringList { added }) {
            if (name == "<garbage>") {
                list += QByteArray("relative.png\n\xff\xfe\0/x\n", 16);
                continue;
            }
            if (!name.startsWith('-')) {
                QFile file(path(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
            if (name != added || kept.contains(added))
                list += path(name).toUtf8() + '\n';
        }
        QFile listFile(dir.filePath("recent.txt"));
        QVERIFY(listFile.open(QIODevice::WriteOnly) && listFile.write(list) == list.size());
        listFile.close();

        RecentPictures recent(listFile.fileName());
        QVERIFY(recent.add(path(added)));
        QStringList expected;
        for (const QString& name : after)
            expected << path(name);
        QCOMPARE(recent.paths(), expected);
    }

    void unwritable()
    {
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        RecentPictures recent(dir.filePath("plain/recent.txt"));
        QString error;
        QVERIFY(!recent.add(plain.fileName(), &error));
        QVERIFY2(error.contains("plain/recent.txt"), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestRecentPictures)
#include "tst_recentpictures.moc"

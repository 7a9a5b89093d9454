// tst_mmedia.cpp: the command strings of the media object, its "if open" rules and its aliases.
#include "MciDevices.h"
#include "Mmedia.h"
#include "RecordingMciDevices.h"

#include <QtTest>

class TestMmedia : public QObject
{
    Q_OBJECT

private slots:
    // The alias is the command's fourth word from the end.
    void openCommand_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QString>("command");
        QTest::newRow("wave") << "/g/sound/login2.wav" << 37 << "Open /g/sound/login2.wav ALIAS wav37 TYPE Waveaudio wait";
        QTest::newRow("spaces quoted") << "/my games/sound/move1.wav" << 5
                                       << "Open \"/my games/sound/move1.wav\" ALIAS wav5 TYPE Waveaudio wait";
        QTest::newRow("ending as written") << "/g/FANFARE.WaV" << 0 << "Open /g/FANFARE.WaV ALIAS WaV0 TYPE Waveaudio wait";
        QTest::newRow("video") << "clip.avi" << 59 << "Open clip.avi ALIAS avi59 TYPE AviVideo wait";
        QTest::newRow("midi") << "tune.MID" << 12 << "Open tune.MID ALIAS MID12 TYPE Sequencer wait";
        QTest::newRow("last three only") << "xwav" << 8 << "Open xwav ALIAS wav8 TYPE Waveaudio wait";
        QTest::newRow("mp3 opens nothing") << "/g/song.mp3" << 37 << "";
        QTest::newRow("wave extension") << "/g/song.wave" << 37 << "";
        QTest::newRow("too short") << "av" << 37 << "";
        QTest::newRow("empty") << "" << 37 << "";
    }
    void openCommand()
    {
        QFETCH(QString, file);
        QFETCH(int, minute);
        QFETCH(QString, command);
        RecordingMciDevices devices;
        Mmedia media(&devices, [minute] { return minute; });
        media.mmOpen(file);
        QCOMPARE(devices.commands(), command.isEmpty() ? QStringList() : QStringList { command });
        QCOMPARE(media.alias(), command.section(u' ', -4, -4));
        QCOMPARE(media.Filename(), command.isEmpty() ? QString() : file);
    }

    // Every operation on an open object, Play waiting or not, and the seek positions as written.
    void operationsWhenOpen()
    {
        const QList<std::pair<float, QString>> seeks { { 1500.0f, "1500" }, { 0.0f, "0" }, { 2.5f, "2.5" },
            { 0.1f, "0.1" }, { 1.0e7f, "10000000" }, { -40.0f, "-40" } };
        for (bool wait : { false, true }) {
            RecordingMciDevices devices;
            Mmedia media(&devices, [] { return 7; });
            QCOMPARE(media.Wait(), false);
            media.Wait(wait);
            media.mmOpen(QStringLiteral("a.wav"));
            devices.clear();
            media.mmPlay();
            media.mmPause();
            media.mmStop();
            media.Position(250);
            QStringList expected { wait ? "Play wav7 wait" : "Play wav7", "Pause wav7", "Stop wav7",
                "Seek wav7 to 250" };
            for (const auto& [position, text] : seeks) {
                media.mmSeek(position);
                expected << "Seek wav7 to " + text;
            }
            media.mmClose();
            QCOMPARE(devices.commands(), expected << "Close wav7");
            QCOMPARE(media.alias(), QString());
            QCOMPARE(media.Filename(), QString());
        }
    }

    // Nothing open, or no device layer at all: nothing is sent and nothing breaks.
    void closedObjectDoesNothingButSeek()
    {
        RecordingMciDevices devices;
        Mmedia media(&devices, [] { return 7; });
        media.mmOpen(QStringLiteral("song.mp3"));
        media.mmPlay();
        media.mmPause();
        media.mmStop();
        media.mmClose();
        QCOMPARE(media.Length(), 0.0f);
        QCOMPARE(media.Position(), 0.0f);
        QCOMPARE(media.Status(), QString());
        QCOMPARE(devices.commands(), QStringList());
        // Seek goes out even with no alias; the device layer rejects it.
        media.mmSeek(3);
        QCOMPARE(devices.commands(), QStringList { "Seek  to 3" });

        Mmedia detached(nullptr, [] { return 30; });
        detached.mmOpen(QStringLiteral("a.wav"));
        detached.mmPlay();
        detached.mmSeek(5);
        QCOMPARE(detached.alias(), QStringLiteral("wav30"));
        QCOMPARE(detached.Length(), 0.0f);
        QCOMPARE(detached.Status(), QString());
    }

    void filenameWriteOpensAndReopenClosesFirst()
    {
        RecordingMciDevices devices;
        int minute = 10;
        Mmedia media(&devices, [&minute] { return minute; });
        media.Filename(QStringLiteral("one.wav"));
        minute = 11;
        media.Filename(QStringLiteral("two.mid"));
        QCOMPARE(devices.commands(),
                 (QStringList { "Open one.wav ALIAS wav10 TYPE Waveaudio wait", "Close wav10",
                                "Open two.mid ALIAS mid11 TYPE Sequencer wait" }));
        QCOMPARE(media.Filename(), QStringLiteral("two.mid"));
        // A name that opens nothing still closes what was open.
        media.Filename(QStringLiteral("three.ogg"));
        QCOMPARE(devices.commands().last(), QStringLiteral("Close mid11"));
        QCOMPARE(media.Filename(), QString());
    }

    void replies_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<float>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "1500" << 1500.0f << "1500";
        QTest::newRow("cut at NUL") << QStringLiteral("240") + QChar(u'\0') + QStringLiteral("999") << 240.0f << "240";
        QTest::newRow("fraction") << "12.5" << 12.5f << "12.5";
        QTest::newRow("trailing text") << "300ms" << 300.0f << "300ms";
        QTest::newRow("word") << "playing" << 0.0f << "playing";
        QTest::newRow("empty") << "" << 0.0f << "";
        QTest::newRow("NUL first") << QString(QChar(u'\0')) + QStringLiteral("77") << 0.0f << "";
        QTest::newRow("cut at 255") << QString(254, u'0') + QStringLiteral("12") << 1.0f
                                    << QString(254, u'0') + QStringLiteral("1");
    }
    void replies()
    {
        QFETCH(QString, reply);
        QFETCH(float, number);
        QFETCH(QString, text);
        RecordingMciDevices devices;
        Mmedia media(&devices, [] { return 1; });
        media.mmOpen(QStringLiteral("a.wav"));
        devices.setReply(QStringLiteral("Status wav1 length"), reply);
        devices.setReply(QStringLiteral("Status wav1 position"), reply);
        devices.setReply(QStringLiteral("Status wav1 mode"), reply);
        QCOMPARE(media.Length(), number);
        QCOMPARE(media.Position(), number);
        QCOMPARE(media.Status(), text);
    }

    // Two devices of the same kind opened within one minute: the second must still be heard.
    void aliasesStayUnique()
    {
        RecordingMciDevices devices;
        auto minute = [] { return 42; };
        Mmedia jingle(&devices, minute);
        Mmedia fanfare(&devices, minute);
        Mmedia tune(&devices, minute);
        jingle.mmOpen(QStringLiteral("login1.wav"));
        fanfare.mmOpen(QStringLiteral("SUCCESS3.WAV"));
        tune.mmOpen(QStringLiteral("tune.mid"));
        QCOMPARE(jingle.alias(), QStringLiteral("wav42"));
        QCOMPARE(fanfare.alias(), QStringLiteral("WAV42_2"));
        QCOMPARE(tune.alias(), QStringLiteral("mid42"));
        QCOMPARE(devices.openAliases().size(), 3);

        // Once the jingle has closed its plain alias is free again; the fanfare keeps its own.
        jingle.mmClose();
        Mmedia again(&devices, minute);
        again.mmOpen(QStringLiteral("login0.wav"));
        QCOMPARE(again.alias(), QStringLiteral("wav42"));
        fanfare.mmOpen(QStringLiteral("success4.wav"));
        QCOMPARE(fanfare.alias(), QStringLiteral("wav42_2"));
        QCOMPARE(devices.openAliases().size(), 3);

        // Another device layer keeps aliases of its own.
        RecordingMciDevices other;
        Mmedia elsewhere(&other, minute);
        elsewhere.mmOpen(QStringLiteral("b.wav"));
        QCOMPARE(elsewhere.alias(), QStringLiteral("wav42"));

        // Destroyed, a media object closes its device.
        {
            Mmedia brief(&devices, [] { return 20; });
            brief.mmOpen(QStringLiteral("a.wav"));
        }
        QCOMPARE(devices.commands().last(), QStringLiteral("Close wav20"));
        QCOMPARE(devices.openAliases().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestMmedia)
#include "tst_mmedia.moc"

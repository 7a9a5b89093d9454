// tst_qteffectplayer.cpp: effects are dropped while another still plays, by the clock and the
// effects' own durations, and fail silently without file or output.
#include "AppContext.h"
#include "AudioOutputs.h"
#include "MciDevices.h"
#include "QtEffectPlayer.h"
#include "SoundSystem.h"
#include "TestSupport.h"
#include "WaveBuilder.h"

#include <QtTest>

namespace {
// Records what the player asks of the sound hardware.
class FakeOutput : public EffectOutput
{
public:
    bool available() override { return present; }
    bool start(const QString& file) override
    {
        log.append(QStringLiteral("start ") + QFileInfo(file).fileName());
        return startWorks;
    }
    void stop() override { log.append(QStringLiteral("stop")); }

    bool present = true;
    bool startWorks = true;
    QStringList log;
};

struct Rig
{
    Rig()
    {
        folder.write(QStringLiteral("long.wav"), silentWave(1, 22050, 16, 11025)); // 500 ms
        folder.write(QStringLiteral("short.wav"), silentWave(1, 44100, 16, 8820)); // 200 ms
        auto fake = std::make_unique<FakeOutput>();
        output = fake.get();
        player = std::make_unique<QtEffectPlayer>(std::move(fake), [this] { return now; });
    }
    bool play(const QString& name, unsigned flags)
    {
        return player->sndPlaySoundA(name.isEmpty() ? QString() : folder.filePath(name), flags);
    }

    TestSupport::DataFolder folder;
    qint64 now = 1000;
    FakeOutput* output = nullptr;
    std::unique_ptr<QtEffectPlayer> player;
};
} // namespace

class TestQtEffectPlayer : public QObject
{
    Q_OBJECT

private slots:
    void sequences_data()
    {
        // Steps "time file flags result [output]"; "-" is the empty file name; the output is "absent" or
        // "refuses" to start for that step. A failed start leaves the player free.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("dropped one millisecond early") << QStringList { "0 long.wav 8209 1",
            "499 short.wav 8209 0" } << QStringList { "start long.wav" };
        QTest::newRow("free once over") << QStringList { "0 long.wav 8209 1", "500 short.wav 8209 1" }
                                        << QStringList { "start long.wav", "start short.wav" };
        QTest::newRow("a dropped effect takes no time")
            << QStringList { "0 long.wav 8209 1", "400 short.wav 8209 0", "500 short.wav 8209 1" }
            << QStringList { "start long.wav", "start short.wav" };
        QTest::newRow("short one is over sooner")
            << QStringList { "0 short.wav 8209 1", "200 long.wav 8209 1", "300 short.wav 8209 0" }
            << QStringList { "start short.wav", "start long.wav" };
        QTest::newRow("without no-stop it cuts in") << QStringList { "0 long.wav 8209 1", "100 short.wav 1 1" }
                                                    << QStringList { "start long.wav", "stop", "start short.wav" };
        QTest::newRow("missing file occupies nothing")
            << QStringList { "0 absent.wav 8209 0", "1 short.wav 8209 1" } << QStringList { "start short.wav" };
        QTest::newRow("empty name silences")
            << QStringList { "0 long.wav 8209 1", "100 - 0 1", "101 short.wav 8209 1" }
            << QStringList { "start long.wav", "stop", "start short.wav" };
        QTest::newRow("no output") << QStringList { "0 long.wav 8209 0 absent", "0 short.wav 8209 1" }
                                   << QStringList { "start short.wav" };
        QTest::newRow("start fails") << QStringList { "0 long.wav 8209 0 refuses", "0 short.wav 8209 1" }
                                     << QStringList { "start long.wav", "start short.wav" };
    }
    void sequences()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, log);
        Rig rig;
        const qint64 origin = rig.now;
        for (const QString& step : steps) {
            const QStringList parts = step.split(u' ');
            rig.now = origin + parts[0].toLongLong();
            const QString file = parts[1] == u"-" ? QString() : parts[1];
            rig.output->present = parts.value(4) != u"absent";
            rig.output->startWorks = parts.value(4) != u"refuses";
            QCOMPARE(rig.play(file, parts[2].toUInt()), parts[3] == u"1");
        }
        QCOMPARE(rig.output->log, log);
    }

    void soundSystemFillsTheContext()
    {
        SoundSystem system;
        TestSupport::ScriptedContext scripted;
        system.install(scripted.context);
        QCOMPARE(scripted.context.mci, system.mci());
        QCOMPARE(scripted.context.effects, system.effects());
        if (AudioOutputs::available())
            QSKIP("this machine has an audio output; the silent path cannot be checked here");
        const QString move = QDir(qEnvironmentVariable("QUARRY_RUNTIME_DIR")).filePath(QStringLiteral("sound/move0.wav"));
        QVERIFY(QFile::exists(move));
        QCOMPARE(system.effects()->sndPlaySoundA(move, EffectPlayer::GameFlags), false);
        QString reply;
        QCOMPARE(system.mci()->sendString("Open " + move + " ALIAS m TYPE Waveaudio wait", &reply), 0);
        QCOMPARE(system.mci()->sendString(QStringLiteral("Play m"), &reply), int(MciDevices::NoAudioDevice));
    }
};

QTEST_GUILESS_MAIN(TestQtEffectPlayer)
#include "tst_qteffectplayer.moc"

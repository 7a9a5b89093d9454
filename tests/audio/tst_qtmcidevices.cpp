// tst_qtmcidevices.cpp: wave headers, and the Qt device layer and effect player on real files without
// audio hardware: effects are dropped while another still plays, by the clock and the effects' own
// durations, and fail silently without file or output. The wave files beside the program are all
// there, readable as 16-bit PCM, and exactly what the generator makes every time; the sounds' own
// qualities (lengths, levels, quiet ends) are checked by the generator itself (ctest soundgen_check).
#include "AppContext.h"
#include "AudioOutputs.h"
#include "QtEffectPlayer.h"
#include "QtMciDevices.h"
#include "SoundSystem.h"
#include "TestSupport.h"
#include "WaveBuilder.h"
#include "WaveFile.h"

#include <QtTest>

namespace {
QtMciDevices::AudioProbe noOutput() { return [] { return false; }; }

const QStringList SoundNames = { "login0", "login1", "login2", "login3", "move0", "move1", "move2", "move3",
    "move4", "move5", "move6", "move7", "move8", "move9", "success0", "success1", "success2", "success3",
    "success4", "success5", "together0", "together1", "rotate" };

QString soundFolder()
{
    return QDir(qEnvironmentVariable("QUARRY_RUNTIME_DIR")).filePath(QStringLiteral("sound"));
}

QByteArray wave(const QString& folder, const QString& name)
{
    QFile file(QDir(folder).filePath(name + QStringLiteral(".wav")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Records what the player asks of the sound hardware.
class FakeOutput : public EffectOutput {
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

struct Rig {
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

class TestQtMciDevices : public QObject
{
    Q_OBJECT

private slots:
    void waveInfo()
    {
        const QList<std::pair<QByteArray, QString>> rows { // channels, rate, frames, ms; empty: unreadable
            { silentWave(1, 22050, 16, 22050), "1 22050 22050 1000" },
            { silentWave(2, 44100, 16, 11025), "2 44100 11025 250" },
            { silentWave(1, 44100, 16, 44099), "1 44100 44099 999" }, // rounded down
            { buildWave({ 1, 8000, 8, 4000, QByteArray("LISTabc"), 0 }),
                "1 8000 4000 500" }, // odd chunk first
            { buildWave({ 1, 1000, 16, 100, {}, 100000 }),
                "1 1000 100 100" }, // data claims more than present
            { QByteArray("RIFX0000WAVEfmt "), "" }, { silentWave(1, 22050, 16, 10).left(36), "" }, // no data
            { silentWave(1, 0, 16, 10), "" }, { QByteArray(), "" }
        };
        TestSupport::DataFolder folder;
        for (const auto& [bytes, info] : rows) {
            folder.write(QStringLiteral("x.wav"), bytes);
            const auto read = WaveFile::readInfo(folder.filePath(QStringLiteral("x.wav")));
            QVERIFY2(read.has_value() == !info.isEmpty(), qPrintable(info));
            if (read)
                QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                             .arg(read->channels)
                             .arg(read->sampleRate)
                             .arg(read->frames())
                             .arg(read->durationMs()),
                    info);
        }
    }

    void commands_data()
    {
        // %1 = a one-second wave (open as open1, its name with a space), %2 = a text file, %3 = a
        // missing file; commands before a "|" must succeed, the last one gives the result and the
        // reply, which starts out "stale".
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("reply");
        QTest::newRow("length") << "Status open1 length" << 0 << "1000";
        QTest::newRow("position") << "Status open1 position" << 0 << "0";
        QTest::newRow("mode") << "Status open1 mode" << 0 << "stopped";
        QTest::newRow("pause while stopped") << "Pause open1" << 0 << "";
        QTest::newRow("stop while stopped") << "Stop open1" << 0 << "";
        QTest::newRow("play without output") << "Play open1" << int(MciDevices::NoAudioDevice) << "";
        QTest::newRow("second open, same alias")
            << "Open \"%1\" ALIAS OPEN1 TYPE Waveaudio wait" << int(MciDevices::AliasTaken) << "";
        QTest::newRow("another alias") << "Open \"%1\" ALIAS open2 TYPE Waveaudio wait" << 0 << "";
        QTest::newRow("type from ending") << "Open \"%1\" ALIAS open2" << 0 << "";
        QTest::newRow("missing file") << "Open %3 ALIAS open2 TYPE Waveaudio wait" << int(MciDevices::FileNotFound)
                                      << "";
        QTest::newRow("not a wave") << "Open %2 ALIAS open2 TYPE Waveaudio wait" << int(MciDevices::InvalidFile)
                                    << "";
        QTest::newRow("unknown type")
            << "Open \"%1\" ALIAS open2 TYPE Cdaudio" << int(MciDevices::UnknownDeviceType) << "";
        QTest::newRow("alias without value")
            << "Open \"%1\" ALIAS" << int(MciDevices::MissingParameter) << "";
        QTest::newRow("closed alias")
            << "Close open1|Status open1 mode" << int(MciDevices::UnknownAlias) << "";
        QTest::newRow("unknown alias") << "Play nobody" << int(MciDevices::UnknownAlias) << "";
        QTest::newRow("seek without alias") << "Seek  to 3" << int(MciDevices::UnrecognizedKeyword) << "";
        QTest::newRow("unknown verb") << "Dance open1" << int(MciDevices::UnrecognizedCommand) << "";
        QTest::newRow("empty") << "" << int(MciDevices::UnrecognizedCommand) << "";
        QTest::newRow("open quote") << "Open \"%1 ALIAS open2" << int(MciDevices::UnrecognizedCommand) << "";
        QTest::newRow("unknown status") << "Status open1 volume" << int(MciDevices::UnrecognizedKeyword) << "";
        QTest::newRow("status without item") << "Status open1" << int(MciDevices::MissingParameter) << "";
        QTest::newRow("stray keyword") << "Play open1 loudly" << int(MciDevices::UnrecognizedKeyword) << "";
        QTest::newRow("seek past end") << "Seek open1 to 1001" << int(MciDevices::OutOfRange) << "";
        QTest::newRow("seek negative") << "Seek open1 to -1" << int(MciDevices::OutOfRange) << "";
        QTest::newRow("seek to a word") << "Seek open1 to soon" << int(MciDevices::UnrecognizedKeyword) << "";
        QTest::newRow("seek without target") << "Seek open1 to" << int(MciDevices::MissingParameter) << "";
        const QString seek = QStringLiteral("Seek open1 to 600|Seek open1 to %1 wait|Status open1 position");
        QTest::newRow("seek to a number") << seek.arg("250") << 0 << "250";
        QTest::newRow("seek to a fraction") << seek.arg("250.75") << 0 << "250";
        QTest::newRow("seek to the end") << seek.arg("end") << 0 << "1000";
        QTest::newRow("seek to the start") << seek.arg("START") << 0 << "0";
    }
    void commands()
    {
        QFETCH(QString, command);
        QFETCH(int, result);
        QFETCH(QString, reply);
        TestSupport::DataFolder folder;
        folder.write(QStringLiteral("second take.wav"), silentWave(1, 22050, 16, 22050));
        folder.write(QStringLiteral("notes.wav"), QByteArray("just text, no header"));
        QtMciDevices devices(noOutput());
        const QString wave = folder.filePath(QStringLiteral("second take.wav"));
        QCOMPARE(devices.sendString("Open \"" + wave + "\" ALIAS open1 TYPE Waveaudio wait", nullptr), 0);
        const QString sent
            = QString(command)
                  .replace(QStringLiteral("%1"), wave)
                  .replace(QStringLiteral("%2"), folder.filePath(QStringLiteral("notes.wav")))
                  .replace(QStringLiteral("%3"), folder.filePath(QStringLiteral("absent.wav")));
        QStringList sequence = sent.split(u'|');
        const QString last = sequence.takeLast();
        for (const QString& first : sequence)
            QCOMPARE(devices.sendString(first, nullptr), 0);
        QString answer = QStringLiteral("stale");
        QCOMPARE(devices.sendString(last, &answer), result);
        QCOMPARE(answer, reply);
        QCOMPARE(devices.openCount(),
            int(command.contains(u"open2") && result == 0) + int(!command.startsWith(u"Close")));
    }

    // Steps "time file flags result [output]"; "-" is the empty file name; the output is "absent" or
    // "refuses" to start for that step. A failed start leaves the player free.
    void sequences()
    {
        const QList<std::pair<QStringList, QStringList>> rows {
            // steps, the output's log
            { { "0 long.wav 8209 1", "499 short.wav 8209 0" },
                { "start long.wav" } }, // dropped one millisecond early
            { { "0 long.wav 8209 1", "500 short.wav 8209 1" },
                { "start long.wav", "start short.wav" } }, // free once over
            { { "0 long.wav 8209 1", "400 short.wav 8209 0", "500 short.wav 8209 1" },
                { "start long.wav", "start short.wav" } }, // a dropped effect takes no time
            { { "0 short.wav 8209 1", "200 long.wav 8209 1", "300 short.wav 8209 0" },
                { "start short.wav", "start long.wav" } }, // short one is over sooner
            { { "0 long.wav 8209 1", "100 short.wav 1 1" },
                { "start long.wav", "stop", "start short.wav" } }, // without no-stop it cuts in
            { { "0 absent.wav 8209 0", "1 short.wav 8209 1" },
                { "start short.wav" } }, // missing file occupies nothing
            { { "0 long.wav 8209 1", "100 - 0 1", "101 short.wav 8209 1" },
                { "start long.wav", "stop", "start short.wav" } }, // empty name silences
            { { "0 long.wav 8209 0 absent", "0 short.wav 8209 1" }, { "start short.wav" } }, // no output
            { { "0 long.wav 8209 0 refuses", "0 short.wav 8209 1" },
                { "start long.wav", "start short.wav" } }, // start fails
            { { "0 long.wav 8209 1", "100 short.wav 1 0 refuses", "200 short.wav 8209 1" },
                { "start long.wav", "stop", "start short.wav", "start short.wav" } }, // failed cut-in
        };
        for (const auto& [steps, log] : rows) {
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
        const QString move = QDir(soundFolder()).filePath(QStringLiteral("move0.wav"));
        QVERIFY(QFile::exists(move));
        QCOMPARE(system.effects()->sndPlaySoundA(move, EffectPlayer::GameFlags), false);
        QString reply;
        QCOMPARE(system.mci()->sendString("Open " + move + " ALIAS m TYPE Waveaudio wait", &reply), 0);
        QCOMPARE(system.mci()->sendString(QStringLiteral("Play m"), &reply), int(MciDevices::NoAudioDevice));
    }

    // Without a folder the generator tells its usage; given one, it writes the shipped files again.
    void shippedFilesAreWhatTheGeneratorMakes()
    {
        for (const QString& name : SoundNames) {
            const auto info = WaveFile::readInfo(QDir(soundFolder()).filePath(name + QStringLiteral(".wav")));
            QVERIFY2(info && info->formatTag == 1 && info->bitsPerSample == 16 && info->channels == 1
                    && info->sampleRate == 44100 && info->dataBytes % info->blockAlign == 0,
                qPrintable(name));
        }
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString target = QDir(out.path()).filePath(QStringLiteral("new sound"));
        QProcess generator;
        generator.start(QStringLiteral(QUARRY_SOUNDGEN), {});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 2);
        QVERIFY(generator.readAllStandardError().startsWith("usage:"));
        generator.start(QStringLiteral(QUARRY_SOUNDGEN), { target });
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 0);
        QCOMPARE(QDir(target).entryList(QDir::Files).size(), SoundNames.size());
        for (const QString& name : SoundNames)
            QVERIFY2(wave(target, name) == wave(soundFolder(), name), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(TestQtMciDevices)
#include "tst_qtmcidevices.moc"

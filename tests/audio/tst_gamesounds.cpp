// tst_gamesounds.cpp: the command strings of the media object, its "if open" rules and its aliases;
// which file each game sound picks, in which order it reseeds and draws, and the sound switch.
#include "EffectPlayer.h"
#include "GameSounds.h"
#include "MciDevices.h"
#include "Mmedia.h"
#include "RecordingEffectPlayer.h"
#include "RecordingMciDevices.h"
#include "TestSupport.h"

#include <QtTest>

namespace {
const QString SoundOn = QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S1,");
const QString SoundOff = QStringLiteral("G0,BF0132768,D1,M1,L0,K1,S0,");

// Writes its reseeds and draws into the journal the recording doubles also write to.
class JournalRandom : public RandomSource
{
public:
    JournalRandom(QStringList* journal, double value)
        : m_journal(journal)
        , m_value(value)
    {
    }
    double next() override
    {
        m_journal->append(QStringLiteral("draw"));
        return m_value;
    }
    void reseed() override { m_journal->append(QStringLiteral("reseed")); }

private:
    QStringList* m_journal;
    double m_value;
};

struct Rig
{
    explicit Rig(double value, int minute = 5)
        : random(&journal, value)
        , sounds(scripted.context, [minute] { return minute; })
    {
        scripted.context.random = &random;
        scripted.context.mci = &mci;
        scripted.context.effects = &effects;
        mci.setJournal(&journal);
        effects.setJournal(&journal);
    }
    QString file(const QString& name) const
    {
        return QDir(scripted.folder.path()).filePath(QStringLiteral("sound/") + name + QStringLiteral(".wav"));
    }
    // "@name" stands for the effect line of name, "#name" for opening and playing it as wav5.
    QStringList expand(const QStringList& lines) const
    {
        QStringList out;
        for (const QString& line : lines) {
            if (line.startsWith(u'@'))
                out << "effect: " + file(line.mid(1)) + " 8209";
            else if (line.startsWith(u'#'))
                out << "mci: Open " + file(line.mid(1)) + " ALIAS wav5 TYPE Waveaudio wait"
                    << "mci: Play wav5";
            else
                out << line;
        }
        return out;
    }

    QStringList journal;
    TestSupport::ScriptedContext scripted;
    JournalRandom random;
    RecordingMciDevices mci;
    RecordingEffectPlayer effects;
    GameSounds sounds;
};
} // namespace

class TestGameSounds : public QObject
{
    Q_OBJECT

private slots:
    // The alias is the command's fourth word from the end; an empty command: nothing opens.
    void openCommand()
    {
        const QList<std::tuple<QString, int, QString>> rows { // file, minute, command
            { "/g/sound/login2.wav", 37, "Open /g/sound/login2.wav ALIAS wav37 TYPE Waveaudio wait" },
            { "/my games/sound/move1.wav", 5,
                "Open \"/my games/sound/move1.wav\" ALIAS wav5 TYPE Waveaudio wait" },
            { "/g/FANFARE.WaV", 0,
                "Open /g/FANFARE.WaV ALIAS WaV0 TYPE Waveaudio wait" }, // ending as written
            { "clip.avi", 59, "Open clip.avi ALIAS avi59 TYPE AviVideo wait" },
            { "tune.MID", 12, "Open tune.MID ALIAS MID12 TYPE Sequencer wait" },
            { "xwav", 8, "Open xwav ALIAS wav8 TYPE Waveaudio wait" }, // the last three letters only
            { "/g/song.mp3", 37, "" }, { "/g/song.wave", 37, "" }, { "av", 37, "" }, { "", 37, "" }
        };
        for (const auto& [file, minute, command] : rows) {
            RecordingMciDevices devices;
            Mmedia media(&devices, [minute = minute] { return minute; });
            media.mmOpen(file);
            QCOMPARE(devices.commands(), command.isEmpty() ? QStringList() : QStringList { command });
            QCOMPARE(media.alias(), command.section(u' ', -4, -4));
            QCOMPARE(media.Filename(), command.isEmpty() ? QString() : file);
        }
    }

    // Every operation on an open object, Play waiting or not, and the seek positions as written.
    // Nothing open: only seeks go out (the device layer rejects them), and the object reads as
    // empty. Without a device layer at all nothing breaks.
    void operations()
    {
        const QList<std::pair<float, QString>> seeks { { 1500.0f, "1500" }, { 0.0f, "0" }, { 2.5f, "2.5" },
            { 0.1f, "0.1" }, { 1.0e7f, "10000000" }, { -40.0f, "-40" } };
        for (const auto& [file, wait] : QList<std::pair<QString, bool>> {
                 { "a.wav", false }, { "a.wav", true }, { "song.mp3", false } }) {
            RecordingMciDevices devices;
            Mmedia media(&devices, [] { return 7; });
            QCOMPARE(media.Wait(), false);
            media.Wait(wait);
            media.mmOpen(file);
            devices.clear();
            media.mmPlay();
            media.mmPause();
            media.mmStop();
            media.Position(250);
            const QString alias = media.alias();
            QCOMPARE(alias, file == u"a.wav" ? QStringLiteral("wav7") : QString());
            QStringList expected;
            if (!alias.isEmpty())
                expected << (wait ? "Play wav7 wait" : "Play wav7") << "Pause wav7"
                         << "Stop wav7";
            expected << "Seek " + alias + " to 250";
            for (const auto& [position, text] : seeks) {
                media.mmSeek(position);
                expected << "Seek " + alias + " to " + text;
            }
            media.mmClose();
            if (!alias.isEmpty())
                expected << "Close wav7";
            QCOMPARE(media.alias(), QString());
            QCOMPARE(media.Filename(), QString());
            QCOMPARE(media.Length(), 0.0f);
            QCOMPARE(media.Position(), 0.0f);
            QCOMPARE(media.Status(), QString());
            QCOMPARE(devices.commands(), expected); // the closed object's readings ask nothing
        }

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

    // A reply is cut at its first NUL and at 255 characters; its number is its leading digits.
    void replies()
    {
        const QString zeros(254, u'0');
        const QList<std::tuple<QString, float, QString>> rows { { "1500", 1500.0f, "1500" },
            { QStringLiteral("240") + QChar(u'\0') + QStringLiteral("999"), 240.0f, "240" },
            { "12.5", 12.5f, "12.5" }, { "300ms", 300.0f, "300ms" }, { "playing", 0.0f, "playing" },
            { "", 0.0f, "" }, { QString(QChar(u'\0')) + QStringLiteral("77"), 0.0f, "" },
            { zeros + "12", 1.0f, zeros + "1" } };
        for (const auto& [reply, number, text] : rows) {
            RecordingMciDevices devices;
            Mmedia media(&devices, [] { return 1; });
            media.mmOpen(QStringLiteral("a.wav"));
            for (const char* item : { "length", "position", "mode" })
                devices.setReply(QStringLiteral("Status wav1 ") + QLatin1String(item), reply);
            QCOMPARE(media.Length(), number);
            QCOMPARE(media.Position(), number);
            QCOMPARE(media.Status(), text);
        }
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
    void effects_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("value");
        QTest::addColumn<QStringList>("expected"); // the journal (see Rig::expand)
        const QStringList none;
        const auto drawn = [](const QString& line) { return QStringList { "reseed", "draw", line }; };
        // The jingle plays whatever the switch says.
        QTest::newRow("jingle lowest") << "jingle" << SoundOff << 0.0 << drawn("#login0");
        QTest::newRow("jingle quarter") << "jingle" << SoundOff << 0.25 << drawn("#login1");
        QTest::newRow("jingle below 3/4") << "jingle" << SoundOn << 0.7499 << drawn("#login2");
        QTest::newRow("jingle highest") << "jingle" << SoundOn << 0.9999 << drawn("#login3");
        QTest::newRow("move") << "move" << SoundOn << 0.35 << drawn("@move3");
        QTest::newRow("move highest") << "move" << SoundOn << 0.9999 << drawn("@move9");
        QTest::newRow("move sound off") << "move" << SoundOff << 0.35 << none;
        QTest::newRow("move S2 is on") << "move"
                                       << "G0,D1,S2," << 0.0 << drawn("@move0");
        QTest::newRow("move no S field") << "move" << "G0,D1,M1," << 0.35 << none;
        QTest::newRow("rotate") << "rotate" << SoundOn << 0.5 << QStringList { "@rotate" };
        QTest::newRow("rotate sound off") << "rotate" << SoundOff << 0.5 << none;
        QTest::newRow("join low") << "join" << SoundOn << 0.4999 << drawn("@together0");
        QTest::newRow("join high") << "join" << SoundOn << 0.5 << drawn("@together1");
        QTest::newRow("join sound off") << "join" << SoundOff << 0.5 << none;
        // The jigsaw's success effect closes the window's jingle after it.
        QTest::newRow("success") << "success" << SoundOn << 0.84 << (drawn("@success5") << "mci: Close wav5");
        QTest::newRow("success sound off") << "success" << SoundOff << 0.84 << none;
    }
    void effects()
    {
        QFETCH(QString, kind);
        QFETCH(QString, record);
        QFETCH(double, value);
        QFETCH(QStringList, expected);
        for (bool deviceFree : { true, false }) {
            Rig rig(value);
            rig.effects.setResult(deviceFree);
            auto jingle = rig.sounds.makeMedia();
            jingle->Wait(true); // the jingle never waits, whatever the object held
            rig.sounds.playJingle(*jingle);
            if (kind != u"jingle")
                rig.journal.clear();
            bool started = false;
            if (kind == u"move")
                started = rig.sounds.playMove(record);
            else if (kind == u"rotate")
                started = rig.sounds.playRotate(record);
            else if (kind == u"join")
                started = rig.sounds.playJoin(record);
            else if (kind == u"success")
                started = rig.sounds.playJigsawSuccess(record, *jingle);
            QCOMPARE(rig.journal, rig.expand(expected));
            QCOMPARE(started, kind != u"jingle" && deviceFree && !expected.isEmpty());
            QCOMPARE(jingle->Wait(), false);
            QCOMPARE(jingle->alias().isEmpty(), expected.contains(u"mci: Close wav5"));
        }
    }

    // The fanfare opens in the same minute as the window's jingle: it must get its own alias and
    // be heard, and only then is the jingle closed. With sound off nothing happens.
    void slidingFanfareInTheJinglesMinute()
    {
        Rig rig(0.5, 33);
        auto jingle = rig.sounds.makeMedia();
        auto fanfare = rig.sounds.makeMedia();
        rig.sounds.playJingle(*jingle);
        rig.journal.clear();
        rig.sounds.playSlidingFanfare(SoundOff, *fanfare, *jingle);
        QCOMPARE(rig.journal, QStringList());
        QCOMPARE(jingle->alias(), QStringLiteral("wav33"));
        QCOMPARE(fanfare->alias(), QString());

        rig.sounds.playSlidingFanfare(SoundOn, *fanfare, *jingle);
        const QString open = "mci: Open " + rig.file("success3") + " ALIAS %1 TYPE Waveaudio wait";
        QCOMPARE(rig.journal,
            (QStringList { "reseed", "draw", open.arg("wav33_2"), "mci: Play wav33_2", "mci: Close wav33" }));
        QCOMPARE(rig.mci.openAliases(), QSet<QString> { "wav33_2" });

        // A second completion replaces the first fanfare.
        rig.journal.clear();
        rig.sounds.playSlidingFanfare(SoundOn, *fanfare, *jingle);
        QCOMPARE(rig.journal,
            (QStringList { "reseed", "draw", "mci: Close wav33_2", open.arg("wav33"), "mci: Play wav33" }));
    }

    void missingServicesAreSilent()
    {
        TestSupport::ScriptedContext scripted;
        scripted.context.random = nullptr;
        GameSounds sounds(scripted.context, [] { return 1; });
        auto jingle = sounds.makeMedia();
        sounds.playJingle(*jingle);
        QCOMPARE(sounds.playMove(SoundOn), false);
        QCOMPARE(sounds.playRotate(SoundOn), false);
        QCOMPARE(sounds.playJoin(SoundOn), false);
        QCOMPARE(sounds.playJigsawSuccess(SoundOn, *jingle), false);
        QCOMPARE(jingle->alias(), QString());
    }
};

QTEST_GUILESS_MAIN(TestGameSounds)
#include "tst_gamesounds.moc"

// tst_gamesounds.cpp: which file each game sound picks, in which order it reseeds and draws, and
// the sound switch.
#include "EffectPlayer.h"
#include "GameSounds.h"
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
                out << "mci: Open " + file(line.mid(1)) + " ALIAS wav5 TYPE Waveaudio wait" << "mci: Play wav5";
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
    void effects_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("value");
        QTest::addColumn<QStringList>("expected"); // the journal (see Rig::expand)
        const QStringList none;
        // The jingle plays whatever the switch says.
        QTest::newRow("jingle lowest") << "jingle" << SoundOff << 0.0 << QStringList { "reseed", "draw", "#login0" };
        QTest::newRow("jingle quarter") << "jingle" << SoundOff << 0.25 << QStringList { "reseed", "draw", "#login1" };
        QTest::newRow("jingle below 3/4") << "jingle" << SoundOn << 0.7499 << QStringList { "reseed", "draw", "#login2" };
        QTest::newRow("jingle highest") << "jingle" << SoundOn << 0.9999 << QStringList { "reseed", "draw", "#login3" };
        QTest::newRow("move") << "move" << SoundOn << 0.35 << QStringList { "reseed", "draw", "@move3" };
        QTest::newRow("move highest") << "move" << SoundOn << 0.9999 << QStringList { "reseed", "draw", "@move9" };
        QTest::newRow("move sound off") << "move" << SoundOff << 0.35 << none;
        QTest::newRow("move S2 is on") << "move" << "G0,D1,S2," << 0.0 << QStringList { "reseed", "draw", "@move0" };
        QTest::newRow("move no S field") << "move" << "G0,D1,M1," << 0.35 << none;
        QTest::newRow("rotate") << "rotate" << SoundOn << 0.5 << QStringList { "@rotate" };
        QTest::newRow("rotate sound off") << "rotate" << SoundOff << 0.5 << none;
        QTest::newRow("join low") << "join" << SoundOn << 0.4999 << QStringList { "reseed", "draw", "@together0" };
        QTest::newRow("join high") << "join" << SoundOn << 0.5 << QStringList { "reseed", "draw", "@together1" };
        QTest::newRow("join sound off") << "join" << SoundOff << 0.5 << none;
        // The jigsaw's success effect closes the window's jingle after it.
        QTest::newRow("success") << "success" << SoundOn << 0.84
                                 << QStringList { "reseed", "draw", "@success5", "mci: Close wav5" };
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

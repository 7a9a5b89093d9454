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
    // "@name" stands for the effect line of name.
    QStringList expand(const QStringList& lines) const
    {
        QStringList out;
        for (const QString& line : lines)
            out.append(line.startsWith(u'@') ? "effect: " + file(line.mid(1)) + " 8209" : line);
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
    void jingle_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("name");
        QTest::newRow("lowest") << 0.0 << "login0";
        QTest::newRow("quarter") << 0.25 << "login1";
        QTest::newRow("just below three quarters") << 0.7499 << "login2";
        QTest::newRow("highest") << 0.9999 << "login3";
    }
    void jingle()
    {
        QFETCH(double, value);
        QFETCH(QString, name);
        Rig rig(value, 14);
        auto media = rig.sounds.makeMedia();
        media->Wait(true); // the jingle never waits, whatever the object held
        rig.sounds.playJingle(*media);
        QCOMPARE(rig.journal,
                 (QStringList { "reseed", "draw",
                                "mci: Open " + rig.file(name) + " ALIAS wav14 TYPE Waveaudio wait",
                                "mci: Play wav14" }));
        QCOMPARE(media->Wait(), false);
    }

    void effects_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("record");
        QTest::addColumn<double>("value");
        QTest::addColumn<QStringList>("expected"); // journal; "@name" stands for the effect line of name
        const QStringList none;
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
            bool started = false;
            if (kind == u"move")
                started = rig.sounds.playMove(record);
            else if (kind == u"rotate")
                started = rig.sounds.playRotate(record);
            else
                started = rig.sounds.playJoin(record);
            QCOMPARE(rig.journal, rig.expand(expected));
            QCOMPARE(started, deviceFree && !expected.isEmpty());
        }
    }

    void jigsawSuccessPlaysThenClosesTheJingle_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("sound on") << SoundOn << QStringList { "reseed", "draw", "@success5", "mci: Close wav5" };
        QTest::newRow("sound off") << SoundOff << QStringList();
    }
    void jigsawSuccessPlaysThenClosesTheJingle()
    {
        QFETCH(QString, record);
        QFETCH(QStringList, expected);
        Rig rig(0.84);
        auto jingle = rig.sounds.makeMedia();
        rig.sounds.playJingle(*jingle);
        rig.journal.clear();
        QCOMPARE(rig.sounds.playJigsawSuccess(record, *jingle), !expected.isEmpty());
        QCOMPARE(rig.journal, rig.expand(expected));
        QCOMPARE(jingle->alias().isEmpty(), !expected.isEmpty());
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

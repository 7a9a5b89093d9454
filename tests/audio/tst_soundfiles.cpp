// tst_soundfiles.cpp: the generated wave files beside the program are all there, playable,
// within their lengths, free of clicks at their ends, and made the same way every time.
#include "WaveFile.h"

#include <QtTest>

#include <cstdlib>

namespace {
const QStringList SoundNames = { "login0",   "login1",   "login2",   "login3",    "move0",     "move1",
                                 "move2",    "move3",    "move4",    "move5",     "move6",     "move7",
                                 "move8",    "move9",    "success0", "success1",  "success2",  "success3",
                                 "success4", "success5", "together0", "together1", "rotate" };

QString soundFolder() { return QDir(qEnvironmentVariable("QUARRY_RUNTIME_DIR")).filePath(QStringLiteral("sound")); }

QByteArray wave(const QString& folder, const QString& name)
{
    QFile file(QDir(folder).filePath(name + QStringLiteral(".wav")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<int> readSamples(const QString& path, const WaveInfo& info)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(info.dataOffset))
        return {};
    const QByteArray data = file.read(info.dataBytes);
    QList<int> samples;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        samples.append(qint16(quint8(data[i]) | quint8(data[i + 1]) << 8));
    return samples;
}
} // namespace

class TestSoundFiles : public QObject
{
    Q_OBJECT

private slots:
    void files_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("shortestMs");
        QTest::addColumn<int>("longestMs");
        for (const QString& name : SoundNames) {
            if (name.startsWith(u"move"))
                QTest::newRow(qPrintable(name)) << name << 50 << 300;
            else if (name.startsWith(u"together") || name == u"rotate")
                QTest::newRow(qPrintable(name)) << name << 150 << 600;
            else
                QTest::newRow(qPrintable(name)) << name << 1000 << 3000;
        }
    }
    void files()
    {
        QFETCH(QString, name);
        QFETCH(int, shortestMs);
        QFETCH(int, longestMs);
        const QString path = QDir(soundFolder()).filePath(name + QStringLiteral(".wav"));
        const auto info = WaveFile::readInfo(path);
        QVERIFY2(info.has_value(), qPrintable(path));
        QCOMPARE(info->formatTag, 1);
        QCOMPARE(info->bitsPerSample, 16);
        QVERIFY2(info->sampleRate == 44100 || info->sampleRate == 22050, qPrintable(QString::number(info->sampleRate)));
        QVERIFY(info->channels == 1 || info->channels == 2);
        QCOMPARE(info->dataBytes % info->blockAlign, 0);
        QVERIFY2(info->durationMs() >= shortestMs && info->durationMs() <= longestMs,
                 qPrintable(QString::number(info->durationMs())));

        const QList<int> samples = readSamples(path, *info);
        QCOMPARE(samples.size(), info->frames() * info->channels);
        int peak = 0;
        for (int s : samples)
            peak = std::max(peak, std::abs(s));
        // Audible, with headroom: nothing clips.
        QVERIFY2(peak > 32767 / 5 && peak < 32767, qPrintable(QString::number(peak)));
        // Starts and ends at rest, so no click when the sound begins or stops.
        const int rest = 32767 / 200;
        QVERIFY2(std::abs(samples.first()) <= rest, qPrintable(QString::number(samples.first())));
        QVERIFY2(std::abs(samples.last()) <= rest, qPrintable(QString::number(samples.last())));
    }

    void filesDiffer()
    {
        QSet<QByteArray> contents;
        for (const QString& name : SoundNames)
            contents.insert(QCryptographicHash::hash(wave(soundFolder(), name), QCryptographicHash::Sha256));
        QCOMPARE(contents.size(), SoundNames.size());
    }

    void generatorIsDeterministic()
    {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString target = QDir(out.path()).filePath(QStringLiteral("new sound"));
        QProcess generator;
        generator.start(QStringLiteral(QUARRY_SOUNDGEN), { target });
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 0);
        QCOMPARE(QDir(target).entryList(QDir::Files).size(), SoundNames.size());
        for (const QString& name : SoundNames)
            QVERIFY2(wave(target, name) == wave(soundFolder(), name), qPrintable(name));
    }

    void generatorUsage()
    {
        QProcess generator;
        generator.start(QStringLiteral(QUARRY_SOUNDGEN), {});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 2);
        QVERIFY(generator.readAllStandardError().startsWith("usage:"));
    }
};

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_soundfiles.moc"

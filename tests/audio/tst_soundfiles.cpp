// tst_soundfiles.cpp: the wave files beside the program are all there, readable as 16-bit PCM,
// and exactly what the generator makes every time; the sounds' own qualities (lengths, levels,
// quiet ends) are checked by the generator itself (ctest soundgen_check).
#include "WaveFile.h"

#include <QtTest>

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
} // namespace

class TestSoundFiles : public QObject
{
    Q_OBJECT

private slots:
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

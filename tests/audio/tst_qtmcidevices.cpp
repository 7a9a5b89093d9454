// tst_qtmcidevices.cpp: wave headers and the Qt device layer on real files, without audio hardware.
#include "QtMciDevices.h"
#include "TestSupport.h"
#include "WaveBuilder.h"
#include "WaveFile.h"

#include <QtTest>

namespace {
QtMciDevices::AudioProbe noOutput() { return [] { return false; }; }
} // namespace

class TestQtMciDevices : public QObject
{
    Q_OBJECT

private slots:
    void waveInfo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("info"); // channels, rate, frames, milliseconds; empty when unreadable
        QTest::newRow("one second mono") << silentWave(1, 22050, 16, 22050) << "1 22050 22050 1000";
        QTest::newRow("stereo 44.1k") << silentWave(2, 44100, 16, 11025) << "2 44100 11025 250";
        QTest::newRow("rounded down") << silentWave(1, 44100, 16, 44099) << "1 44100 44099 999";
        QTest::newRow("odd chunk before data") << buildWave({ 1, 8000, 8, 4000, QByteArray("LIST" "abc"), 0 })
                                               << "1 8000 4000 500";
        QTest::newRow("data claims more than present") << buildWave({ 1, 1000, 16, 100, {}, 100000 })
                                                       << "1 1000 100 100";
        QTest::newRow("not riff") << QByteArray("RIFX0000WAVEfmt ") << "";
        QTest::newRow("no data chunk") << silentWave(1, 22050, 16, 10).left(36) << "";
        QTest::newRow("zero rate") << silentWave(1, 0, 16, 10) << "";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void waveInfo()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, info);
        TestSupport::DataFolder folder;
        folder.write(QStringLiteral("x.wav"), bytes);
        const auto read = WaveFile::readInfo(folder.filePath(QStringLiteral("x.wav")));
        QCOMPARE(read.has_value(), !info.isEmpty());
        if (read)
            QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                         .arg(read->channels)
                         .arg(read->sampleRate)
                         .arg(read->frames())
                         .arg(read->durationMs()),
                info);
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
        QTest::newRow("second open, same alias") << "Open \"%1\" ALIAS OPEN1 TYPE Waveaudio wait"
                                                 << int(MciDevices::AliasTaken) << "";
        QTest::newRow("another alias") << "Open \"%1\" ALIAS open2 TYPE Waveaudio wait" << 0 << "";
        QTest::newRow("type from ending") << "Open \"%1\" ALIAS open2" << 0 << "";
        QTest::newRow("missing file") << "Open %3 ALIAS open2 TYPE Waveaudio wait" << int(MciDevices::FileNotFound)
                                      << "";
        QTest::newRow("not a wave") << "Open %2 ALIAS open2 TYPE Waveaudio wait" << int(MciDevices::InvalidFile)
                                    << "";
        QTest::newRow("unknown type") << "Open \"%1\" ALIAS open2 TYPE Cdaudio" << int(MciDevices::UnknownDeviceType)
                                      << "";
        QTest::newRow("alias without value") << "Open \"%1\" ALIAS" << int(MciDevices::MissingParameter) << "";
        QTest::newRow("closed alias") << "Close open1|Status open1 mode" << int(MciDevices::UnknownAlias) << "";
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
        QCOMPARE(devices.sendString(
                     "Open \"" + folder.filePath("second take.wav") + "\" ALIAS open1 TYPE Waveaudio wait", nullptr),
            0);
        const QString sent = QString(command)
                                 .replace(QStringLiteral("%1"), folder.filePath(QStringLiteral("second take.wav")))
                                 .replace(QStringLiteral("%2"), folder.filePath(QStringLiteral("notes.wav")))
                                 .replace(QStringLiteral("%3"), folder.filePath(QStringLiteral("absent.wav")));
        QStringList sequence = sent.split(u'|');
        const QString last = sequence.takeLast();
        for (const QString& first : sequence)
            QCOMPARE(devices.sendString(first, nullptr), 0);
        QString answer = QStringLiteral("stale");
        QCOMPARE(devices.sendString(last, &answer), result);
        QCOMPARE(answer, reply);
        QCOMPARE(devices.openCount(), int(command.contains(u"open2") && result == 0) + int(!command.startsWith(u"Close")));
    }
};

QTEST_GUILESS_MAIN(TestQtMciDevices)
#include "tst_qtmcidevices.moc"

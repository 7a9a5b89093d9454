// TestSupport.cpp: temporary data folders and scripted contexts for the tests.
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace TestSupport {

DataFolder::DataFolder()
{
    QVERIFY2(m_dir.isValid(), "cannot create a temporary folder");
}

QString DataFolder::filePath(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

void DataFolder::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray DataFolder::read(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool DataFolder::exists(const QString& name) const { return QFile::exists(filePath(name)); }

ScriptedContext::ScriptedContext()
{
    context.dataFolder = folder.path();
    context.random = &random;
    context.messages = &messages;
    context.strings = StringTable(StringTable::Language::English);
    context.setSoundPaths();
}

InspectRun runInspect(const QStringList& args, const QByteArray& input)
{
    InspectRun run;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("quarry-inspect"),
                                                           {qEnvironmentVariable("QUARRY_RUNTIME_DIR")});
    if (program.isEmpty())
        return run;
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

qint64 area(const QRegion& region)
{
    qint64 total = 0;
    for (const QRect& r : region)
        total += qint64(r.width()) * r.height();
    return total;
}

qint64 contact(const QRegion& a, const QRegion& b)
{
    if (!a.boundingRect().adjusted(-1, -1, 1, 1).intersects(b.boundingRect()))
        return 0;
    qint64 total = 0;
    for (const QPoint& shift : { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) })
        total += area(a.translated(shift).intersected(b));
    return total;
}

QString boxText(const QRegion& region)
{
    const QRect box = region.boundingRect();
    return QStringLiteral("%1,%2 %3x%4").arg(box.left()).arg(box.top()).arg(box.width()).arg(box.height());
}

} // namespace TestSupport

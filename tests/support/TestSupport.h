// TestSupport.h: real files in a temporary data folder, and a context of scripted services.
#pragma once

#include "AppContext.h"
#include "MessageBoxes.h"
#include "RandomSource.h"

#include <QByteArray>
#include <QRegion>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace TestSupport {

// A temporary data folder; removed with the object.
class DataFolder
{
public:
    DataFolder();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// An AppContext over a temporary folder, with scripted random values and message boxes.
// Audio members stay null unless a test sets them.
struct ScriptedContext
{
    ScriptedContext();
    DataFolder folder;
    ScriptedRandom random;
    ScriptedMessageBoxes messages;
    AppContext context;
};

// The outcome of running the built quarry-inspect (found in QUARRY_RUNTIME_DIR).
struct InspectRun
{
    int status = -1; // -1: not found, crashed or timed out
    QString out;
    QString err;
};
InspectRun runInspect(const QStringList& args, const QByteArray& input = {});

// Number of pixels inside the region.
qint64 area(const QRegion& region);

// Pairs of 4-adjacent pixels, one in a and one in b (a and b disjoint): the length of their
// common border in pixel edges. Pieces that only meet at a point have (almost) none.
qint64 contact(const QRegion& a, const QRegion& b);

// "left,top widthxheight" of the region's bounding box, for failure messages.
QString boxText(const QRegion& region);

} // namespace TestSupport

// WindowOpenBench.cpp: each auxiliary window from construction and show() to its first paint.
#include "BenchGame.h"
#include "BuiltInPictures.h"
#include "JigsawNewGameDialog.h"
#include "LogicNewGameDialog.h"
#include "PictureOpening.h"
#include "FrmHelp.h"
#include "Frm_EyesPreview.h"
#include "Frm_LogicPreview.h"
#include "Frm_color.h"
#include "Frm_jigsawtool.h"
#include "Frm_tool.h"
#include "frmAbout.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QIcon>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Ends an event loop at the first paint event of the watched window or any widget in it
// (an application-wide filter: children may paint before, or instead of, the window itself).
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QEventLoop& loop)
        : m_loop(loop)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~FirstPaint() override { QCoreApplication::instance()->removeEventFilter(this); }
    QWidget* window = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted && window && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == window) {
            painted = true;
            m_loop.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
};

// Builds a window, shows it, waits for its first paint and deletes it again (untimed).
void openToPainted(const std::function<QWidget*()>& make)
{
    QEventLoop loop;
    FirstPaint watcher(loop);
    std::unique_ptr<QWidget> window(make());
    watcher.window = window.get();
    window->show();
    if (!watcher.painted) {
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!watcher.painted)
        qFatal("quarry-bench: %s was not painted within 5 s", qPrintable(window->objectName()));
    watcher.window = nullptr;
    const Bench::Untimed closing;
    window->hide();
    window.reset();
}

BenchContext& services()
{
    static BenchContext context;
    return context;
}

BenchGame& game()
{
    static BenchGame game;
    return game;
}

// The program's own pictures, whose thumbnails the first dialog makes and every later one reuses,
// and the recent list of the data folder.
const BuiltInPictures& pictures()
{
    static const BuiltInPictures pictures;
    return pictures;
}

const PictureOpening* opening()
{
    static PictureOpening* opening = new PictureOpening(services().context, game().gameWindow(), [](const QString&) { });
    return opening;
}

} // namespace

QUARRY_BENCH(OpenWindow_Frm_color, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new Frm_color(services().context, QStringLiteral("F0132768"), QIcon()); });
}

QUARRY_BENCH(OpenWindow_Frm_LogicPreview, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new Frm_LogicPreview(services().context, game()); });
}

QUARRY_BENCH(OpenWindow_Frm_EyesPreview, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new Frm_EyesPreview(services().context, game()); });
}

QUARRY_BENCH(OpenWindow_Frm_tool, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new Frm_tool(services().context, game()); });
}

QUARRY_BENCH(OpenWindow_Frm_jigsawtool, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new Frm_jigsawtool(services().context, game()); });
}

QUARRY_BENCH(OpenWindow_frmAbout, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new frmAbout(QIcon(), QString()); });
}

QUARRY_BENCH(OpenWindow_FrmHelp, "< 50 ms: construction + show() to the first paint")
{
    openToPainted([] { return new FrmHelp(StringTable::Language::English); });
}

QUARRY_BENCH(OpenWindow_LogicNewGameDialog, "< 50 ms: construction + show() to the first paint, thumbnails cached")
{
    openToPainted([] { return new LogicNewGameDialog(pictures(), opening(), {}); });
}

QUARRY_BENCH(OpenWindow_JigsawNewGameDialog, "< 50 ms: construction + show() to the first paint, samples cached")
{
    openToPainted([] { return new JigsawNewGameDialog(pictures(), opening(), {}); });
}

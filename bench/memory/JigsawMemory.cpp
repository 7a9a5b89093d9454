// JigsawMemory.cpp: quarry-jigsawmemory, the program's resident memory with its largest jigsaw level
// on screen.
//
// Usage: quarry-jigsawmemory [JIGSAW-RECORD]
// It starts as quarry-puzzle does (the start window, the sound system, both games offered), on a
// copy of the data files beside it whose jigsaw line is JIGSAW-RECORD (default: the shape board of
// the smallest cells, rotation on, the shipped sound switch). Then it opens the jigsaw from the
// start window, waits until every piece window of the first game has painted and the companion
// windows have had half a second, and prints "<its own VmRSS in KiB> <pieces on screen>".
// Randomness is scripted (every draw 0.9) so that the record's M and D stay as written: M1 picks
// the shape board and D2 the smallest cells; at 120 dpi that is 100 figures and the board.
// Where the resident size cannot be read (it is read from /proc), it says so and exits with 3.
#include "AppContext.h"
#include "Artwork.h"
#include "FavRecord.h"
#include "FrmLogin.h"
#include "Frm_EyesGame.h"
#include "Frm_LogicGame.h"
#include "PaintWatch.h"
#include "PieceWindow.h"
#include "QtMessageBoxes.h"
#include "RandomSource.h"
#include "SoundSystem.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <fstream>
#include <string>

namespace {

// What the companions get to open and paint once the pieces are shown.
constexpr int SettleMs = 500;
constexpr int StartTimeoutMs = 10000;

// The shipped file with the jigsaw line replaced (the shipped sound switch kept when record is
// empty), and the sound folder, in folder.
bool copyDataFiles(const QString& from, const QString& to, QString record)
{
    QFile shipped(favFilePath(from));
    if (!shipped.open(QIODevice::ReadOnly))
        return false;
    QByteArray lines;
    for (const QByteArray& line : shipped.readAll().split('\n')) {
        QByteArray text = line.trimmed();
        if (text.startsWith("G1")) {
            if (record.isEmpty())
                record = QStringLiteral("G1,BE0132768,D2,R1,M1,S%1,P2,").arg(text.contains("S0") ? 0 : 1);
            text = record.toLatin1();
        }
        if (!text.isEmpty())
            lines += text + "\r\n";
    }
    QFile copy(favFilePath(to));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(lines) != lines.size())
        return false;
    const QDir sounds(QDir(from).filePath(QStringLiteral("sound")));
    const QDir target(QDir(to).filePath(QStringLiteral("sound")));
    if (!QDir(to).mkpath(QStringLiteral("sound")))
        return false;
    for (const QString& name : sounds.entryList(QDir::Files)) {
        if (!QFile::copy(sounds.filePath(name), target.filePath(name)))
            return false;
    }
    return true;
}

// The process's resident size in KiB, or -1 where the system does not tell it.
long residentKiB()
{
#if defined(Q_OS_LINUX)
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
#endif
    return -1;
}

// Runs the event loop until done() holds; false after timeoutMs without that.
template <typename Done> bool runUntil(Done done, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer poll;
    poll.start(50);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarry Puzzle"));
    QTextStream err(stderr);
    const QStringList args = app.arguments().mid(1);
    if (args.size() > 1) {
        err << "usage: quarry-jigsawmemory [JIGSAW-RECORD]\n";
        return 2;
    }

    QTemporaryDir data;
    if (!data.isValid()
        || !copyDataFiles(QCoreApplication::applicationDirPath(), data.path(), args.value(0))) {
        err << "quarry-jigsawmemory: cannot copy the data files beside the program\n";
        return 1;
    }
    ScriptedRandom random({ 0.9 });
    QtMessageBoxes messages;
    SoundSystem sound;
    AppContext context;
    context.dataFolder = data.path();
    context.random = &random;
    context.messages = &messages;
    sound.install(context);

    FrmLogin login(context);
    login.registerGame(FrmLogin::JigsawButton, [&] { return new Frm_EyesGame(context, login.pictures()); });
    login.registerGame(FrmLogin::SlidingButton, [&] { return new Frm_LogicGame(context, login.pictures()); });
    QObject::connect(
        &login, &FrmLogin::firstPainted, &app, [] { QApplication::setWindowIcon(Artwork::programIcon()); });
    PaintWatch paints;
    login.show();
    paints.waitForAnyIn(&login, "the start window");

    paints.begin();
    login.Image1_Click(FrmLogin::JigsawButton);
    auto* game = qobject_cast<Frm_EyesGame*>(login.gameWindow());
    // The first game starts when the window is first activated.
    if (!game || !runUntil([&] { return game->play().pieceCount() > 0; }, StartTimeoutMs)) {
        err << "quarry-jigsawmemory: the jigsaw showed no game\n";
        return 1;
    }
    QList<QWidget*> shown;
    for (int k = 1; k <= game->play().pieceCount(); ++k) {
        if (PieceWindow* piece = game->pieceWindow(k); piece && piece->isVisible())
            shown << piece;
    }
    paints.waitFor(shown, "the jigsaw's pieces");
    QTimer::singleShot(SettleMs, &app, &QCoreApplication::quit);
    QCoreApplication::exec();

    const long kib = residentKiB();
    if (kib < 0) {
        err << "quarry-jigsawmemory: the resident size cannot be read on this system\n";
        return 3;
    }
    QTextStream(stdout) << kib << ' ' << shown.size() << '\n';
    return 0;
}

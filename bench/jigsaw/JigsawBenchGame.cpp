// JigsawBenchGame.cpp: the jigsaw window the benchmarks play on.
#include "JigsawBenchGame.h"

#include "FavRecord.h"
#include "PaintWatch.h"
#include "GameChoices.h"
#include "PieceWindow.h"
#include "Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScreen>

namespace {
// Where on a piece the mouse takes hold of it (pixels inside the piece window).
const QPointF Grab(4, 4);
constexpr int TwipsPerPixelAt120Dpi = 12;
// Larger than most screens on purpose, so the largest levels come out (tools/bench gives it a
// screen of 1920 x 1200).
constexpr QSize WindowSize(1900, 1060);
} // namespace

TwipsAt120Dpi::TwipsAt120Dpi()
{
    Twips::overridePerPixel(TwipsPerPixelAt120Dpi);
}
TwipsAt120Dpi::~TwipsAt120Dpi()
{
    Twips::overridePerPixel(0);
}

JigsawBenchGame::JigsawBenchGame(const QByteArray& record)
{
    if (!m_dir.isValid())
        qFatal("quarry-bench: no temporary folder");
    setRecord(record);
    GameChoices::Choices choices;
    choices.jigsaw.picture = { GameChoices::Picture::Kind::BuiltIn, 9, {} };
    if (!GameChoices::write(QDir(m_dir.path()).filePath(dataFileName(DataFile::GameChoices)), choices))
        qFatal("quarry-bench: cannot write the new-game choice");
    m_context.dataFolder = m_dir.path();
    m_context.random = &random;
    m_context.messages = &m_messages;
    m_context.strings = StringTable(StringTable::Language::English);
    window = std::make_unique<Frm_EyesGame>(m_context, m_pictures);
    window->show();
    activateFirst(window.get(), "the jigsaw window");
    // Set after the window has been fitted to the screen once it was shown.
    window->resize(WindowSize);
    QApplication::processEvents();
    // Pieces off screen are never exposed, and their paints never come: say so instead of
    // timing the wait. The offscreen platform paints every window whatever its screen's size.
    const QRect screen = window->screen()->availableGeometry();
    if (window->size() != WindowSize
        || (QGuiApplication::platformName() != u"offscreen" && !screen.contains(window->frameGeometry())))
        qFatal("quarry-bench: the jigsaw window needs %d x %d on screen, the screen offers %d x %d",
            WindowSize.width(), WindowSize.height(), screen.width(), screen.height());
}

JigsawBenchGame& JigsawBenchGame::make(const QByteArray& record)
{
    static QList<JigsawBenchGame*> games;
    if (games.isEmpty())
        qAddPostRoutine([] {
            qDeleteAll(games);
            games.clear();
        });
    games << new JigsawBenchGame(record);
    return *games.last();
}

void JigsawBenchGame::setRecord(const QByteArray& record)
{
    QFile fav(favFilePath(m_dir.path()));
    if (!fav.open(QIODevice::WriteOnly))
        qFatal("quarry-bench: cannot write a preferences file");
    fav.write("G0,BF0132768,D1,M1,L0,K1,S0,\r\n" + record + "\r\n");
}

void JigsawBenchGame::newGame(QList<double> values)
{
    if (!values.isEmpty())
        values.removeFirst(); // the picture is chosen, not drawn
    random.setValues(std::move(values));
    paints.begin();
    window->newPictureGame();
    paints.waitFor(shownPieces(), "a new game's pieces");
}

void JigsawBenchGame::reopen()
{
    window.reset();
    window = std::make_unique<Frm_EyesGame>(m_context, m_pictures);
    window->show();
    window->resize(WindowSize);
    QApplication::processEvents();
}

QList<QWidget*> JigsawBenchGame::shownPieces() const
{
    QList<QWidget*> shown;
    for (int k = 1; k <= window->play().pieceCount(); ++k) {
        if (PieceWindow* piece = window->pieceWindow(k); piece && piece->isVisible())
            shown << piece;
    }
    return shown;
}

void JigsawBenchGame::openPicture(const QString& path, QList<double> values)
{
    random.setValues(std::move(values));
    paints.begin();
    if (!window->openPictureFile(path, false))
        qFatal("quarry-bench: the picture %s was refused", qPrintable(path));
    paints.waitFor(shownPieces(), "a new game's pieces");
}

void JigsawBenchGame::sendMouse(int k, int type, Qt::MouseButton button, QPointF pixels)
{
    PieceWindow* piece = window->pieceWindow(k);
    if (!piece)
        qFatal("quarry-bench: there is no piece window %d", k);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(
        static_cast<QEvent::Type>(type), pixels, piece->mapToGlobal(pixels), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(piece, &event);
}

void JigsawBenchGame::press(int k, QPointF pixels)
{
    sendMouse(k, QEvent::MouseButtonPress, Qt::LeftButton, pixels);
}
void JigsawBenchGame::move(int k, QPointF pixels)
{
    sendMouse(k, QEvent::MouseMove, Qt::NoButton, pixels);
}
void JigsawBenchGame::release(int k, QPointF pixels)
{
    sendMouse(k, QEvent::MouseButtonRelease, Qt::LeftButton, pixels);
}

void JigsawBenchGame::dropAt(int k, QPointF target)
{
    const QPointF delta = (target - window->play().window(k).pos) / Twips::perPixel();
    press(k, Grab);
    release(k, Grab + delta);
    QApplication::processEvents();
}

void JigsawBenchGame::dropBeside(int ref, int k)
{
    const auto homeOf = [&](int i) {
        const PieceRecord& r = window->table().piece(i);
        return QPointF(Twips::fromPixels(r.homeLeft), Twips::fromPixels(r.homeTop));
    };
    dropAt(k, window->play().window(ref).pos - homeOf(ref) + homeOf(k));
}

QList<double> largestLevelDraws(double m)
{
    QList<double> values { 0.9, m, 0.9 };
    for (int i = 1; i <= 257; ++i)
        values << (i * 97 % 257) / 257.0;
    return values;
}

// GameSaveFile.cpp: when a game window's saved game is written, read, dropped and set aside.
#include "GameSaveFile.h"

#include "AppContext.h"
#include "MessageBoxes.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QSessionManager>
#include <QWidget>

GameSaveFile::GameSaveFile(AppContext& context, DataFile file, SavedGame::Game game, QWidget* window,
    Capture capture)
    : QObject(window)
    , m_context(context)
    , m_file(file)
    , m_game(game)
    , m_window(window)
    , m_capture(std::move(capture))
{
    // The desktop may end the login without closing windows; both signals come before that.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { store(); });
        connect(app, &QCoreApplication::aboutToQuit, this, &GameSaveFile::store);
    }
}

QString GameSaveFile::path() const { return m_context.filePath(m_file); }

void GameSaveFile::storeLast()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        disconnect(app, nullptr, this, nullptr);
    store();
}

void GameSaveFile::store()
{
    const std::optional<SavedGame::Document> game = m_capture();
    if (!game) {
        drop();
        return;
    }
    QString problem;
    if (!SavedGame::write(path(), *game, &problem))
        qWarning("The game could not be saved to %s: %s", qPrintable(path()), qPrintable(problem));
}

std::optional<SavedGame::Document> GameSaveFile::take()
{
    if (!QFile::exists(path()))
        return std::nullopt;
    SavedGame::ReadResult read = SavedGame::read(path(), m_game);
    if (!read.ok) {
        refuse(read.problem);
        return std::nullopt;
    }
    return std::move(read.document);
}

void GameSaveFile::refuse(const QString& problem)
{
    SavedGame::moveAside(path());
    const StringTable& s = m_context.strings;
    m_context.messages->inform(m_window, s.text(StringTable::Prompt),
        QStringLiteral("The saved game cannot be resumed and was set aside (%1). %2 A new game starts.")
            .arg(dataFileName(m_file) + QStringLiteral(".bad"), problem),
        MessageIcon::Warning);
}

void GameSaveFile::drop() { SavedGame::remove(path()); }

SavedGame::Picture GameSaveFile::pictureOf(int builtIn, const QString& path, const QImage& working)
{
    SavedGame::Picture picture;
    picture.builtIn = builtIn;
    if (builtIn < 0) {
        picture.path = path;
        picture.sha256 = SavedGame::fileHash(path);
        picture.working = working;
    }
    return picture;
}

QString GameSaveFile::recordHash(const SavedGame::Picture& saved)
{
    QFile file(saved.path);
    if (!saved.path.isEmpty() && SavedGame::fileHash(saved.path) == saved.sha256 && file.open(QIODevice::ReadOnly))
        return QString::fromLatin1(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex());
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    saved.working.save(&buffer, "PNG");
    return QString::fromLatin1(QCryptographicHash::hash(png, QCryptographicHash::Sha1).toHex());
}

QImage GameSaveFile::picture(const SavedGame::Picture& saved, const std::function<QImage(int)>& builtIn)
{
    if (saved.builtIn >= 0)
        return builtIn(saved.builtIn);
    if (!saved.path.isEmpty() && SavedGame::fileHash(saved.path) == saved.sha256) {
        QImageReader reader(saved.path);
        const QImage image = reader.read();
        if (!image.isNull())
            return image;
    }
    return saved.working;
}

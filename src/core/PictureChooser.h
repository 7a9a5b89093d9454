// PictureChooser.h: the file chooser for the player's own pictures, behind a small interface so
// that tests answer it without a modal dialog (the real one lives with the windows).
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

class PictureChooser
{
public:
    virtual ~PictureChooser() = default;
    // The picture file the player chose, starting in startFolder; "" when they cancelled.
    virtual QString choose(QWidget* parent, const QString& startFolder) = 0;
};

// Answers from a queue ("" = cancel, also when the queue is empty) and records where it started.
class ScriptedPictureChooser : public PictureChooser
{
public:
    QString choose(QWidget*, const QString& startFolder) override
    {
        startFolders << startFolder;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList startFolders;
};

// The folder the chooser starts in: the folder of the last picture opened when it still exists,
// else the player's Pictures folder, else the home folder.
QString pictureStartFolder(const QStringList& recentPictures);

// The chooser's filter: every image format the reader accepts here, then all files.
QString pictureFileFilter();

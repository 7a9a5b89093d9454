// PictureChooser.cpp: where the chooser starts and what it offers.
#include "PictureChooser.h"

#include "PictureFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString pictureStartFolder(const QStringList& recentPictures)
{
    if (!recentPictures.isEmpty()) {
        const QString folder = QFileInfo(recentPictures.first()).absolutePath();
        if (QFileInfo(folder).isDir())
            return folder;
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QString pictureFileFilter()
{
    return QStringLiteral("Pictures (%1);;All files (*)").arg(PictureFile::nameFilters().join(' '));
}

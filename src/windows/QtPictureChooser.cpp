// QtPictureChooser.cpp: QFileDialog behind the picture chooser.
#include "QtPictureChooser.h"

#include <QFileDialog>

QString QtPictureChooser::choose(QWidget* parent, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Open picture"), startFolder, pictureFileFilter());
}

// QtPictureChooser.h: the real picture chooser, a modal QFileDialog.
#pragma once

#include "PictureChooser.h"

class QtPictureChooser : public PictureChooser
{
public:
    QString choose(QWidget* parent, const QString& startFolder) override;
};

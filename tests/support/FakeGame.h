// FakeGame.h: a game window stand-in that records the commands its companions send it.
#pragma once

#include "GameCommands.h"
#include "GameCompanions.h"

#include <QImage>
#include <QList>
#include <QWidget>

class FakeGame : public GameCommands {
public:
    // Like the real games: 2 shows the preview, 3 switches the sound caption, 9 closes the window.
    void PMenu(int& index) override
    {
        commands << index;
        switch (index) {
        case 2:
            if (companions)
                companions->showPreview();
            break;
        case 3:
            sound = sound == QLatin1String("Close Sound") ? QStringLiteral("Open Sound")
                                                          : QStringLiteral("Close Sound");
            break;
        case 9:
            if (companions)
                companions->closeAll();
            break;
        default:
            break;
        }
    }
    QString soundCaption() const override { return sound; }
    bool operationsMenuEnabled() const override { return menuEnabled; }
    QWidget* gameWindow() override { return &window; }
    QImage previewPicture() const override { return picture; }

    static QImage pictureOf(int width, int height, QColor colour = Qt::darkCyan)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

    QWidget window;
    QImage picture;
    bool menuEnabled = true;
    QString sound = QStringLiteral("Close Sound");
    QList<int> commands;
    GameCompanions* companions = nullptr;
};

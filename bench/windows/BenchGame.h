// BenchGame.h: a game window stand-in for opening companion windows, and the services they need.
#pragma once

#include "AppContext.h"
#include "BenchHarness.h"
#include "GameCommands.h"
#include "MessageBoxes.h"
#include "RandomSource.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class BenchGame : public GameCommands {
public:
    BenchGame()
        : m_picture(640, 480, QImage::Format_RGB32)
    {
        m_picture.fill(QColor(40, 120, 160));
        m_window.setGeometry(40, 40, 800, 600);
    }
    void PMenu(int&) override { }
    QString soundCaption() const override { return QStringLiteral("Close Sound"); }
    bool operationsMenuEnabled() const override { return true; }
    QWidget* gameWindow() override { return &m_window; }
    QImage previewPicture() const override { return m_picture; }

private:
    QWidget m_window;
    QImage m_picture;
};

// The program's services with scripted randomness and message boxes, on the data folder beside quarry-bench.
struct BenchContext {
    BenchContext()
    {
        context.dataFolder = Bench::runtimeDir();
        context.random = &random;
        context.messages = &messages;
        context.strings = StringTable(StringTable::Language::English);
        context.setSoundPaths();
    }
    ScriptedRandom random { { 0.25, 0.5, 0.75 } };
    ScriptedMessageBoxes messages;
    AppContext context;
};

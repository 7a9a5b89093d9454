// Frm_jigsawtool.h: the jigsaw's tool window, in the game window's top right corner.
#pragma once

#include "ToolWindow.h"

class Frm_jigsawtool final : public ToolWindow {
    Q_OBJECT
public:
    Frm_jigsawtool(AppContext& context, GameCommands& game, QWidget* parent = nullptr)
        : ToolWindow(context, game, Anchor::TopRight, parent)
    {
        setObjectName(QStringLiteral("Frm_jigsawtool"));
    }
};

// Frm_tool.h: the sliding game's tool window, hanging at the game window's left edge.
#pragma once

#include "ToolWindow.h"

class Frm_tool final : public ToolWindow {
    Q_OBJECT
public:
    Frm_tool(AppContext& context, GameCommands& game, QWidget* parent = nullptr)
        : ToolWindow(context, game, Anchor::LeftBelowTop, parent)
    {
        setObjectName(QStringLiteral("Frm_tool"));
    }
};

// Frm_LogicPreview.h: the sliding game's preview window.
#pragma once

#include "PreviewWindow.h"

class Frm_LogicPreview final : public PreviewWindow {
    Q_OBJECT
public:
    Frm_LogicPreview(AppContext& context, GameCommands& game, QWidget* parent = nullptr)
        : PreviewWindow(context, game, parent)
    {
        setObjectName(QStringLiteral("Frm_LogicPreview"));
    }
};

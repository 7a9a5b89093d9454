// Frm_EyesPreview.h: the jigsaw's preview window.
#pragma once

#include "PreviewWindow.h"

class Frm_EyesPreview final : public PreviewWindow {
    Q_OBJECT
public:
    Frm_EyesPreview(AppContext& context, GameCommands& game, QWidget* parent = nullptr)
        : PreviewWindow(context, game, parent)
    {
        setObjectName(QStringLiteral("Frm_EyesPreview"));
    }
};

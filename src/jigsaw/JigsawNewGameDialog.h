// JigsawNewGameDialog.h: "New game…" of the Jigsaw puzzle: the picture, the level family
// (catalogue, shape board or random), the piece count of the catalogue, the cell size of the shape
// board, the shape style (each pattern and figure as a small drawn sample, or random) and rotation.
#pragma once

#include "NewGameDialog.h"

class JigsawNewGameDialog : public NewGameDialog {
    Q_OBJECT
public:
    JigsawNewGameDialog(const BuiltInPictures& pictures, const PictureOpening* opening,
        const GameChoices::Jigsaw& current, QWidget* parent = nullptr);

    GameChoices::Jigsaw choice() const;
    QComboBox* familyBox() const { return m_family; }
    QComboBox* piecesBox() const { return m_pieces; }
    QComboBox* cellsBox() const { return m_cells; }
    QComboBox* patternBox() const { return m_pattern; }
    QComboBox* figureBox() const { return m_figure; }
    QComboBox* rotationBox() const { return m_rotation; }

    // The samples, drawn once: entry 0 stands for random, entries 1 .. 11 for pattern (figure) k.
    static const QList<QIcon>& patternSamples();
    static const QList<QIcon>& figureSamples();

private:
    void showFamily();

    QComboBox* m_family;
    QComboBox* m_pieces;
    QComboBox* m_cells;
    QComboBox* m_pattern;
    QComboBox* m_figure;
    QComboBox* m_rotation;
};

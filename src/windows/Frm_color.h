// Frm_color.h: the modal back-colour dialog: a colour, optionally a tinted pattern, saved as the
// game's background tile.
#pragma once

#include "AppContext.h"
#include "BackgroundField.h"

#include <QDialog>
#include <QIcon>
#include <QImage>

#include <array>

class PictureBox;
class QCheckBox;
class QLabel;
class QPushButton;

class Frm_color : public QDialog {
    Q_OBJECT

public:
    // Runs the dialog modally on the background field body (for example "F0132768") and returns
    // the new body after OK (the game's tile file is then written), "cancel" after Cancel, or
    // body unchanged when the dialog is closed any other way (close box, Escape).
    static QString choose(QWidget* parent, const AppContext& context, const QString& body, const QIcon& icon);

    // The dialog itself, already loaded from body and the game's tile file; choose() shows it.
    Frm_color(const AppContext& context, const QString& body, const QIcon& icon, QWidget* parent = nullptr);

    // The result text so far: body until OK or Cancel is pressed.
    const QString& strcolor() const { return m_strcolor; }
    int swatchColour() const { return m_swatch; }
    int selectedPattern() const { return PicAllTag; }
    // The tile as rendered or loaded (null while the tile file was missing and nothing was chosen).
    const QImage& tile() const { return PicRGB; }

    static constexpr QSize PreviewSize { 256, 96 };

private:
    void buildControls();
    void Form_Load();
    void selectPattern(int index);
    void setSwatch(int colour);

    void Image1_Click(int index);
    void Picture1_MouseUp(int index, QPoint position);
    void Check1_Click();
    void Cmdok_Click();
    void Cmdcancel_Click();

    void RenderBackTile();
    void RedrawPreview();
    void drawPreview();

    const AppContext& m_context;
    QString m_strcolor;
    BackgroundField m_field;
    int m_swatch = 0;

    // Controls; Picture1 has indices 0 (palette) and 2 (preview) only.
    std::array<PictureBox*, 3> Picture1 {};
    std::array<PictureBox*, BackgroundField::PatternCount> Image1 {};
    PictureBox* Imgshow = nullptr;
    QLabel* Lblbak1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Cmdok = nullptr;
    QPushButton* Cmdcancel = nullptr;

    // Hidden work surfaces: the selected pattern with its index, and the rendered tile.
    QImage PicAll;
    int PicAllTag = 0;
    QImage PicRGB;
};

// Frm_color.cpp: the back-colour dialog's controls and handlers; the colour work is done by BackTile.
#include "Frm_color.h"

#include "BackColourArt.h"
#include "BackTile.h"
#include "BackTileFile.h"
#include "ColourValue.h"
#include "PictureBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int PatternColumns = 8;
constexpr QSize PatternBoxSize { 36, 36 };
constexpr QSize ImgshowSize { 96, 96 };
constexpr QSize SwatchSize { 96, 24 };
} // namespace

QString Frm_color::choose(QWidget* parent, const AppContext& context, const QString& body, const QIcon& icon)
{
    Frm_color dialog(context, body, icon, parent);
    dialog.exec();
    return dialog.strcolor();
}

Frm_color::Frm_color(const AppContext& context, const QString& body, const QIcon& icon, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
    , m_strcolor(body)
{
    setModal(true);
    setWindowIcon(icon);
    buildControls();
    Form_Load();
}

void Frm_color::buildControls()
{
    Picture1[0] = new PictureBox(PictureBox::Fit::Actual, this);
    Picture1[0]->setObjectName(QStringLiteral("Picture1_0"));
    Picture1[0]->setPicture(BackColourArt::palette());
    Picture1[0]->setFixedSize(BackColourArt::palette().size());
    Picture1[0]->setCursor(Qt::CrossCursor);
    connect(Picture1[0], &PictureBox::released, this,
        [this](QPoint p, Qt::MouseButton) { Picture1_MouseUp(0, p); });

    Picture1[2] = new PictureBox(PictureBox::Fit::Actual, this);
    Picture1[2]->setObjectName(QStringLiteral("Picture1_2"));
    Picture1[2]->setFixedSize(PreviewSize);
    connect(Picture1[2], &PictureBox::released, this,
        [this](QPoint p, Qt::MouseButton) { Picture1_MouseUp(2, p); });

    auto* patterns = new QGridLayout;
    patterns->setSpacing(4);
    for (int i = 0; i < BackgroundField::PatternCount; ++i) {
        auto* box = new PictureBox(PictureBox::Fit::Stretch, this);
        box->setObjectName(QStringLiteral("Image1_%1").arg(i));
        box->setPicture(BackColourArt::pattern(i));
        box->setFixedSize(PatternBoxSize);
        connect(box, &PictureBox::clicked, this, [this, i] { Image1_Click(i); });
        patterns->addWidget(box, i / PatternColumns, i % PatternColumns);
        Image1[static_cast<std::size_t>(i)] = box;
    }

    Imgshow = new PictureBox(PictureBox::Fit::Stretch, this);
    Imgshow->setObjectName(QStringLiteral("Imgshow"));
    Imgshow->setFixedSize(ImgshowSize);

    Lblbak1 = new QLabel(this);
    Lblbak1->setObjectName(QStringLiteral("Lblbak1"));
    Lblbak1->setAutoFillBackground(true);
    Lblbak1->setFrameShape(QFrame::Box);
    Lblbak1->setFixedSize(SwatchSize);

    Check1 = new QCheckBox(QStringLiteral("Back Picture"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    connect(Check1, &QCheckBox::clicked, this, &Frm_color::Check1_Click);

    Cmdok = new QPushButton(this);
    Cmdok->setObjectName(QStringLiteral("Cmdok"));
    Cmdok->setDefault(true);
    connect(Cmdok, &QPushButton::clicked, this, &Frm_color::Cmdok_Click);
    Cmdcancel = new QPushButton(this);
    Cmdcancel->setObjectName(QStringLiteral("Cmdcancel"));
    connect(Cmdcancel, &QPushButton::clicked, this, &Frm_color::Cmdcancel_Click);

    auto* side = new QVBoxLayout;
    side->addWidget(Lblbak1);
    side->addWidget(Imgshow);
    side->addWidget(Check1);
    side->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(Picture1[0]);
    top->addLayout(side);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Cmdok);
    buttons->addWidget(Cmdcancel);
    buttons->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Picture1[2]);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(patterns);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Frm_color::Form_Load()
{
    m_field = BackgroundField::parse(m_strcolor);
    PicRGB = loadBackTile(m_context.filePath(m_field.tileFileName()));
    // The record does not keep the box's state; the saved tile tells: a plain tile of one colour
    // was saved without the pattern.
    Check1->setChecked(BackTile::isPatterned(PicRGB));
    // The swatch is set before the first preview, so a missing tile shows the chosen colour.
    setSwatch(m_field.colour);
    drawPreview();
    selectPattern(m_field.pattern);
    setWindowTitle(m_context.strings.text(StringTable::Color));
    Cmdok->setText(m_context.strings.text(StringTable::Ok));
    Cmdcancel->setText(m_context.strings.text(StringTable::Cancel));
}

void Frm_color::selectPattern(int index)
{
    for (PictureBox* box : Image1)
        box->setBorder(false);
    PictureBox* chosen = Image1[static_cast<std::size_t>(index)];
    chosen->setBorder(true);
    Imgshow->setPicture(chosen->picture());
    PicAll = chosen->picture();
    PicAllTag = index;
}

void Frm_color::setSwatch(int colour)
{
    m_swatch = colour;
    QPalette palette = Lblbak1->palette();
    palette.setColor(QPalette::Window, ColourValue::toColor(colour));
    Lblbak1->setPalette(palette);
}

void Frm_color::Image1_Click(int index)
{
    selectPattern(index);
    RedrawPreview();
}

void Frm_color::Picture1_MouseUp(int index, QPoint position)
{
    if (index != 0)
        return;
    const QPoint pixel = Picture1[0]->picturePixelAt(position);
    if (pixel.x() < 0)
        return;
    setSwatch(ColourValue::fromColor(Picture1[0]->picture().pixelColor(pixel)));
    RedrawPreview();
}

void Frm_color::Check1_Click()
{
    RedrawPreview();
}

void Frm_color::Cmdok_Click()
{
    // A tile file that was missing or unreadable, with nothing chosen since, would leave nothing to
    // save; the current choice is rendered instead so that the game gets the background it shows.
    if (PicRGB.isNull())
        RenderBackTile();
    // A failed write leaves the old file; the body still carries the chosen colour and pattern.
    saveBackTile(PicRGB, m_context.filePath(m_field.tileFileName()));
    BackgroundField result = m_field;
    result.pattern = PicAllTag;
    result.colour = m_swatch;
    m_strcolor = result.format();
    accept();
}

void Frm_color::Cmdcancel_Click()
{
    m_strcolor = BackColourResult::cancel();
    reject();
}

void Frm_color::RenderBackTile()
{
    PicRGB = BackTile::RenderBackTile(PicAll, m_swatch, Check1->isChecked());
}

void Frm_color::RedrawPreview()
{
    RenderBackTile();
    drawPreview();
}

void Frm_color::drawPreview()
{
    Picture1[2]->setPicture(BackTile::renderPreview(PreviewSize, m_swatch, PicRGB));
}

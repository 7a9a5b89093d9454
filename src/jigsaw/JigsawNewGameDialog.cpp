// JigsawNewGameDialog.cpp: the Jigsaw puzzle's "New game…" dialog and its shape samples.
#include "JigsawNewGameDialog.h"

#include "Figures.h"
#include "Outline.h"
#include "RandomSource.h"
#include "ShapeCatalogue.h"
#include "ShapeParser.h"

#include <QComboBox>
#include <QFormLayout>
#include <QIcon>
#include <QPainter>

namespace {

constexpr int SampleSize = 40;
constexpr int DrawSize = 4 * SampleSize;
constexpr int Styles = 11;
const QColor SampleLight(0xf4, 0xe8, 0xc8);
const QColor SampleDark(0x6a, 0x8c, 0xb8);
const QColor SampleLine(0x30, 0x30, 0x30);

// The pieces drawn at DrawSize, each in the next of a few shades (a figure in one), on a light
// square, then made small: seams between pieces read better than outlines at this size.
QIcon drawSample(const QList<ParsedPiece>& pieces, bool figure)
{
    // Three shades: grids of four columns do not come out as stripes.
    static const QColor shades[] { SampleDark, SampleDark.lighter(145), SampleDark.darker(130) };
    QImage face(DrawSize, DrawSize, QImage::Format_RGB32);
    face.fill(SampleLight);
    QPainter painter(&face);
    int k = 0;
    for (const ParsedPiece& piece : pieces) {
        painter.setClipRegion(buildOutline(piece.head, piece.points));
        painter.fillRect(face.rect(), figure ? SampleLine : shades[k++ % 3]);
    }
    painter.end();
    return QIcon(QPixmap::fromImage(
        face.scaled(SampleSize, SampleSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

QIcon randomSample()
{
    QPixmap face(SampleSize, SampleSize);
    face.fill(SampleLight);
    QPainter painter(&face);
    painter.setPen(SampleLine);
    QFont font = painter.font();
    font.setPixelSize(24);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(face.rect(), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(face);
}

} // namespace

const QList<QIcon>& JigsawNewGameDialog::patternSamples()
{
    static const QList<QIcon> samples = [] {
        QList<QIcon> icons { randomSample() };
        // The 16-piece level of each pattern, its random values held in the middle of their ranges.
        for (int pattern = 1; pattern <= Styles; ++pattern) {
            ScriptedRandom middle({ 0.5 });
            const QString shape = ShapeCatalogue::generateLevel(1600 + pattern, middle);
            icons.append(drawSample(parseShapeString(shape, QSize(DrawSize, DrawSize)).pieces, false));
        }
        return icons;
    }();
    return samples;
}

const QList<QIcon>& JigsawNewGameDialog::figureSamples()
{
    static const QList<QIcon> samples = [] {
        QList<QIcon> icons { randomSample() };
        for (int kind = Figures::FirstKind; kind <= Figures::LastKind; ++kind) {
            ScriptedRandom middle({ 0.5 });
            const QString text = Figures::figureText(kind, middle);
            const int inset = DrawSize / 8;
            icons.append(drawSample(parseCellPieces(text, QSize(DrawSize - 2 * inset, DrawSize - 2 * inset),
                                        QPoint(inset, inset)),
                true));
        }
        return icons;
    }();
    return samples;
}

namespace {

// A combo box of the samples: "Random", then style 1 .. 11.
QComboBox* sampleBox(const QList<QIcon>& samples, const QString& name, int value, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setIconSize(QSize(SampleSize, SampleSize));
    box->addItem(samples.value(0), QStringLiteral("Random"), 0);
    for (int k = 1; k <= Styles; ++k)
        box->addItem(samples.value(k), QStringLiteral("%1 %2").arg(name).arg(k, 2, 10, QLatin1Char('0')), k);
    box->setCurrentIndex(value >= 0 && value <= Styles ? value : 0);
    return box;
}

} // namespace

JigsawNewGameDialog::JigsawNewGameDialog(const BuiltInPictures& pictures, const PictureOpening* opening,
    const GameChoices::Jigsaw& current, QWidget* parent)
    : NewGameDialog(pictures, opening, current.picture, parent)
{
    constexpr int R = GameChoices::Random;
    m_family = choiceBox({ { QStringLiteral("Random"), R }, { QStringLiteral("Catalogue"), 0 },
                             { QStringLiteral("Shape board"), 1 } },
        current.family, this);
    m_pieces = choiceBox({ { QStringLiteral("Random"), R }, { QStringLiteral("16 pieces"), 0 },
                             { QStringLiteral("36 pieces"), 1 }, { QStringLiteral("64 pieces"), 2 } },
        current.pieces, this);
    m_cells
        = choiceBox({ { QStringLiteral("Random"), R }, { QStringLiteral("Large (120 × 90 to 80 × 60)"), 0 },
                        { QStringLiteral("70 × 50"), 1 }, { QStringLiteral("64 × 48"), 2 } },
            current.cells, this);
    m_pattern = sampleBox(patternSamples(), QStringLiteral("Pattern"), current.pattern, this);
    m_figure = sampleBox(figureSamples(), QStringLiteral("Figure"), current.figure, this);
    m_rotation = choiceBox({ { QStringLiteral("As in the options"), R }, { QStringLiteral("Off"), 0 },
                               { QStringLiteral("On"), 1 } },
        current.rotation, this);
    const std::pair<QComboBox*, const char*> named[] { { m_family, "family" }, { m_pieces, "pieces" },
        { m_cells, "cells" }, { m_pattern, "pattern" }, { m_figure, "figure" }, { m_rotation, "rotation" } };
    for (const auto& [box, name] : named)
        box->setObjectName(QLatin1String(name));
    addRow(QStringLiteral("&Level:"), m_family);
    addRow(QStringLiteral("&Pieces:"), m_pieces);
    addRow(QStringLiteral("Shape &style:"), m_pattern);
    addRow(QStringLiteral("&Cells:"), m_cells);
    addRow(QStringLiteral("&Figures:"), m_figure);
    addRow(QStringLiteral("&Rotation:"), m_rotation);
    connect(m_family, &QComboBox::currentIndexChanged, this, &JigsawNewGameDialog::showFamily);
    showFamily();
}

// The rows of a family the player excluded cannot be changed.
void JigsawNewGameDialog::showFamily()
{
    const int family = valueOf(m_family);
    m_pieces->setEnabled(family != 1);
    m_pattern->setEnabled(family != 1);
    m_cells->setEnabled(family != 0);
    m_figure->setEnabled(family != 0);
}

GameChoices::Jigsaw JigsawNewGameDialog::choice() const
{
    GameChoices::Jigsaw c;
    c.picture = picture();
    c.family = valueOf(m_family);
    c.pieces = valueOf(m_pieces);
    c.cells = valueOf(m_cells);
    c.pattern = valueOf(m_pattern);
    c.figure = valueOf(m_figure);
    c.rotation = valueOf(m_rotation);
    return c;
}

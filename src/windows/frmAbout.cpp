// frmAbout.cpp: layout of the About box.
#include "frmAbout.h"

#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kIconSize = 48;
constexpr int kTitlePointGrowth = 4;
} // namespace

QString frmAbout::versionLine()
{
    return QStringLiteral("Quarry Puzzle V2.0");
}

frmAbout::frmAbout(const QIcon& icon, const QString& dataFolder, QWidget* parent)
    : QDialog(parent)
    , m_version(new QLabel(versionLine(), this))
    , m_dataFolder(new QLabel(QStringLiteral("Your settings and games are kept in:\n%1").arg(QDir::toNativeSeparators(dataFolder)), this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(QStringLiteral("About Quarry Puzzle"));
    setWindowIcon(icon);
    setModal(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgIcon"));
    picture->setPixmap(icon.pixmap(kIconSize, kIconSize));
    picture->setAlignment(Qt::AlignTop);

    m_version->setObjectName(QStringLiteral("lblVersion"));
    QFont titleFont = m_version->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + kTitlePointGrowth);
    m_version->setFont(titleFont);

    auto* description
        = new QLabel(QStringLiteral("A sliding puzzle and a jigsaw puzzle on pictures.\nFree to use."), this);
    description->setObjectName(QStringLiteral("lblDescription"));

    m_dataFolder->setObjectName(QStringLiteral("lblDataFolder"));
    m_dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(m_version);
    text->addWidget(description);
    text->addWidget(m_dataFolder);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

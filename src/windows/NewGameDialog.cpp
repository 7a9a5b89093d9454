// NewGameDialog.cpp: the picture list and the buttons of both "New game…" dialogs.
#include "NewGameDialog.h"

#include "BuiltInPictures.h"
#include "PictureOpening.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum Role { KindRole = Qt::UserRole, IndexRole, PathRole };
using Kind = GameChoices::Picture::Kind;

// A plain face with a caption, for the entries that are not a picture.
QIcon captionIcon(const QString& text)
{
    QPixmap face(BuiltInPictures::ThumbnailSize);
    face.fill(QColor(0xe8, 0xe8, 0xe8));
    QPainter painter(&face);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    QFont font = painter.font();
    font.setPixelSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(face.rect(), Qt::AlignCenter, text);
    return QIcon(face);
}

} // namespace

NewGameDialog::NewGameDialog(const BuiltInPictures& pictures, const PictureOpening* opening,
    const GameChoices::Picture& current, QWidget* parent)
    : QDialog(parent)
    , m_opening(opening)
    , m_pictures(new QListWidget(this))
    , m_form(new QFormLayout)
{
    setWindowTitle(QStringLiteral("New game"));
    setObjectName(QStringLiteral("newGameDialog"));
    m_pictures->setObjectName(QStringLiteral("pictures"));
    m_pictures->setViewMode(QListView::IconMode);
    m_pictures->setMovement(QListView::Static);
    m_pictures->setResizeMode(QListView::Adjust);
    m_pictures->setIconSize(BuiltInPictures::ThumbnailSize);
    m_pictures->setGridSize(BuiltInPictures::ThumbnailSize + QSize(16, 28));
    m_pictures->setMinimumSize(
        6 * m_pictures->gridSize().width() + 24, 2 * m_pictures->gridSize().height() + 12);

    auto* random
        = new QListWidgetItem(captionIcon(QStringLiteral("?")), QStringLiteral("Random"), m_pictures);
    random->setData(KindRole, int(Kind::Random));
    QListWidgetItem* selected = random;
    for (int k = 0; k < pictures.count(); ++k) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(pictures.thumbnail(k))),
            QStringLiteral("Picture %1").arg(k + 1), m_pictures);
        item->setData(KindRole, int(Kind::BuiltIn));
        item->setData(IndexRole, k);
        if (current.kind == Kind::BuiltIn && current.builtIn == k)
            selected = item;
    }
    QStringList files = opening ? opening->recent() : QStringList();
    if (current.kind == Kind::File && !files.contains(current.path))
        files.prepend(current.path);
    for (const QString& path : files) {
        QListWidgetItem* item = addFile(path);
        if (current.kind == Kind::File && current.path == path)
            selected = item;
    }
    if (opening) {
        m_openItem
            = new QListWidgetItem(captionIcon(QStringLiteral("…")), QStringLiteral("Open file…"), m_pictures);
        connect(m_pictures, &QListWidget::itemClicked, this, &NewGameDialog::openFile);
        connect(m_pictures, &QListWidget::itemActivated, this, &NewGameDialog::openFile);
    }
    m_pictures->setCurrentItem(selected);
    m_previous = selected;
    connect(m_pictures, &QListWidget::currentItemChanged, this,
        [this](QListWidgetItem*, QListWidgetItem* before) {
            if (before != m_openItem)
                m_previous = before;
        });

    auto* buttons = new QDialogButtonBox(this);
    m_play = buttons->addButton(QStringLiteral("Play"), QDialogButtonBox::AcceptRole);
    m_play->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pictures);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
    m_pictures->setFocus();
}

void NewGameDialog::addRow(const QString& label, QWidget* field)
{
    m_form->addRow(label, field);
    setTabOrder(m_lastField ? m_lastField : m_pictures, field);
    setTabOrder(field, m_play);
    m_lastField = field;
}

QListWidgetItem* NewGameDialog::addFile(const QString& path)
{
    auto* item = new QListWidgetItem(QFileInfo(path).fileName());
    item->setData(KindRole, int(Kind::File));
    item->setData(PathRole, path);
    item->setToolTip(path);
    const int at = m_openItem ? m_pictures->row(m_openItem) : m_pictures->count();
    m_pictures->insertItem(at, item);
    return item;
}

// "Open file…": the chooser; a chosen file joins the list, chosen; otherwise the choice stays.
void NewGameDialog::openFile(QListWidgetItem* item)
{
    if (!item || item != m_openItem)
        return;
    const QString path = m_opening->choose();
    if (path.isEmpty()) {
        m_pictures->setCurrentItem(m_previous);
        return;
    }
    for (int row = 0; row < m_pictures->count(); ++row)
        if (m_pictures->item(row)->data(PathRole).toString() == path) {
            m_pictures->setCurrentRow(row);
            return;
        }
    m_pictures->setCurrentItem(addFile(path));
}

GameChoices::Picture NewGameDialog::picture() const
{
    GameChoices::Picture picture;
    const QListWidgetItem* item = m_pictures->currentItem();
    if (!item || item == m_openItem)
        item = m_previous;
    if (!item)
        return picture;
    picture.kind = Kind(item->data(KindRole).toInt());
    picture.builtIn = picture.kind == Kind::BuiltIn ? item->data(IndexRole).toInt() : 0;
    picture.path = item->data(PathRole).toString();
    return picture;
}

QComboBox* NewGameDialog::choiceBox(const QList<std::pair<QString, int>>& items, int value, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    for (const auto& [caption, itemValue] : items) {
        box->addItem(caption, itemValue);
        if (itemValue == value)
            box->setCurrentIndex(box->count() - 1);
    }
    return box;
}

int NewGameDialog::valueOf(const QComboBox* box)
{
    return box->currentData().toInt();
}

// NewGameDialog.h: what the two "New game…" dialogs share: the picture (the built-in pictures as
// thumbnails, the recent own pictures, "Open file…", and "Random"), a form for the game's own
// rows, and "Play" / "Cancel". Each game's dialog adds its rows and reads them back.
#pragma once

#include "GameChoices.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <utility>

class BuiltInPictures;
class PictureOpening;
class QComboBox;
class QFormLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class NewGameDialog : public QDialog {
    Q_OBJECT
public:
    // opening: the recent list and the chooser of "Open file…" (none: neither is offered).
    NewGameDialog(const BuiltInPictures& pictures, const PictureOpening* opening,
        const GameChoices::Picture& current, QWidget* parent = nullptr);

    GameChoices::Picture picture() const;
    QListWidget* pictureList() const { return m_pictures; }
    QPushButton* playButton() const { return m_play; }

    // A combo box of captions whose items carry the values; value picks its current item (the first
    // when no item has it).
    static QComboBox* choiceBox(const QList<std::pair<QString, int>>& items, int value, QWidget* parent);
    static int valueOf(const QComboBox* box);

protected:
    QFormLayout* form() const { return m_form; }
    // The game's rows join the tab order between the pictures and "Play", in the order given.
    void addRow(const QString& label, QWidget* field);

private:
    QListWidgetItem* addFile(const QString& path);
    void openFile(QListWidgetItem* item);

    const PictureOpening* m_opening;
    QListWidget* m_pictures;
    QFormLayout* m_form;
    QPushButton* m_play;
    QListWidgetItem* m_openItem = nullptr;
    QListWidgetItem* m_previous = nullptr;
    QWidget* m_lastField = nullptr;
};

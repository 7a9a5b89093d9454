// Frm_EyesGamePictures.cpp: the jigsaw window on the player's own pictures: "Open picture",
// the recent list and dropped files all end in openPictureFile.
#include "Frm_EyesGame.h"

#include "ColourValue.h"
#include "FavFields.h"
#include "PictureOpening.h"

#include <QFileInfo>

void Frm_EyesGame::openPicture()
{
    finishDrag();
    if (!confirmNewGame())
        return;
    const QString path = m_opening->choose();
    if (!path.isEmpty())
        openPictureFile(path, false);
}

bool Frm_EyesGame::openPictureFile(const QString& path, bool ask)
{
    finishDrag();
    if (ask && !confirmNewGame())
        return false;
    const QSize area = pictureArea();
    const PictureFile::Loaded loaded = m_opening->load(path, [area](QSize) { return area; });
    if (!loaded.ok())
        return false;
    // Transparent parts show the back colour, as the window's background does.
    m_pictureIndex = -1;
    m_pictureHash = QString::fromLatin1(loaded.hash);
    m_pictureFile = QFileInfo(path).fileName();
    m_picturePath = path;
    newGameOn(PictureFile::opaqueOver(loaded.image, ColourValue::toColor(FavFields::backColour(record())).rgb()));
    return true;
}

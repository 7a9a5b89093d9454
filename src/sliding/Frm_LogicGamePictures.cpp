// Frm_LogicGamePictures.cpp: the sliding window on the player's own pictures: "Open picture",
// the recent list and dropped files all end in openPictureFile.
#include "Frm_LogicGame.h"

#include "ColourValue.h"
#include "FavFields.h"
#include "PictureOpening.h"
#include "PlayAreaLayout.h"
#include "TilePainting.h"
#include "Twips.h"

#include <QFileInfo>

void Frm_LogicGame::openPicture()
{
    if (!confirmNewGame())
        return;
    const QString path = m_opening->choose();
    if (!path.isEmpty())
        openPictureFile(path, false);
}

bool Frm_LogicGame::openPictureFile(const QString& path, bool ask)
{
    if (ask && !confirmNewGame())
        return false;
    // Decoded at the size the fitting shows it at (the tiles are cut at that size): a big photo
    // costs no more than a built-in picture; a small one stays small for the fitting to enlarge.
    const double perPixel = Twips::perPixel();
    const QRect area = m_playArea;
    const auto fit = [perPixel, area](QSize picture) {
        return TilePainting::toPixels(PlayAreaLayout::FitPicture(QSizeF(picture) * perPixel, area)).size();
    };
    const PictureFile::Loaded loaded = m_opening->load(path, fit);
    if (!loaded.ok())
        return false;
    // Transparent parts show the back colour, as the window's background does.
    m_pictureIndex = -1;
    m_pictureHash = QString::fromLatin1(loaded.hash);
    m_pictureFile = QFileInfo(path).fileName();
    m_picturePath = path;
    PicShowAll = PictureFile::opaqueOver(loaded.image, ColourValue::toColor(FavFields::backColour(prefRecord())).rgb());
    newGameOnPicture();
    return true;
}

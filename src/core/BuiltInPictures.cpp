// BuiltInPictures.cpp: the built-in pictures from the compiled-in artwork, or a fixed set.
#include "BuiltInPictures.h"

#include "Artwork.h"

BuiltInPictures::BuiltInPictures(QList<QImage> pictures)
    : m_override(std::move(pictures))
    , m_overridden(true)
{
}

int BuiltInPictures::count() const
{
    return m_overridden ? static_cast<int>(m_override.size()) : Artwork::builtInPictureCount();
}

QImage BuiltInPictures::picture(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_overridden ? m_override[index] : Artwork::builtInPicture(index);
}

QImage BuiltInPictures::thumbnail(int index) const
{
    if (index < 0 || index >= count())
        return {};
    if (m_thumbnails.size() != count())
        m_thumbnails = QList<QImage>(count());
    QImage& kept = m_thumbnails[index];
    if (kept.isNull())
        kept = picture(index).scaled(ThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return kept;
}

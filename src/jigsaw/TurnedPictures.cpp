// TurnedPictures.cpp: building and looking up the turned copies of the working picture.
#include "TurnedPictures.h"

#include "TurnBmp.h"

TurnedPictures::TurnedPictures(const QImage& working) { reset(working); }

void TurnedPictures::reset(const QImage& working)
{
    m_pictures[0] = working;
    m_made = false;
}

void TurnedPictures::make(const std::function<void(int finished)>& progress)
{
    for (int index = 1; index < 4; ++index) {
        TurnBmp(m_pictures[index - 1], m_pictures[index]);
        if (progress)
            progress(index);
    }
    m_made = true;
}

const QImage& TurnedPictures::picture(int turn) const
{
    static const QImage none;
    const int index = quarterIndex(turn);
    return index < 0 || (index > 0 && !m_made) ? none : m_pictures[index];
}

QSize TurnedPictures::sizeForTurn(QSize working, int turn)
{
    return quarterIndex(turn) % 2 == 1 ? working.transposed() : working;
}

int TurnedPictures::quarterIndex(int turn)
{
    if (turn % 90 != 0)
        return -1;
    return ((turn / 90) % 4 + 4) % 4;
}

// TileSlide.cpp: eased positions of sliding tiles.
#include "TileSlide.h"

#include <QEasingCurve>

#include <algorithm>
#include <cmath>
#include <utility>

QList<TileSlide::Path> TileSlide::start(QList<Path> paths)
{
    QList<Path> finished = finish();
    m_paths = std::move(paths);
    m_progress = 0.0;
    return finished;
}

QList<TileSlide::Path> TileSlide::finish()
{
    m_progress = 1.0;
    return std::exchange(m_paths, {});
}

void TileSlide::setProgress(double progress) { m_progress = std::clamp(progress, 0.0, 1.0); }

QPoint TileSlide::at(const Path& path, double progress)
{
    static const QEasingCurve curve(QEasingCurve::OutCubic);
    const double eased = curve.valueForProgress(std::clamp(progress, 0.0, 1.0));
    const QPoint delta = path.to - path.from;
    return path.from + QPoint(int(std::lround(delta.x() * eased)), int(std::lround(delta.y() * eased)));
}

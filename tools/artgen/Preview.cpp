// Preview.cpp: contact sheet composition.
#include "Preview.h"

#include <QImage>
#include <QPainter>

namespace Preview {

namespace {
QImage load(const QDir& dir, const QString& name) { return QImage(dir.filePath(name + QStringLiteral(".png"))); }

// Draws picture at (x, y) with the eight frame bitmaps around it: corners as they are, edges stretched.
void framed(QPainter& p, const QDir& dir, const QImage& picture, int x, int y)
{
    const int w = picture.width(), h = picture.height();
    p.drawImage(x, y, picture);
    p.drawImage(QRect(x, y - 25, w, 25), load(dir, "frame102"));
    p.drawImage(QRect(x + w, y, 28, h), load(dir, "frame104"));
    p.drawImage(QRect(x, y + h, w, 27), load(dir, "frame106"));
    p.drawImage(QRect(x - 30, y, 30, h), load(dir, "frame108"));
    p.drawImage(x - 31, y - 26, load(dir, "frame101"));
    p.drawImage(x + w, y - 26, load(dir, "frame103"));
    p.drawImage(x + w, y + h, load(dir, "frame105"));
    p.drawImage(x - 31, y + h, load(dir, "frame107"));
}
}

bool writeContactSheet(const QDir& dir, const QString& file)
{
    const int thumbW = 320, thumbH = 240, gap = 12;
    QImage sheet(5 * (thumbW + gap) + gap, 2 * (thumbH + gap) + 300 + 680 + gap, QImage::Format_RGB32);
    sheet.fill(QColor(70, 70, 76));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < 10; ++i) {
        const QImage pic = load(dir, QStringLiteral("picture%1").arg(i));
        p.drawImage(QRect(gap + (i % 5) * (thumbW + gap), gap + (i / 5) * (thumbH + gap), thumbW, thumbH), pic);
    }
    int y = gap + 2 * (thumbH + gap);
    int x = gap;
    for (int i = 0; i < 6; ++i) {
        p.drawImage(x + (i % 3) * 168, y + (i / 3) * 128, load(dir, QStringLiteral("face%1").arg(i)));
    }
    x += 3 * 168 + gap;
    p.drawImage(x, y, load(dir, "icon256"));
    x += 256 + gap;
    for (const char* name : { "icon48", "icon32", "icon16" }) {
        const QImage icon = load(dir, name);
        p.drawImage(x, y, icon);
        x += icon.width() + gap;
    }
    x = gap + 3 * 168 + gap + 256 + gap;
    int py = y + 64;
    for (const char* name : { "normal", "holding", "tilecursor" }) {
        p.fillRect(QRect(x, py, 64, 64), QColor(150, 160, 170));
        p.drawImage(QRect(x, py, 64, 64), load(dir, name));
        x += 64 + gap;
    }
    x = gap + 3 * 168 + gap + 256 + gap + 3 * (64 + gap);
    p.drawImage(QRect(x, y, 200, 150), load(dir, "plate"));
    p.drawImage(QRect(x + 200 + gap, y, 320, 240), load(dir, "login"));
    framed(p, dir, load(dir, "picture0"), gap + 40, y + 300 + 30);
    framed(p, dir, load(dir, "picture7").scaled(560, 420, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
        gap + 40 + 800 + 28 + 60 + 31, y + 300 + 30);
    p.end();
    return sheet.save(file, "PNG");
}

} // namespace Preview

// Preview.h: a contact sheet of everything artgen wrote, for looking the artwork over at a glance.
#pragma once

#include <QDir>
#include <QString>

namespace Preview {

// Composes the PNG files in dir into one sheet; the built-in pictures, faces, icon, pointers, plate,
// start-window background and one picture inside the assembled frame. Returns false if writing fails.
bool writeContactSheet(const QDir& dir, const QString& file);

} // namespace Preview

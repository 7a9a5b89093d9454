// QtMessageBoxes.cpp: QMessageBox behind the message-box service.
#include "QtMessageBoxes.h"

#include <QMessageBox>

namespace {
QMessageBox::Icon toIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

bool QtMessageBoxes::askYesNo(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(toIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::inform(QWidget* parent, const QString& title, const QString& text, MessageIcon icon)
{
    QMessageBox box(toIcon(icon), title, text, QMessageBox::Ok, parent);
    box.exec();
}

// MessageBoxes.cpp: the scripted message-box service.
#include "MessageBoxes.h"

bool ScriptedMessageBoxes::askYesNo(QWidget*, const QString& title, const QString& text, MessageIcon icon)
{
    shown.append({true, title, text, icon});
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

void ScriptedMessageBoxes::inform(QWidget*, const QString& title, const QString& text, MessageIcon icon)
{
    shown.append({false, title, text, icon});
}

// MessageBoxes.h: the message-box service windows use; tests answer it without a modal box.
#pragma once

#include <QList>
#include <QString>

class QWidget;

enum class MessageIcon { None, Question, Information, Warning, Critical };

class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& text,
                          MessageIcon icon = MessageIcon::Question) = 0;
    // A message with an OK button (information, warning or error).
    virtual void inform(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) = 0;
};

// Records every box and answers questions from a queue (Yes when the queue is empty unless
// defaultAnswer is changed).
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        bool question;
        QString title;
        QString text;
        MessageIcon icon;
    };

    bool askYesNo(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;
    void inform(QWidget* parent, const QString& title, const QString& text, MessageIcon icon) override;

    QList<bool> answers;
    bool defaultAnswer = true;
    QList<Shown> shown;
};

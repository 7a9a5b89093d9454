// NewGameChoiceFile.cpp: reading and writing the new-game choices for a game window.
#include "NewGameChoiceFile.h"

#include "AppContext.h"
#include "MessageBoxes.h"

#include <QDir>

namespace {
const QString Title = QStringLiteral("New game");
} // namespace

NewGameChoiceFile::NewGameChoiceFile(AppContext& context, QWidget* window)
    : m_context(context)
    , m_window(window)
{
}

const GameChoices::Choices& NewGameChoiceFile::choices()
{
    if (m_read)
        return m_choices;
    m_read = true;
    const QString path = m_context.filePath(DataFile::GameChoices);
    QString problem;
    m_choices = GameChoices::read(path, &problem);
    if (!problem.isEmpty() && m_context.messages)
        m_context.messages->inform(m_window, Title,
            QStringLiteral("The new-game choices in \"%1\" cannot be read (%2). New games start as designed "
                           "until you choose again with New game…")
                .arg(QDir::toNativeSeparators(path), problem),
            MessageIcon::Warning);
    return m_choices;
}

void NewGameChoiceFile::store(const GameChoices::Logic& logic)
{
    choices();
    // The other game's part as the file has it now (its window may have changed it since).
    QString ignored;
    const GameChoices::Choices onFile
        = GameChoices::read(m_context.filePath(DataFile::GameChoices), &ignored);
    m_choices.jigsaw = onFile.jigsaw;
    m_choices.logic = logic;
    write();
}

void NewGameChoiceFile::store(const GameChoices::Jigsaw& jigsaw)
{
    choices();
    QString ignored;
    const GameChoices::Choices onFile
        = GameChoices::read(m_context.filePath(DataFile::GameChoices), &ignored);
    m_choices.logic = onFile.logic;
    m_choices.jigsaw = jigsaw;
    write();
}

void NewGameChoiceFile::write()
{
    const QString path = m_context.filePath(DataFile::GameChoices);
    QString error;
    if (!GameChoices::write(path, m_choices, &error) && m_context.messages)
        m_context.messages->inform(m_window, Title,
            QStringLiteral("The choice cannot be saved in \"%1\" (%2); it holds until the program ends.")
                .arg(QDir::toNativeSeparators(path), error),
            MessageIcon::Warning);
}

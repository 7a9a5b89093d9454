// FrmHelp.cpp: the Help window, a text box filling the window.
#include "FrmHelp.h"

#include "HelpText.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {
// Roughly 70 columns by 30 lines of the default font.
constexpr int kColumns = 72;
constexpr int kLines = 30;
constexpr int kTextMargin = 10;
} // namespace

FrmHelp::FrmHelp(StringTable::Language language, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FrmHelp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));

    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->document()->setDocumentMargin(kTextMargin);
    m_text->setPlainText(HelpText::guide(language));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);

    const QFontMetrics metrics(m_text->font());
    resize(metrics.averageCharWidth() * kColumns, metrics.lineSpacing() * kLines);
}

void FrmHelp::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        m_unloaded = true;
}

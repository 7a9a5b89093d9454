// FrmHelp.h: the Help window: the user guide as read-only text.
#pragma once

#include "StringTable.h"

#include <QWidget>

class QPlainTextEdit;

class FrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit FrmHelp(StringTable::Language language, QWidget* parent = nullptr);

    QPlainTextEdit* Text1() const { return m_text; }
    // Closed, waiting to be deleted.
    bool isUnloaded() const { return m_unloaded; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* m_text;
    bool m_unloaded = false;
};

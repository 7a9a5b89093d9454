// OptionsDialog.cpp: building the Options dialog from its model and taking the choices back.
#include "OptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

bool OptionsDialog::edit(QWidget* parent, OptionsModel& model)
{
    OptionsDialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

OptionsDialog::OptionsDialog(OptionsModel& model, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
{
    setWindowTitle(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    for (const OptionsModel::Field& field : model.fields()) {
        const QString name = QStringLiteral("option_") + field.letter;
        if (field.isStyle) {
            auto* row = new QFormLayout;
            m_style = new QComboBox(this);
            m_style->setObjectName(name);
            for (int v = 0; v <= OptionsModel::MaxStyle; ++v)
                m_style->addItem(OptionsModel::styleCaption(v), v);
            m_style->setCurrentIndex(model.value(field.letter));
            row->addRow(field.label + u':', m_style);
            layout->addLayout(row);
            m_boxes.append(nullptr);
            continue;
        }
        auto* box = new QCheckBox(field.label, this);
        box->setObjectName(name);
        box->setChecked(model.value(field.letter) != 0);
        layout->addWidget(box);
        m_boxes.append(box);
    }
    m_animations = new QCheckBox(QStringLiteral("Animations"), this);
    m_animations->setObjectName(QStringLiteral("option_animations"));
    m_animations->setChecked(model.animations());
    layout->addWidget(m_animations);
    if (model.game() == Game::Jigsaw) {
        // The level of a running game stays as it was dealt.
        auto* note = new QLabel(QStringLiteral("Rotation and shape style apply from the next game."), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void OptionsDialog::accept()
{
    const QList<OptionsModel::Field>& fields = m_model.fields();
    for (qsizetype i = 0; i < fields.size(); ++i)
        m_model.setValue(fields[i].letter, m_boxes[i] ? int(m_boxes[i]->isChecked()) : m_style->currentIndex());
    m_model.setAnimations(m_animations->isChecked());
    QDialog::accept();
}

// OptionsDialog.h: the modal Options dialog of both games over an OptionsModel: a check box per
// on/off field, a list for the shape style, and the Animations check box.
#pragma once

#include "OptionsModel.h"

#include <QDialog>
#include <QList>

class QAbstractButton;
class QCheckBox;
class QComboBox;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog on model; after OK the model holds the choices and true is returned.
    static bool edit(QWidget* parent, OptionsModel& model);

    // Controls are named "option_" + the field letter, and "option_animations".
    OptionsDialog(OptionsModel& model, QWidget* parent = nullptr);

    void accept() override;

private:
    OptionsModel& m_model;
    QList<QCheckBox*> m_boxes; // one per field, null for the style
    QComboBox* m_style = nullptr;
    QCheckBox* m_animations = nullptr;
};

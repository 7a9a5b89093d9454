// frmAbout.h: the About box: product name, version and the program's icon.
#pragma once

#include <QDialog>

class QIcon;
class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The version line every About box shows.
    static QString versionLine();

    explicit frmAbout(const QIcon& icon, QWidget* parent = nullptr);

    QLabel* lblVersion() const { return m_version; }
    QPushButton* cmdOK() const { return m_ok; }

private:
    QLabel* m_version;
    QPushButton* m_ok;
};

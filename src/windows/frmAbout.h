// frmAbout.h: the About box: product name, version, the program's icon and where the player's
// data is kept.
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

    frmAbout(const QIcon& icon, const QString& dataFolder, QWidget* parent = nullptr);

    QLabel* lblVersion() const { return m_version; }
    QPushButton* cmdOK() const { return m_ok; }
    QLabel* lblDataFolder() const { return m_dataFolder; }

private:
    QLabel* m_version;
    QLabel* m_dataFolder;
    QPushButton* m_ok;
};

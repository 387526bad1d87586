#pragma once
// The about dialog: the program icon, its name and version, and the credits.

#include <QDialog>

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* owner);
};

void RunAboutDialog(QWidget* owner);

#include "app/about_dialog.h"

#include "app/pictures_widget.h"
#include "base/dialog_buttons_widget.h"
#include "base/program_info.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("About ZUF File Manager"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* title = new QLabel(tr("ZUF File Manager v%1").arg(ProgramVersion.toString()), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* credits = new QLabel(tr("Catalogues, searches and tidies folder trees of\n"
                                  "ZUF tablature files of both generations.\n"
                                  "Written with C++ and Qt."),
                               this);
    QDialogButtonBox* buttons = DialogButtons(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1);
    grid->addWidget(credits, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    ok->setFocus();
}

void RunAboutDialog(QWidget* owner) {
    AboutDialog dialog(owner);
    dialog.exec();
}

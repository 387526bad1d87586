#include "catalogue/search_dialog.h"

#include "base/dialog_buttons_widget.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/search.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

SearchDialog::SearchDialog(QWidget* owner, CatalogueModel& list, quint16& searchFlags)
    : QDialog(owner), m_list(list), m_searchFlags(searchFlags) {
    setWindowTitle(tr("Search in Information"));
    m_words = new QLineEdit(list.searchText(), this);
    m_words->setMinimumWidth(300);
    m_case = new QCheckBox(tr("&Case Sensitivity"), this);
    m_case->setChecked(searchFlags & 1);
    QDialogButtonBox* buttons = DialogButtons(this, Qt::Vertical);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(ok, &QPushButton::clicked, this, &SearchDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SearchDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_words, 0, 0);
    grid->addWidget(buttons, 0, 1, 2, 1);
    grid->addWidget(m_case, 1, 0);
    setTabOrder(m_words, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_case);
    m_words->setFocus();
}

void SearchDialog::accept() {
    m_searchFlags = m_case->isChecked() ? 1 : 0;
    TakeSearchWords(m_list, m_words->text(), m_case->isChecked());
    QDialog::accept();
}

bool RunSearchDialog(QWidget* owner, CatalogueModel& list, quint16& searchFlags) {
    SearchDialog dialog(owner, list, searchFlags);
    return dialog.exec() == QDialog::Accepted;
}

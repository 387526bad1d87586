#include "catalogue/search_dialog.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/sort_search.h"
#include "settings/settings_store.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

SearchDialog::SearchDialog(QWidget* owner) : QDialog(owner) {
    setWindowTitle(tr("Search in Information"));
    m_words = new QLineEdit(catalogue().searchText(), this);
    m_words->setMinimumWidth(300);
    m_case = new QCheckBox(tr("&Case Sensitivity"), this);
    m_case->setChecked(settings().searchFlags & 1);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(ok, &QPushButton::clicked, this, &SearchDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &SearchDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_words, 0, 0);
    grid->addWidget(ok, 0, 1);
    grid->addWidget(m_case, 1, 0);
    grid->addWidget(cancel, 1, 1);
    setTabOrder(m_words, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_case);
    m_words->setFocus();
}

void SearchDialog::accept() {
    TakeSearchWords(m_words->text(), m_case->isChecked() ? 1 : 0);
    QDialog::accept();
}

bool RunSearchDialog(QWidget* owner) {
    SearchDialog dialog(owner);
    return dialog.exec() == QDialog::Accepted;
}

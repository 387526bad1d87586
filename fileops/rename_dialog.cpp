#include "fileops/rename_dialog.h"

#include "base/dialog_buttons_widget.h"
#include "base/path_label_widget.h"
#include "fileops/rename.h"
#include "format/file_summary.h"
#include "info/text_tools_widget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RenameFileDialog::RenameFileDialog(QWidget* owner, FileDialogs& dialogs, const FileSummary& current,
                                   const CatalogueModel& list, quint16& renameFlags)
    : QDialog(owner), m_dialogs(dialogs), m_current(current), m_list(list),
      m_renameFlags(renameFlags) {
    setWindowTitle(tr("Rename File"));
    m_tools = new TextToolTracker(this);

    auto* layout = new QGridLayout(this);
    auto* currentName = new PathLabel(current.currentEntry.name, this);
    currentName->setObjectName(QStringLiteral("currentName"));
    currentName->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_name = new QLineEdit(RenameSuggestion(current.currentEntry), this);
    m_name->setMaxLength(RenameNameMax);
    m_name->setMinimumWidth(480);
    m_tools->track(m_name);

    auto* tools = new QHBoxLayout;
    const struct {
        const char* text;
        int tool;
    } caseButtons[] = {{QT_TR_NOOP("ABC"), CaseUpper},
                       {QT_TR_NOOP("abc"), CaseLower},
                       {QT_TR_NOOP("Abc"), CaseWords}};
    for (const auto& button : caseButtons) {
        auto* push = new QPushButton(tr(button.text), this);
        const int tool = button.tool;
        connect(push, &QPushButton::clicked, this, [this, tool] { m_tools->applyCase(tool); });
        tools->addWidget(push);
    }
    auto* moveWord = new QPushButton(tr("Move First &Word"), this);
    connect(moveWord, &QPushButton::clicked, this, [this] { m_tools->moveFirstWord(); });
    tools->addWidget(moveWord);
    m_check = new QCheckBox(tr("Check duplicated names"), this);
    m_check->setChecked(m_renameFlags & 1);
    tools->addWidget(m_check);

    // The buttons' own clicks act: the box would take Skip, a No, for a Cancel as well.
    QDialogButtonBox* buttons = DialogButtons(this, Qt::Vertical);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* skip = buttons->addButton(tr("&Skip"), QDialogButtonBox::NoRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &RenameFileDialog::accept);
    connect(skip, &QPushButton::clicked, this, [this] { done(int(DialogAnswer::No)); });
    connect(cancel, &QPushButton::clicked, this, &RenameFileDialog::reject);

    layout->addWidget(currentName, 0, 0);
    layout->addWidget(m_name, 1, 0);
    layout->addLayout(tools, 2, 0);
    layout->addWidget(buttons, 0, 1, 3, 1);
    setTabOrder(m_name, ok);
    m_name->setFocus();
}

void RenameFileDialog::accept() {
    m_renameFlags = m_check->isChecked() ? 1 : 0;
    const QString name = m_name->text().left(RenameNameMax);
    if (!RenameFile(m_dialogs, (m_renameFlags & 1) ? &m_list : nullptr, m_current.currentPath, name,
                    m_current.currentEntry.folder))
        return;
    m_newName = name;
    done(int(DialogAnswer::Yes));
}

void RenameFileDialog::reject() {
    done(int(DialogAnswer::Cancel));
}

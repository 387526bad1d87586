#include "fileops/destination_dialog.h"

#include "base/dialog_buttons_widget.h"
#include "base/path_label_widget.h"
#include "fileops/destination.h"
#include "fileops/folder_history.h"
#include "fileops/message_dialog.h"
#include "platform/folder_path.h"
#include "platform/native_file.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The system's folder chooser with the caption `prompt`, opened on `start`.
static QString ChooseFolder(QWidget* owner, const QString& prompt, const QString& start) {
    QString open = start;
    if (open.size() > 1 && open.endsWith(FolderSeparator()))
        open.chop(1);
    const QString chosen =
        QFileDialog::getExistingDirectory(owner, prompt, open, QFileDialog::ShowDirsOnly);
    return chosen.isEmpty() ? QString() : QDir::toNativeSeparators(chosen);
}

static QPushButton* AddButton(QHBoxLayout* row, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    row->addWidget(button);
    return button;
}

DestinationDialog::DestinationDialog(QWidget* owner, const QString& title, const QString& prompt,
                                     FolderHistory& history, DestinationPlace place)
    : QDialog(owner), m_history(history), m_place(place) {
    setWindowTitle(title);
    chooseFolder = [prompt](QWidget* parent, const QString& start) {
        return ChooseFolder(parent, prompt, start);
    };
    runNewFolder = [this](QWidget* parent) { NewFolderDialog(parent, m_place).exec(); };

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("To &Folder:"), this);
    m_folder = new QComboBox(this);
    m_folder->setEditable(true);
    m_folder->setInsertPolicy(QComboBox::NoInsert);
    m_folder->setMinimumContentsLength(40);
    label->setBuddy(m_folder);
    layout->addWidget(label);
    layout->addWidget(m_folder);

    // Cancel stands before OK, after the two folder buttons, as it always has; a button box
    // puts OK first, so this row is laid by hand.
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* newFolder = AddButton(buttons, tr("New Folder..."), this);
    QPushButton* browse = AddButton(buttons, tr("Browse..."), this);
    QPushButton* cancel = AddButton(buttons, tr("Cancel"), this);
    QPushButton* ok = AddButton(buttons, tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &DestinationDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &DestinationDialog::reject);
    connect(browse, &QPushButton::clicked, this, &DestinationDialog::browse);
    connect(newFolder, &QPushButton::clicked, this, &DestinationDialog::newFolder);

    m_place.destFolder = InitialDestination(m_place.destFolder, m_place.workingFolder);
    const QString initial = m_place.destFolder;
    for (const QString& folder : m_history.entries)
        m_folder->addItem(folder);
    m_folder->setCurrentText(initial);
    m_folder->setFocus();
}

void DestinationDialog::accept() {
    m_place.destFolder = DestinationOf(m_folder->currentText(), m_place.workingFolder);
    done(m_place.destFolder.isEmpty() ? Rejected : Accepted);
}

void DestinationDialog::reject() {
    m_place.destFolder = DestinationOf(m_folder->currentText(), m_place.workingFolder);
    done(Rejected);
}

// Starts from the destination as it stood, not from text typed since; a chosen folder goes to
// the front of the history (the combo box's list stays as it is).
void DestinationDialog::browse() {
    QString& dest = m_place.destFolder;
    QString chosen = chooseFolder(this, dest);
    if (chosen.isEmpty()) {
        NormaliseFolder(dest);
        return;
    }
    NormaliseFolder(chosen);
    dest = chosen;
    AddToFolderHistory(m_history, chosen);
    m_folder->setCurrentText(dest);
}

void DestinationDialog::newFolder() {
    m_place.destFolder = m_folder->currentText();
    runNewFolder(this);
    m_folder->setCurrentText(m_place.destFolder);
}

NewFolderDialog::NewFolderDialog(QWidget* owner, DestinationPlace place)
    : QDialog(owner), m_place(place) {
    setWindowTitle(tr("Create Directory"));
    auto* layout = new QGridLayout(this);
    auto* rootCaption = new QLabel(tr("&Root:"), this);
    m_root = new PathLabel(InitialDestination(place.destFolder, place.workingFolder), this);
    m_root->setObjectName(QStringLiteral("root"));
    m_root->setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* nameCaption = new QLabel(tr("&New Folder:"), this);
    m_name = new QLineEdit(this);
    m_name->setMaxLength(DestinationTextMax);
    nameCaption->setBuddy(m_name);
    rootCaption->setBuddy(m_name); // the root cannot take the focus: its key goes to the name
    QDialogButtonBox* buttons = DialogButtons(this, Qt::Vertical);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    layout->addWidget(rootCaption, 0, 0);
    layout->addWidget(m_root, 1, 0);
    layout->addWidget(nameCaption, 2, 0);
    layout->addWidget(m_name, 3, 0);
    layout->addWidget(buttons, 0, 1, 4, 1);
    connect(ok, &QPushButton::clicked, this, &NewFolderDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &NewFolderDialog::reject);
    m_name->setFocus();
}

// A folder that cannot be made is reported in the system's words; the dialog stays open with
// the name, and the destination stays as it was.
void NewFolderDialog::accept() {
    const int error =
        CreateNewFolder(m_root->text(), m_name->text(), m_place.workingFolder, m_place.destFolder);
    if (error != 0) {
        ShowMessageBox(this,
                       SystemErrorText(error) + QStringLiteral("\n") +
                           NewFolderPath(m_root->text(), m_name->text(), m_place.workingFolder));
        m_name->setFocus();
        return;
    }
    done(Accepted);
}

void NewFolderDialog::reject() {
    done(Rejected);
}

#include "fileops/export_dialog.h"

#include "base/dialog_buttons_widget.h"
#include "fileops/batch_progress_dialog.h"
#include "fileops/message_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ExportDialog::ExportDialog(QWidget* owner, ExportChoice& choice, int selectedCount,
                           int shownCount)
    : QDialog(owner), m_choice(choice) {
    setWindowTitle(tr("Export List"));
    chooseFile = [](QWidget* chooserOwner, const QString& proposed) {
        const QString chosen = QFileDialog::getSaveFileName(chooserOwner, tr("Export List"),
                                                            proposed);
        return chosen.isEmpty() ? chosen : QDir::toNativeSeparators(chosen);
    };
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_selected = new QRadioButton(tr("&Selected rows (%1)").arg(selectedCount), this);
    m_all = new QRadioButton(tr("&All rows shown (%1)").arg(shownCount), this);
    m_selected->setEnabled(selectedCount > 0);
    (choice.selectedOnly && selectedCount > 0 ? m_selected : m_all)->setChecked(true);
    auto* rows = new QVBoxLayout;
    rows->addWidget(m_selected);
    rows->addWidget(m_all);
    form->addRow(tr("Rows:"), rows);

    m_format = new QComboBox(this);
    m_format->addItem(tr("CSV table (*.csv)"), int(ExportFormat::Csv));
    m_format->addItem(tr("Web page (*.html)"), int(ExportFormat::Html));
    m_format->addItem(tr("JSON (*.json)"), int(ExportFormat::Json));
    m_format->setCurrentIndex(m_format->findData(int(choice.format)));
    form->addRow(tr("&Format:"), m_format);
    m_byteOrderMark =
        new QCheckBox(tr("&Byte-order mark (for spreadsheet programs on Windows)"), this);
    m_byteOrderMark->setChecked(choice.byteOrderMark);
    form->addRow(QString(), m_byteOrderMark);

    auto* pathRow = new QHBoxLayout;
    m_path = new QLineEdit(choice.path, this);
    m_path->setMinimumWidth(360);
    m_browse = new QPushButton(tr("..."), this);
    m_browse->setAccessibleName(tr("Browse"));
    pathRow->addWidget(m_path);
    pathRow->addWidget(m_browse);
    // A row of two widgets gets no label of its own that knows its field: the label is
    // given the line edit, so that its letter reaches it and shows as a letter, not an '&'.
    auto* pathLabel = new QLabel(tr("F&ile:"), this);
    pathLabel->setBuddy(m_path);
    form->addRow(pathLabel, pathRow);
    layout->addLayout(form);
    QDialogButtonBox* buttons = DialogButtons(this);
    buttons->addButton(tr("Export"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportDialog::formatChanged);
    connect(m_browse, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &ExportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ExportDialog::reject);
    formatChanged();
}

// The byte-order mark is a CSV table's alone; the file's ending follows the format.
void ExportDialog::formatChanged() {
    const auto format = ExportFormat(m_format->currentData().toInt());
    m_byteOrderMark->setEnabled(format == ExportFormat::Csv);
    m_path->setText(WithExportSuffix(m_path->text(), format));
}

void ExportDialog::browse() {
    const QString chosen = chooseFile ? chooseFile(this, m_path->text()) : QString();
    if (chosen.isEmpty())
        return;
    m_path->setText(chosen);
    m_replaceConfirmed = chosen;
}

void ExportDialog::accept() {
    if (m_path->text().trimmed().isEmpty())
        return;
    m_choice.path = m_path->text();
    m_choice.format = ExportFormat(m_format->currentData().toInt());
    m_choice.byteOrderMark = m_byteOrderMark->isChecked() && m_choice.format == ExportFormat::Csv;
    m_choice.selectedOnly = m_selected->isChecked();
    QDialog::accept();
}

namespace {

class WindowExportDialogs : public ExportDialogs {
public:
    explicit WindowExportDialogs(QWidget* owner) : m_owner(owner), m_progress(owner, 500) {}

    bool runExportDialog(ExportChoice& choice, int selectedCount, int shownCount,
                         QString& replaceConfirmed) override {
        ExportDialog dialog(m_owner, choice, selectedCount, shownCount);
        const bool ok = dialog.exec() == QDialog::Accepted;
        replaceConfirmed = dialog.replaceConfirmed();
        return ok;
    }
    bool warnYesNo(const QString& text) override {
        return AskYesNo(m_owner, text, QMessageBox::No);
    }
    void showMessage(const QString& text) override {
        ShowMessageBox(m_owner, text);
    }
    bool progress(int done, int total) override {
        return m_progress.step(done, total, ExportDialog::tr("Exporting the list"));
    }

private:
    QWidget* m_owner;
    BatchProgress m_progress;
};

} // namespace

void RunExportCommand(QWidget* owner, const CatalogueModel& list, ExportChoice& choice,
                      const QString& workingFolder) {
    WindowExportDialogs dialogs(owner);
    ExportList(dialogs, list, choice, workingFolder);
}

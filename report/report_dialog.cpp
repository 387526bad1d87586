#include "report/report_dialog.h"

#include "base/dialog_buttons_widget.h"
#include "report/create_report.h"
#include "report/report.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// The longest report path the dialog takes.
static constexpr int ReportPathMax = 255;

// The system's save dialog for the report path, opening in `startFolder`; it asks before naming
// an existing file.
static QString ChooseReportFile(QWidget* owner, const QString& path, const QString& startFolder) {
    QFileDialog dialog(owner, ReportDialog::tr("Report"), startFolder,
                       ReportDialog::tr("Text files (*.txt)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!path.isEmpty())
        dialog.selectFile(path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

ReportDialog::ReportDialog(QWidget* owner, quint16& flags, QString& path,
                           const QString& startFolder)
    : QDialog(owner), m_flags(flags), m_reportPath(path) {
    setWindowTitle(tr("Report"));
    chooseFile = [startFolder](QWidget* chooserOwner, const QString& proposed) {
        return ChooseReportFile(chooserOwner, proposed, startFolder);
    };
    auto* layout = new QGridLayout(this);
    const struct {
        const char* text;
        int bit;
    } fields[] = {{QT_TR_NOOP("File &Path"), ReportFolder},
                  {QT_TR_NOOP("File &Name"), ReportName},
                  {QT_TR_NOOP("&Full Path (Path+Name)"), ReportFullPath},
                  {QT_TR_NOOP("File &Size"), ReportSize},
                  {QT_TR_NOOP("File &Date"), ReportDate},
                  {QT_TR_NOOP("&Title"), ReportTitle},
                  {QT_TR_NOOP("&Author"), ReportAuthor},
                  {QT_TR_NOOP("First module T&uning"), ReportTuning}};
    int line = 0;
    for (const auto& field : fields) {
        auto* box = new QCheckBox(tr(field.text), this);
        box->setChecked(flags & field.bit);
        const int bit = field.bit;
        connect(box, &QCheckBox::toggled, this,
                [this, bit](bool checked) { fieldToggled(bit, checked); });
        m_boxes[bit] = box;
        layout->addWidget(box, line / 2, line % 2);
        ++line;
    }
    m_clipboard = new QRadioButton(tr("Copy to &Clipboard"), this);
    m_file = new QRadioButton(tr("Save to &File"), this);
    (flags & ReportToFile ? m_file : m_clipboard)->setChecked(true);
    layout->addWidget(m_clipboard, 4, 0);
    layout->addWidget(m_file, 4, 1);
    connect(m_clipboard, &QRadioButton::toggled, this, &ReportDialog::applyTargetEnabling);
    connect(m_file, &QRadioButton::toggled, this, &ReportDialog::applyTargetEnabling);

    auto* pathRow = new QHBoxLayout;
    m_path = new QLineEdit(m_reportPath, this);
    m_path->setMaxLength(ReportPathMax);
    m_path->setMinimumWidth(300);
    m_browse = new QPushButton(tr("..."), this);
    m_browse->setAccessibleName(tr("Browse"));
    connect(m_browse, &QPushButton::clicked, this, &ReportDialog::browse);
    pathRow->addWidget(m_path);
    pathRow->addWidget(m_browse);
    layout->addLayout(pathRow, 5, 0, 1, 2);

    QDialogButtonBox* buttons = DialogButtons(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    layout->addWidget(buttons, 6, 0, 1, 2);
    connect(ok, &QPushButton::clicked, this, &ReportDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &ReportDialog::reject);
    applyTargetEnabling();
}

void ReportDialog::applyTargetEnabling() {
    const bool toFile = m_file->isChecked();
    m_path->setEnabled(toFile);
    m_browse->setEnabled(toFile);
}

// Folder and name together make the full path: without either there is none, and asking for
// it asks for both.
void ReportDialog::fieldToggled(int bit, bool checked) {
    if (!checked && (bit == ReportFolder || bit == ReportName))
        m_boxes[ReportFullPath]->setChecked(false);
    if (checked && bit == ReportFullPath) {
        m_boxes[ReportFolder]->setChecked(true);
        m_boxes[ReportName]->setChecked(true);
    }
}

void ReportDialog::browse() {
    const QString chosen = chooseFile(this, m_reportPath);
    if (!chosen.isEmpty()) {
        m_reportPath = chosen.left(ReportPathMax);
        m_replaceConfirmed = m_reportPath; // the chooser asked before naming an existing file
    }
    m_path->setText(m_reportPath);
}

void ReportDialog::accept() {
    m_reportPath = m_path->text().left(ReportPathMax);
    quint16 flags = m_file->isChecked() ? ReportToFile : 0;
    for (const auto& [bit, box] : m_boxes)
        if (box->isChecked())
            flags |= quint16(bit);
    m_flags = flags;
    done(Accepted);
}

#include "fileops/pattern_rename_dialog.h"

#include "base/path_label_widget.h"
#include "fileops/destination_dialog.h"
#include "platform/folder_path.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

// How long the typing must pause before a new plan is started.
constexpr int TypingPauseMs = 30;

// The pattern a first use offers.
static QString FirstPattern() {
    return QStringLiteral("%author% - %title%");
}

// ---- the preview --------------------------------------------------------------------------

RenamePreviewModel::RenamePreviewModel(std::shared_ptr<const std::vector<RenameFacts>> files,
                                       const QString& workingFolder, QObject* parent)
    : QAbstractTableModel(parent), m_files(std::move(files)),
      m_workingFolder(NormalisedFolder(workingFolder)) {}

QString RenamePreviewModel::shownFolder(const QString& folder) const {
    if (m_workingFolder.isEmpty() || folder.size() < m_workingFolder.size() ||
        !SameFolder(folder.left(m_workingFolder.size()), m_workingFolder))
        return folder;
    const QString below = folder.mid(m_workingFolder.size());
    return below.isEmpty() ? QStringLiteral(".") : below;
}

void RenamePreviewModel::setPlan(std::vector<PlannedRename> plan) {
    m_plan = std::move(plan);
    if (rowCount() > 0)
        emit dataChanged(index(0, NewFolder), index(rowCount() - 1, Outcome));
}

int RenamePreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_files->size());
}

int RenamePreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RenamePreviewModel::data(const QModelIndex& index, int role) const {
    const size_t row = size_t(index.row());
    if (!index.isValid() || row >= m_files->size())
        return {};
    const PlannedRename* planned = row < m_plan.size() ? &m_plan[row] : nullptr;
    if (role == Qt::ForegroundRole && planned) {
        if (!RenameCanBeDone(planned->outcome))
            return QBrush(Qt::red);
        if (planned->outcome == RenameOutcome::Unchanged)
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const bool whole = role == Qt::ToolTipRole;
    const RenameFacts& file = (*m_files)[row];
    switch (index.column()) {
    case OldFolder:
        return whole ? file.folder : shownFolder(file.folder);
    case OldName:
        return file.name;
    case NewFolder:
        if (!planned)
            return {};
        return whole ? planned->newFolder : shownFolder(planned->newFolder);
    case NewName:
        return planned ? planned->newName : QVariant();
    case Outcome:
        return planned ? RenameOutcomeText(planned->outcome) : QVariant();
    default:
        return {};
    }
}

QVariant RenamePreviewModel::headerData(int section, Qt::Orientation orientation,
                                        int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case OldFolder:
        return tr("Folder");
    case OldName:
        return tr("Name");
    case NewFolder:
        return tr("New folder");
    case NewName:
        return tr("New name");
    case Outcome:
        return tr("What happens");
    default:
        return {};
    }
}

// ---- the dialog ---------------------------------------------------------------------------

PatternRenameDialog::PatternRenameDialog(QWidget* owner, std::vector<RenameFacts> files,
                                         const QStringList& recent, FolderHistory& history,
                                         const QString& workingFolder)
    : QDialog(owner), m_files(std::make_shared<const std::vector<RenameFacts>>(std::move(files))),
      m_history(history), m_workingFolder(workingFolder),
      m_baseFolder(NormalisedFolder(workingFolder)) {
    setWindowTitle(tr("Rename by Pattern"));
    m_preview = new RenamePreviewModel(m_files, m_workingFolder, this);
    buildLayout(recent);
    m_typing.setSingleShot(true);
    m_typing.setInterval(TypingPauseMs);
    connect(&m_typing, &QTimer::timeout, this, &PatternRenameDialog::startPlan);
    connect(m_pattern, &QComboBox::editTextChanged, this, &PatternRenameDialog::inputChanged);
    connect(m_case, &QComboBox::currentIndexChanged, this, &PatternRenameDialog::inputChanged);
    connect(m_number, &QCheckBox::toggled, this, &PatternRenameDialog::inputChanged);
    connect(m_chooseFolder, &QPushButton::clicked, this, &PatternRenameDialog::chooseBaseFolder);
    inputChanged();
}

PatternRenameDialog::~PatternRenameDialog() {
    stopWorkers();
}

void PatternRenameDialog::buildLayout(const QStringList& recent) {
    m_pattern = new QComboBox(this);
    m_pattern->setEditable(true);
    m_pattern->setInsertPolicy(QComboBox::NoInsert);
    m_pattern->addItems(recent);
    m_pattern->setEditText(recent.isEmpty() ? FirstPattern() : recent.first());
    m_pattern->setMinimumContentsLength(40);
    m_pattern->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* insert = new QPushButton(tr("Insert &Field"), this);
    insert->setAutoDefault(false);
    auto* fields = new QMenu(insert);
    for (const QString& field : RenamePatternFields()) {
        fields->addAction(field, this, [this, field] {
            m_pattern->lineEdit()->insert(field);
            m_pattern->setFocus();
        });
    }
    insert->setMenu(fields);

    auto* patternRow = new QHBoxLayout;
    patternRow->addWidget(m_pattern, 1);
    patternRow->addWidget(insert);

    m_error = new QLabel(this);
    QPalette errorColours = m_error->palette();
    errorColours.setColor(QPalette::WindowText, Qt::red);
    m_error->setPalette(errorColours);
    m_error->setWordWrap(true);

    m_baseLabel = new PathLabel(m_baseFolder, this);
    m_chooseFolder = new QPushButton(tr("C&hoose..."), this);
    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(m_baseLabel, 1);
    baseRow->addWidget(m_chooseFolder);

    m_case = new QComboBox(this);
    m_case->addItems({tr("As is"), QStringLiteral("ABC"), QStringLiteral("abc"),
                      QStringLiteral("Abc")});
    m_number = new QCheckBox(tr("N&umber files that would get the same name"), this);
    m_removeFolders = new QCheckBox(tr("Remove folders the renaming leaves &empty"), this);

    auto* form = new QFormLayout;
    form->addRow(tr("&Pattern:"), patternRow);
    form->addRow(QString(), m_error);
    form->addRow(tr("Folders go below:"), baseRow);
    form->addRow(tr("&Case:"), m_case);
    form->addRow(QString(), m_number);
    form->addRow(QString(), m_removeFolders);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(patternRow)))
        label->setBuddy(m_pattern);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(m_case)))
        label->setBuddy(m_case);

    m_table = new QTableView(this);
    m_table->setModel(m_preview);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setWordWrap(false);
    m_table->setTextElideMode(Qt::ElideMiddle);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    const int character = fontMetrics().averageCharWidth();
    for (int column : {RenamePreviewModel::OldFolder, RenamePreviewModel::NewFolder})
        m_table->setColumnWidth(column, 20 * character);
    for (int column : {RenamePreviewModel::OldName, RenamePreviewModel::NewName})
        m_table->setColumnWidth(column, 30 * character);

    m_summary = new QLabel(this);
    auto* buttons = new QDialogButtonBox(this);
    m_rename = buttons->addButton(tr("&Rename"), QDialogButtonBox::AcceptRole);
    m_rename->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    // Wide enough for every column, never wider or higher than the screen.
    QSize size(150 * character, 34 * fontMetrics().height());
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

RenamePlanOptions PatternRenameDialog::currentOptions() const {
    RenamePlanOptions options;
    options.baseFolder = m_baseFolder;
    options.nameCase = RenameCase(m_case->currentIndex());
    options.numberDuplicates = m_number->isChecked();
    return options;
}

void PatternRenameDialog::setBaseFolder(const QString& folder) {
    m_baseFolder = NormalisedFolder(folder);
    m_baseLabel->setText(m_baseFolder);
    m_baseLabel->setToolTip(m_baseFolder);
    inputChanged();
}

// The destination dialog over the folder history; what it answers becomes the base folder only
// when the user pressed OK.
void PatternRenameDialog::chooseBaseFolder() {
    QString chosen = m_baseFolder;
    DestinationDialog dialog(this, tr("Rename by Pattern"), tr("Select destination folder"),
                             m_history, {chosen, m_workingFolder});
    if (dialog.exec() == QDialog::Accepted)
        setBaseFolder(chosen);
}

// Every change of the input makes the plan on show stale: Rename waits for the next one, which
// starts once the typing pauses. A pattern that cannot be read says why, and nothing can run.
void PatternRenameDialog::inputChanged() {
    ++m_pendingGeneration;
    m_acceptWhenReady = false;
    QString error;
    int errorPos = -1;
    m_parsed = ParseRenamePattern(m_pattern->currentText(), &error, &errorPos);
    m_baseLabel->setEnabled(m_parsed.hasFolders);
    m_chooseFolder->setEnabled(m_parsed.hasFolders);
    if (!m_parsed.valid) {
        if (m_cancel)
            m_cancel->store(true);
        m_typing.stop();
        m_error->setText(errorPos >= 0 ? tr("%1 (at character %2)").arg(error).arg(errorPos + 1)
                                       : error);
        m_error->show();
        m_shownGeneration = m_pendingGeneration;
        m_preview->setPlan({});
        m_summary->clear();
        m_rename->setEnabled(false);
        return;
    }
    m_error->clear();
    m_error->hide();
    m_typing.start();
}

// Works out the plan of the current input on a thread of its own; a plan still being worked
// out for an older input is told to stop.
void PatternRenameDialog::startPlan() {
    if (m_cancel)
        m_cancel->store(true);
    auto cancel = std::make_shared<std::atomic_bool>(false);
    m_cancel = cancel;
    std::erase_if(m_workers, [](const std::future<void>& worker) {
        return worker.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    });
    const quint64 generation = m_pendingGeneration;
    m_workers.push_back(std::async(
        std::launch::async,
        [this, files = m_files, pattern = m_parsed, options = currentOptions(), cancel,
         generation] {
            std::vector<PlannedRename> plan = PlanRenames(pattern, options, *files, cancel.get());
            if (cancel->load())
                return;
            // The dialog waits for its workers before it goes, so it is still there to be
            // posted to; the plan arrives on the window thread.
            QMetaObject::invokeMethod(
                this,
                [this, generation, plan = std::move(plan)]() mutable {
                    showPlan(generation, std::move(plan));
                },
                Qt::QueuedConnection);
        }));
}

void PatternRenameDialog::showPlan(quint64 generation, std::vector<PlannedRename> plan) {
    if (generation != m_pendingGeneration)
        return; // the input changed since
    m_shownGeneration = generation;
    m_preview->setPlan(std::move(plan));
    showSummary();
    if (std::exchange(m_acceptWhenReady, false))
        accept();
}

void PatternRenameDialog::showSummary() {
    int renamed = 0, moved = 0, unchanged = 0, refused = 0;
    for (const PlannedRename& planned : m_preview->plan()) {
        switch (planned.outcome) {
        case RenameOutcome::Rename:
            ++renamed;
            break;
        case RenameOutcome::Move:
            ++moved;
            break;
        case RenameOutcome::Unchanged:
            ++unchanged;
            break;
        default:
            ++refused;
        }
    }
    m_summary->setText(tr("To rename: %1, to move: %2, unchanged: %3, cannot be done: %4")
                           .arg(renamed)
                           .arg(moved)
                           .arg(unchanged)
                           .arg(refused));
    m_rename->setEnabled(renamed + moved > 0);
}

// Rename pressed while the plan of the latest input is being worked out runs that plan once it
// is there, if it has anything to do: never one the preview has not shown.
void PatternRenameDialog::accept() {
    if (!m_parsed.valid)
        return;
    if (planPending()) {
        m_acceptWhenReady = true;
        return;
    }
    if (!m_rename->isEnabled())
        return;
    m_choice.pattern = m_pattern->currentText();
    m_choice.options = currentOptions();
    m_choice.plan = m_preview->plan();
    m_choice.removeEmptyFolders = m_removeFolders->isChecked();
    QDialog::accept();
}

void PatternRenameDialog::stopWorkers() {
    if (m_cancel)
        m_cancel->store(true);
    for (std::future<void>& worker : m_workers)
        worker.wait();
    m_workers.clear();
}

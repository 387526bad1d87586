#include "fileops/info_batch_dialog.h"

#include "catalogue/catalogue_model.h"
#include "fileops/batch_progress_dialog.h"
#include "fileops/message_dialog.h"
#include "info/text_case.h"
#include "info/text_tools_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

// How often the window looks at the check's progress.
constexpr int CheckLookMs = 50;

// ---- the check --------------------------------------------------------------------------

static std::vector<QString> PathsOf(const CatalogueModel& list, const std::vector<int>& rows) {
    std::vector<QString> paths;
    paths.reserve(rows.size());
    for (const int row : rows) {
        const Entry* entry = list.entryAt(row);
        paths.push_back(entry ? entry->folder + entry->name : QString());
    }
    return paths;
}

InfoCheckWatch::InfoCheckWatch(const CatalogueModel& list, const std::vector<int>& rows,
                               QObject* parent)
    : QObject(parent), m_checker(std::make_unique<InfoFileChecker>(PathsOf(list, rows))) {
    m_timer.setInterval(CheckLookMs);
    connect(&m_timer, &QTimer::timeout, this, &InfoCheckWatch::look);
    m_timer.start();
}

InfoCheckWatch::~InfoCheckWatch() = default;

InfoFileStatus InfoCheckWatch::status(int i) const {
    return i < m_seen ? m_checker->status(i) : InfoFileStatus{};
}

void InfoCheckWatch::stop() {
    m_timer.stop();
    m_checker->stop();
    look();
}

void InfoCheckWatch::look() {
    const int from = m_seen;
    const int to = m_checker->checked();
    for (int i = from; i < to; ++i)
        if (m_checker->status(i).state != InfoFileState::Writable)
            m_refused.push_back(i);
    m_seen = to;
    if (m_checker->finished())
        m_timer.stop();
    if (progressed && (to > from || m_checker->finished()))
        progressed(from, to);
}

// ---- the files that will not be written ------------------------------------------------

RefusedFilesModel::RefusedFilesModel(const InfoCheckWatch& check, QObject* parent)
    : QAbstractTableModel(parent), m_check(check) {}

void RefusedFilesModel::refusedGrew(int count) {
    if (count <= 0)
        return;
    beginInsertRows({}, m_rows, m_rows + count - 1);
    m_rows += count;
    endInsertRows();
}

int RefusedFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RefusedFilesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant RefusedFilesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const int file = m_check.refused()[size_t(index.row())];
    return index.column() == 0 ? m_check.path(file) : InfoFileStatusText(m_check.status(file));
}

QVariant RefusedFilesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? tr("File") : tr("Why not");
}

QTableView* FileTable(QAbstractItemModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(model);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideMiddle);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// ---- the dialog -------------------------------------------------------------------------

// The files break lines with CR LF; the edit fields with LF.
static QString EditLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The name of a text tool as its button shows it.
static QString ToolName(int tool) {
    switch (tool) {
    case CaseUpper:
        return InfoBatchDialog::tr("ABC");
    case CaseLower:
        return InfoBatchDialog::tr("abc");
    case CaseWords:
        return InfoBatchDialog::tr("Abc");
    default:
        return InfoBatchDialog::tr("(\")");
    }
}

InfoBatchDialog::InfoBatchDialog(QWidget* owner, const CatalogueModel& list, std::vector<int> rows)
    : QDialog(owner), m_list(list), m_rows(std::move(rows)),
      m_shared(SharedInfoOfRows(list, m_rows)) {
    setWindowTitle(tr("Information"));
    m_tracker = new TextToolTracker(this);
    m_check = new InfoCheckWatch(list, m_rows, this);
    m_refused = new RefusedFilesModel(*m_check, this);

    m_count = new QLabel(tr("%n files", nullptr, int(m_rows.size())), this);
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);

    m_title = new QLineEdit(this);
    m_subtitle = new QLineEdit(this);
    m_comments = new QPlainTextEdit(this);
    m_comments->setTabChangesFocus(true);
    m_comments->setFixedHeight(5 * fontMetrics().lineSpacing());
    m_shared.fields[size_t(InfoField::Comments)].text =
        EditLines(m_shared.fields[size_t(InfoField::Comments)].text);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_count, 0, 0, 1, 2);
    makeField(InfoField::Title, tr("&Title:"), m_title, 1, layout);
    makeField(InfoField::Subtitle, tr("&Sub-Title:"), m_subtitle, 3, layout);
    makeField(InfoField::Comments, tr("&Comments:"), m_comments, 5, layout);

    // The tools and the buttons share one row, Cancel before the save, as in the single dialog.
    auto* buttons = new QHBoxLayout;
    for (const int tool : {int(CaseUpper), int(CaseLower), int(CaseWords), QuoteTool}) {
        auto* push = new QPushButton(ToolName(tool), this);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, [this, tool] { applyTool(tool); });
        buttons->addWidget(push);
    }
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setFocusPolicy(Qt::ClickFocus);
    m_save = new QPushButton(tr("Save to Files"), this);
    m_save->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_save);
    connect(cancel, &QPushButton::clicked, this, &InfoBatchDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &InfoBatchDialog::accept);
    layout->addLayout(buttons, 7, 0, 1, 2);

    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary, 8, 0, 1, 2);
    m_refusedTable = FileTable(m_refused, this);
    m_refusedTable->setColumnWidth(0, 60 * fontMetrics().averageCharWidth());
    m_refusedTable->hide();
    layout->addWidget(m_refusedTable, 9, 0, 1, 2);
    layout->setRowStretch(9, 1);

    m_check->progressed = [this](int, int) {
        m_refused->refusedGrew(int(m_check->refused().size()) - m_refused->rowCount());
        showSummary();
    };
    for (int field = 0; field < InfoFieldCount; ++field)
        showField(field);
    showSummary();
    const int character = fontMetrics().averageCharWidth();
    // At least as wide as the row of tools and buttons, whose texts are longer in some languages.
    setMinimumWidth(std::max(520, layout->minimumSize().width()));
    QSize size(std::max(90 * character, minimumWidth()), 34 * fontMetrics().height());
    if (const QScreen* screen = owner ? owner->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
    m_title->setFocus();
}

InfoBatchDialog::~InfoBatchDialog() = default;

void InfoBatchDialog::makeField(InfoField which, const QString& caption, QWidget* editor, int row,
                                QGridLayout* layout) {
    const int field = int(which);
    Field& f = m_fields[size_t(field)];
    f.shared = m_shared.fields[size_t(field)];
    f.widget = editor;
    auto* label = new QLabel(caption, this);
    label->setBuddy(editor);
    f.tools = new QLabel(this);
    f.tools->setEnabled(false); // grey, as a note beside the caption
    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(label);
    captionRow->addWidget(f.tools, 1);
    layout->addLayout(captionRow, row, 0, 1, 2);

    f.clear = new QToolButton(this);
    f.clear->setText(tr("Clear"));
    f.clear->setToolTip(tr("Empty this field in every file"));
    f.clear->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(f.clear);
    menu->addAction(tr("&Clear in Every File"), this, [this, field] { clearField(field); });
    menu->addAction(tr("&Keep Each File's Own Text"), this, [this, field] { keepField(field); });
    f.clear->setMenu(menu);
    connect(f.clear, &QToolButton::clicked, this, [this, field] { clearField(field); });
    layout->addWidget(editor, row + 1, 0);
    layout->addWidget(f.clear, row + 1, 1, Qt::AlignTop);

    if (f.shared.same)
        setFieldText(field, f.shared.text);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        m_tracker->track(line);
        connect(line, &QLineEdit::textChanged, this, [this, field] { fieldEdited(field); });
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(editor)) {
        m_tracker->track(text);
        connect(text, &QPlainTextEdit::textChanged, this, [this, field] { fieldEdited(field); });
    }
}

QString InfoBatchDialog::fieldText(int field) const {
    QWidget* widget = m_fields[size_t(field)].widget;
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    return static_cast<QPlainTextEdit*>(widget)->toPlainText();
}

void InfoBatchDialog::setFieldText(int field, const QString& text) {
    m_settingText = true;
    QWidget* widget = m_fields[size_t(field)].widget;
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(widget)->setPlainText(text);
    m_settingText = false;
}

int InfoBatchDialog::fieldOf(const QWidget* widget) const {
    for (int field = 0; field < InfoFieldCount; ++field)
        if (widget && m_fields[size_t(field)].widget == widget)
            return field;
    return -1;
}

// A field's edit follows its text: the shared text is kept, any other text set for every file.
// A field emptied by the user keeps each file's own text again when the files differ (or
// share an empty one); a shared text erased, or a field cleared, empties it in every file.
void InfoBatchDialog::fieldEdited(int field) {
    if (m_settingText)
        return;
    const QString text = fieldText(field);
    const SharedField& shared = m_fields[size_t(field)].shared;
    FieldEdit& edit = m_edit[size_t(field)];
    const bool cleared = edit.kind == FieldEdit::Kind::Set && edit.text.isEmpty();
    if (text.isEmpty() && cleared)
        return;
    if (shared.same ? text == shared.text : text.isEmpty())
        edit = {};
    else
        edit = FieldEdit::set(text);
    showField(field);
    showSummary();
}

void InfoBatchDialog::keepField(int field) {
    const SharedField& shared = m_fields[size_t(field)].shared;
    setFieldText(field, shared.same ? shared.text : QString());
    m_edit[size_t(field)] = {};
    showField(field);
    showSummary();
}

void InfoBatchDialog::clearField(int field) {
    setFieldText(field, QString());
    m_edit[size_t(field)] = FieldEdit::set(QString());
    showField(field);
    showSummary();
    m_fields[size_t(field)].widget->setFocus();
}

void InfoBatchDialog::showField(int field) {
    Field& f = m_fields[size_t(field)];
    const FieldEdit& edit = m_edit[size_t(field)];
    const bool keep = edit.kind == FieldEdit::Kind::Keep;
    QString placeholder;
    if (keep && !f.shared.same)
        placeholder = DifferentInFilesText(m_shared.fileCount);
    else if (!keep && edit.text.isEmpty())
        placeholder = tr("(empty in every file)");
    if (auto* line = qobject_cast<QLineEdit*>(f.widget))
        line->setPlaceholderText(placeholder);
    else
        static_cast<QPlainTextEdit*>(f.widget)->setPlaceholderText(placeholder);
    QStringList tools;
    for (const int tool : edit.tools)
        tools << ToolName(tool);
    f.tools->setText(tools.isEmpty() ? QString()
                                     : tr("each file's own text, then %1").arg(tools.join(u", ")));
}

void InfoBatchDialog::applyTool(int tool) {
    const int field = fieldOf(m_tracker->lastField());
    if (field < 0)
        return;
    FieldEdit& edit = m_edit[size_t(field)];
    if (edit.kind == FieldEdit::Kind::Keep && !m_fields[size_t(field)].shared.same) {
        edit.tools.push_back(tool);
        showField(field);
        showSummary();
        m_fields[size_t(field)].widget->setFocus();
    } else if (tool == QuoteTool) {
        m_tracker->removeQuotes();
    } else {
        m_tracker->applyCase(tool);
    }
}

void InfoBatchDialog::showSummary() {
    const int refused = int(m_check->refused().size());
    const int writable = m_check->total() - refused;
    QString text =
        m_check->finished()
            ? tr("%n file(s) will be written.", nullptr, writable)
            : tr("Checking the files: %1 of %2...").arg(m_check->checked()).arg(m_check->total());
    if (refused > 0)
        text += u' ' + tr("%n file(s) will not be written:", nullptr, refused);
    m_summary->setText(text);
    m_refusedTable->setVisible(refused > 0);
    m_save->setEnabled(EditChangesFiles(m_edit) && writable > 0);
}

std::vector<InfoRowEdit> InfoBatchDialog::rowEdits() const {
    std::vector<InfoRowEdit> edits;
    edits.reserve(m_rows.size());
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_check->status(int(i)).state == InfoFileState::Writable)
            edits.push_back({m_rows[i], m_edit});
    return edits;
}

void InfoBatchDialog::accept() {
    if (!m_save->isEnabled())
        return;      // Enter with nothing to write does nothing
    m_check->stop(); // the save checks each file again as it writes it
    QDialog::accept();
}

// ---- the commands -----------------------------------------------------------------------

void RunInfoSave(QWidget* owner, CatalogueModel& list, const std::vector<InfoRowEdit>& edits,
                 UndoRecord& undo, int progressAfterMs) {
    BatchProgress progress(owner, progressAfterMs);
    const InfoBatchResult result =
        SaveInfoBatch(list, edits, undo, [&progress](int done, int total, const QString& path) {
            return progress.step(done, total, path);
        });
    if (!result.failures.isEmpty())
        FailureListDialog(owner, InfoBatchFailureText(int(result.failures.size())),
                          result.failures.join(u'\n'))
            .exec();
}

void RunInfoBatchCommand(QWidget* owner, CatalogueModel& list, UndoRecord& undo,
                         int progressAfterMs) {
    std::vector<int> rows = list.selectedRows();
    if (rows.size() < 2)
        return;
    std::vector<InfoRowEdit> edits;
    {
        InfoBatchDialog dialog(owner, list, std::move(rows));
        if (dialog.exec() != QDialog::Accepted)
            return;
        edits = dialog.rowEdits();
    }
    RunInfoSave(owner, list, edits, undo, progressAfterMs);
}

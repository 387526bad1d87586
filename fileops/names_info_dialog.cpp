#include "fileops/names_info_dialog.h"

#include "base/dialog_buttons_widget.h"
#include "catalogue/catalogue_model.h"
#include "fileops/folder_history.h"

#include <QBrush>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

// How long the typing must pause before the names are matched again.
constexpr int TypingPauseMs = 60;

// The pattern a first use offers.
static QString FirstPattern() {
    return QStringLiteral("%author% - %title%");
}

// ---- the preview ------------------------------------------------------------------------

NamesPreviewModel::NamesPreviewModel(const CatalogueModel& list, const std::vector<int>& rows,
                                     const InfoCheckWatch& check, QObject* parent)
    : QAbstractTableModel(parent), m_check(check) {
    m_names.reserve(rows.size());
    m_own.reserve(rows.size());
    for (const int row : rows) {
        const Entry* entry = list.entryAt(row);
        m_names.push_back(entry ? entry->name : QString());
        m_own.push_back(entry ? InfoTexts{entry->title, entry->subtitle, entry->comments}
                              : InfoTexts{});
    }
}

void NamesPreviewModel::setMatches(std::vector<std::optional<NameTexts>> matches) {
    m_matches = std::move(matches);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void NamesPreviewModel::checked(int from, int to) {
    if (to > from)
        emit dataChanged(index(from, 0), index(to - 1, ColumnCount - 1));
}

int NamesPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_names.size());
}

int NamesPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

// Why the row's file would not be written; empty when it would be.
QString NamesPreviewModel::noteOf(int row) const {
    if (m_matches.empty())
        return {};
    if (!m_matches[size_t(row)])
        return tr("does not match");
    const InfoFileStatus status = m_check.status(row);
    return status.state == InfoFileState::Writable ? QString() : InfoFileStatusText(status);
}

QVariant NamesPreviewModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const std::optional<NameTexts>* match =
        size_t(row) < m_matches.size() ? &m_matches[size_t(row)] : nullptr;
    const int field = index.column() - Title; // Title, Author, Comments: InfoField
    const bool fieldColumn = index.column() >= Title && index.column() <= Comments;
    const bool own = fieldColumn && (!match || !*match || !(**match)[size_t(field)]);
    if (role == Qt::ForegroundRole) {
        const bool notWritten = !noteOf(row).isEmpty();
        if (notWritten && (index.column() == Name || index.column() == Note))
            return QBrush(Qt::red);
        if (fieldColumn && (own || notWritten)) // the file keeps its own text
            return QPalette().brush(QPalette::Disabled, QPalette::Text);
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    if (index.column() == Name)
        return m_names[size_t(row)];
    if (index.column() == Note)
        return noteOf(row);
    const InfoTexts& texts = m_own[size_t(row)];
    const QString* kept[] = {&texts.title, &texts.subtitle, &texts.comments};
    return own ? *kept[field] : *(**match)[size_t(field)];
}

QVariant NamesPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Name:
        return tr("Name");
    case Title:
        return tr("Title");
    case Author:
        return tr("Author");
    case Comments:
        return tr("Comments");
    case Note:
        return tr("Not written");
    default:
        return {};
    }
}

// ---- the dialog -------------------------------------------------------------------------

NamesInfoDialog::NamesInfoDialog(QWidget* owner, const CatalogueModel& list, std::vector<int> rows,
                                 const QStringList& recent)
    : QDialog(owner), m_rows(std::move(rows)) {
    setWindowTitle(tr("Information from Names"));
    m_check = new InfoCheckWatch(list, m_rows, this);
    m_preview = new NamesPreviewModel(list, m_rows, *m_check, this);
    m_check->progressed = [this](int from, int to) {
        m_preview->checked(from, to);
        showSummary();
    };

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
    for (const QString& field : NamePatternFields()) {
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
    auto* form = new QFormLayout;
    form->addRow(tr("&Pattern:"), patternRow);
    form->addRow(QString(), m_error);
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(patternRow)))
        label->setBuddy(m_pattern);

    m_table = FileTable(m_preview, this);
    const int character = fontMetrics().averageCharWidth();
    m_table->setColumnWidth(NamesPreviewModel::Name, 36 * character);
    for (int column :
         {NamesPreviewModel::Title, NamesPreviewModel::Author, NamesPreviewModel::Comments})
        m_table->setColumnWidth(column, 24 * character);

    m_summary = new QLabel(this);
    m_summary->setWordWrap(true);
    QDialogButtonBox* buttons = DialogButtons(this);
    m_save = buttons->addButton(tr("Save to Files"), QDialogButtonBox::AcceptRole);
    m_save->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    QSize size(150 * character, 34 * fontMetrics().height());
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);

    m_typing.setSingleShot(true);
    m_typing.setInterval(TypingPauseMs);
    connect(&m_typing, &QTimer::timeout, this, &NamesInfoDialog::match);
    connect(m_pattern, &QComboBox::editTextChanged, this, &NamesInfoDialog::patternChanged);
    patternChanged();
    match();
}

NamesInfoDialog::~NamesInfoDialog() = default;

QString NamesInfoDialog::pattern() const {
    return m_pattern->currentText();
}

// A pattern that cannot be read says why at once, and nothing can be saved; a readable one is
// matched against the names once the typing pauses.
void NamesInfoDialog::patternChanged() {
    QString error;
    int errorPos = -1;
    m_parsed = ParseNamePattern(pattern(), &error, &errorPos);
    if (m_parsed.valid) {
        m_error->clear();
        m_error->hide();
    } else {
        m_error->setText(errorPos >= 0 ? tr("%1 (at character %2)").arg(error).arg(errorPos + 1)
                                       : error);
        m_error->show();
    }
    m_save->setEnabled(false);
    m_typing.start();
}

void NamesInfoDialog::match() {
    m_typing.stop();
    std::vector<std::optional<NameTexts>> matches;
    if (m_parsed.valid) {
        matches.reserve(m_preview->names().size());
        for (const QString& name : m_preview->names())
            matches.push_back(MatchName(m_parsed, name));
    }
    bool named[InfoFieldCount] = {};
    for (const NamePattern::Piece& piece : m_parsed.pieces)
        if (piece.isField && piece.field >= 0)
            named[piece.field] = true;
    m_table->setColumnHidden(NamesPreviewModel::Comments, !named[int(InfoField::Comments)]);
    m_preview->setMatches(std::move(matches));
    showSummary();
}

void NamesInfoDialog::showSummary() {
    const auto& matches = m_preview->matches();
    if (!m_parsed.valid || matches.empty()) {
        m_summary->clear();
        m_save->setEnabled(false);
        return;
    }
    int written = 0, unmatched = 0, refused = 0;
    for (size_t i = 0; i < matches.size(); ++i) {
        if (!matches[i])
            ++unmatched;
        else if (m_check->status(int(i)).state != InfoFileState::Writable)
            ++refused;
        else
            ++written;
    }
    QStringList parts;
    if (!m_check->finished())
        parts
            << tr("Checking the files: %1 of %2...").arg(m_check->checked()).arg(m_check->total());
    parts << tr("%n file(s) will be written.", nullptr, written);
    if (unmatched > 0)
        parts << tr("%n name(s) do not match the pattern.", nullptr, unmatched);
    if (refused > 0)
        parts << tr("%n file(s) cannot be written.", nullptr, refused);
    m_summary->setText(parts.join(u' '));
    m_save->setEnabled(written > 0);
}

std::vector<InfoRowEdit> NamesInfoDialog::rowEdits() const {
    std::vector<InfoRowEdit> edits;
    const auto& matches = m_preview->matches();
    for (size_t i = 0; i < matches.size() && i < m_rows.size(); ++i)
        if (matches[i] && m_check->status(int(i)).state == InfoFileState::Writable)
            edits.push_back({m_rows[i], NameTextsEdit(*matches[i])});
    return edits;
}

// Save pressed before the typing has paused matches the pattern as it stands first, so that
// the save is always that of the pattern in the field.
void NamesInfoDialog::accept() {
    if (matchPending())
        match();
    if (!m_save->isEnabled())
        return;
    m_check->stop();
    QDialog::accept();
}

void RunNamesInfoCommand(QWidget* owner, CatalogueModel& list, QStringList& recentPatterns,
                         UndoRecord& undo, int progressAfterMs) {
    std::vector<int> rows = list.selectedRows();
    if (rows.empty())
        return;
    std::vector<InfoRowEdit> edits;
    {
        NamesInfoDialog dialog(owner, list, std::move(rows), recentPatterns);
        if (dialog.exec() != QDialog::Accepted)
            return;
        AddRecentText(recentPatterns, dialog.pattern());
        edits = dialog.rowEdits();
    }
    RunInfoSave(owner, list, edits, undo, progressAfterMs);
}

#include "catalogue/duplicates_dialog.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "catalogue/shown_rows.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DuplicatesDialog::DuplicatesDialog(QWidget* owner, CatalogueModel& list)
    : QDialog(owner), m_list(list) {
    setWindowTitle(tr("Find Duplicates"));
    auto* layout = new QVBoxLayout(this);
    auto* ways = new QHBoxLayout;
    m_title = new QRadioButton(tr("Same &title and author"), this);
    m_content = new QRadioButton(tr("Same &content"), this);
    m_title->setChecked(true);
    m_find = new QPushButton(tr("&Find"), this);
    m_find->setDefault(true);
    ways->addWidget(m_title);
    ways->addWidget(m_content);
    ways->addStretch();
    ways->addWidget(m_find);
    layout->addLayout(ways);

    auto* progressRow = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_cancel = new QPushButton(tr("Cancel"), this);
    progressRow->addWidget(m_progress);
    progressRow->addWidget(m_cancel);
    layout->addLayout(progressRow);

    m_groups = new QTreeWidget(this);
    m_groups->setHeaderLabels({tr("Folder"), tr("Name"), tr("Size"), tr("Date")});
    m_groups->setRootIsDecorated(true);
    m_groups->setUniformRowHeights(true);
    m_groups->setMinimumSize(640, 320);
    m_groups->header()->setStretchLastSection(false);
    m_groups->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(m_groups);
    m_summary = new QLabel(this);
    m_summary->setTextFormat(Qt::PlainText);
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(this);
    const std::pair<KeepInGroup, const char*> keeps[] = {
        {KeepInGroup::Newest, QT_TR_NOOP("Select All but the &Newest")},
        {KeepInGroup::Oldest, QT_TR_NOOP("Select All but the &Oldest")},
        {KeepInGroup::Largest, QT_TR_NOOP("Select All but the &Largest")}};
    for (const auto& [keep, text] : keeps) {
        QPushButton* button = buttons->addButton(tr(text), QDialogButtonBox::ActionRole);
        button->setEnabled(false);
        button->setAutoDefault(false);
        const KeepInGroup which = keep;
        connect(button, &QPushButton::clicked, this, [this, which] { selectAllBut(which); });
        m_keep[keep] = button;
    }
    buttons->addButton(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_find, &QPushButton::clicked, this, &DuplicatesDialog::find);
    connect(m_cancel, &QPushButton::clicked, this, &DuplicatesDialog::cancelSearch);
    m_poll.setInterval(50);
    connect(&m_poll, &QTimer::timeout, this, &DuplicatesDialog::poll);
    setSearching(false);
}

DuplicatesDialog::~DuplicatesDialog() = default; // the search, cancelled and waited for

void DuplicatesDialog::setSearching(bool on) {
    m_find->setEnabled(!on);
    m_title->setEnabled(!on);
    m_content->setEnabled(!on);
    m_cancel->setEnabled(on);
    m_progress->setVisible(on);
    m_cancel->setVisible(on);
    if (on)
        m_poll.start();
    else
        m_poll.stop();
}

void DuplicatesDialog::find() {
    m_search.reset();
    m_groups->clear();
    for (auto& [keep, button] : m_keep)
        button->setEnabled(false);
    const DuplicateWay way =
        m_content->isChecked() ? DuplicateWay::Content : DuplicateWay::TitleAndAuthor;
    m_shown = false;
    m_search =
        std::make_unique<DuplicateSearch>(way, DuplicateCandidates(m_list, ShownRows(m_list)));
    m_progress->setRange(0, std::max(1, m_search->total()));
    m_progress->setValue(0);
    m_summary->setText(way == DuplicateWay::Content ? tr("Reading the files...")
                                                    : tr("Comparing titles and authors..."));
    setSearching(true);
}

void DuplicatesDialog::cancelSearch() {
    if (m_search)
        m_search->cancel();
}

void DuplicatesDialog::poll() {
    if (!m_search)
        return;
    m_progress->setValue(m_search->done());
    if (!m_search->finished())
        return;
    setSearching(false);
    if (m_search->cancelled()) {
        m_search.reset();
        m_summary->setText(tr("Cancelled."));
        return;
    }
    showGroups();
}

void DuplicatesDialog::showGroups() {
    m_shown = true;
    const std::vector<DuplicateGroup>& groups = m_search->groups();
    const std::vector<DuplicateCandidate>& files = m_search->files();
    QList<QTreeWidgetItem*> items;
    size_t fileCount = 0;
    for (const DuplicateGroup& group : groups) {
        fileCount += group.size();
        if (items.size() >= ListedGroupsMax)
            continue;
        const Entry& first = *files[size_t(group.front())].entry;
        auto* top = new QTreeWidgetItem(
            {first.title.isEmpty() ? first.name : first.title, tr("%n file(s)", nullptr,
                                                                   int(group.size()))});
        for (const int i : group) {
            const Entry& file = *files[size_t(i)].entry;
            auto* item = new QTreeWidgetItem(top, {file.folder, file.name,
                                                   QString::number(file.size),
                                                   FormatEntryDate(file.lastWriteTime)});
            item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        }
        items << top;
    }
    m_groups->addTopLevelItems(items);
    m_groups->expandAll();
    for (int column = 1; column < m_groups->columnCount(); ++column)
        m_groups->resizeColumnToContents(column);
    QString summary = groups.empty()
                          ? tr("No duplicates found.")
                          : tr("%n group(s)", nullptr, int(groups.size())) + u' ' +
                                tr("of %n file(s).", nullptr, int(fileCount));
    if (groups.size() > size_t(ListedGroupsMax))
        summary += u' ' + tr("The first %1 groups are listed.").arg(ListedGroupsMax);
    if (const int unread = m_search->unreadCount())
        summary += u' ' + tr("%n file(s) could not be read.", nullptr, unread);
    m_summary->setText(summary);
    for (auto& [keep, button] : m_keep)
        button->setEnabled(!groups.empty());
}

void DuplicatesDialog::selectAllBut(KeepInGroup keep) {
    if (!m_search || !m_shown)
        return;
    SelectOnlyRows(m_list, RowsAllButOne(m_search->files(), m_search->groups(), keep));
    accept();
}

void RunDuplicatesDialog(QWidget* owner, CatalogueModel& list) {
    DuplicatesDialog dialog(owner, list);
    dialog.exec();
}

#include "app/main_window.h"

#include "app/about_dialog.h"
#include "app/launch.h"
#include "app/layout.h"
#include "app/list_view.h"
#include "app/options_dialog.h"
#include "app/pictures_widget.h"
#include "app/status_bar_widget.h"
#include "base/commands.h"
#include "base/program_info.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/duplicates_dialog.h"
#include "catalogue/entry_rows.h"
#include "catalogue/row_filter.h"
#include "catalogue/scan.h"
#include "catalogue/search_dialog.h"
#include "catalogue/search.h"
#include "catalogue/sorting.h"
#include "catalogue/status.h"
#include "fileops/destination_dialog.h"
#include "fileops/dropped_files.h"
#include "fileops/export_dialog.h"
#include "fileops/file_commands_dialog.h"
#include "fileops/info_batch_dialog.h"
#include "fileops/message_dialog.h"
#include "fileops/names_info_dialog.h"
#include "format/file_summary.h"
#include "info/info_panel.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableView>
#include <QToolBar>
#include <QWindow>
#include <utility>

MainWindow::ChooseFolderFunction MainWindow::chooseFolder =
    [](QWidget* owner, const QString& prompt, const QString& start) {
        return QFileDialog::getExistingDirectory(owner, prompt, start, QFileDialog::ShowDirsOnly);
    };

MainWindow::MainWindow(SettingsStore& store, Settings settings, FolderHistory history,
                       QString workingFolder)
    : m_settings(std::move(settings)), m_history(std::move(history)), m_store(store),
      m_workingFolder(std::move(workingFolder)) {
    setWindowTitle(ProgramCaption.toString());
    setWindowIcon(ProgramIcon());
    setMinimumSize(480, 320);
    move(0, 0);
    resize(900, 560);
    m_store.loadWindowSettings(m_settings.columnTable, *this);
    m_catalogue.setSort(DefaultSortState);

    m_status = new StatusBarWidget(this);
    setStatusBar(m_status);
    createToolbar();
    createMenus();
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    m_panel = new InfoPanel(m_client);
    createList();

    m_history.changed = [this] { FillFolderBox(m_history, m_workingFolder, *this); };
    AddToFolderHistory(m_history, m_workingFolder);
    // The window watches its own activation, the client's resizes and the list's keys, double
    // clicks and tooltips; the command keys are the actions' shortcuts.
    for (QObject* watched :
         std::initializer_list<QObject*>{this, m_client, m_list, m_list->viewport()})
        watched->installEventFilter(this);
    setAcceptDrops(true);
    layoutMainWindow();
}

MainWindow::~MainWindow() {
    // The list and its header outlive the model (they go with the window's children, after the
    // members): they let go of it, and it no longer reaches this window.
    if (m_list)
        m_list->setModel(nullptr);
    m_catalogue.disconnect(this);
    m_catalogue.selectionModel()->disconnect(this);
}

// An action of a command as the command table describes it; triggering it runs the command.
// Menus show the text alone, as they always did; the icon is the toolbar's.
QAction* MainWindow::makeCommandAction(CommandId command, const QString& text) {
    auto* action = new QAction(text, this);
    const int image = ToolbarImage(command);
    if (image >= 0)
        action->setIcon(ToolbarIcon(image));
    action->setIconVisibleInMenu(false);
    if (!CommandTooltip(command).isEmpty())
        action->setToolTip(CommandTooltip(command));
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    return action;
}

void MainWindow::createToolbar() {
    m_toolbar = new QToolBar(this);
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->toggleViewAction()->setEnabled(false);
    for (CommandId command : ToolbarEntries()) {
        if (command == CommandId::None) {
            m_toolbar->addSeparator();
            continue;
        }
        QAction* action = makeCommandAction(command, CommandTooltip(command));
        action->setCheckable(command == CommandId::Filter);
        m_toolbar->addAction(action);
        // The buttons show the picture alone: assistive tools say the tooltip.
        m_toolbar->widgetForAction(action)->setAccessibleName(CommandTooltip(command));
        m_toolbarActions[command] = action;
    }
    m_toolbar->addSeparator();
    m_folderBox = new QComboBox(m_toolbar);
    m_folderBox->setFixedWidth(240);
    m_folderBox->setMaxVisibleItems(12);
    m_folderBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_folderBox->setAccessibleName(tr("Working folder"));
    connect(m_folderBox, &QComboBox::activated, this, [this] { runCommand(CommandId::FolderBox); });
    m_toolbar->addWidget(m_folderBox);
    createFilterBox();
    addToolBar(Qt::TopToolBarArea, m_toolbar);
}

// The filter box at the right end of the toolbar: Ctrl+L or Ctrl+E reach it, Esc empties it.
// The list shows the rows its words match as the worker finds them.
void MainWindow::createFilterBox() {
    auto* gap = new QWidget(m_toolbar);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolbar->addWidget(gap);
    m_filterBox = new QLineEdit(m_toolbar);
    m_filterBox->setPlaceholderText(tr("Filter"));
    m_filterBox->setAccessibleName(tr("Filter"));
    m_filterBox->setClearButtonEnabled(true);
    m_filterBox->setMinimumWidth(160);
    m_filterBox->setMaximumWidth(320);
    m_toolbar->addWidget(m_filterBox);
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_L, Qt::CTRL | Qt::Key_E}) {
        auto* reach = new QShortcut(key, this);
        connect(reach, &QShortcut::activated, this, [this] {
            m_filterBox->setFocus(Qt::ShortcutFocusReason);
            m_filterBox->selectAll();
        });
    }
    auto* empty = new QShortcut(QKeySequence(Qt::Key_Escape), m_filterBox);
    empty->setContext(Qt::WidgetShortcut);
    connect(empty, &QShortcut::activated, m_filterBox, &QLineEdit::clear);
    connect(m_filterBox, &QLineEdit::textChanged, this, &MainWindow::filterBoxChanged);
    // A focused row that the words hide leaves "Focused" at the top.
    connect(&m_filterRun, &FilterBoxRun::shown, this, [this] {
        const QModelIndex focus = m_catalogue.selectionModel()->currentIndex();
        m_currentRow = focus.isValid() ? focus.row() : 0;
        updateStatus();
    });
}

void MainWindow::filterBoxChanged() {
    m_filterRun.setText(m_filterBox->text(), SearchedFields(m_settings.columnTable));
}

// The menu bar's one drop-down and the context menu enable their commands by rules of their
// own: the menu bar's items are never grayed, the context menu's are enabled when it opens,
// the toolbar's by every status update. Each place therefore has actions of its own, made
// from the one command table. The menu bar holds every command of the other two places, so
// that each can be reached from the keyboard.
//
// The menu bar's actions carry the command keys: never disabled, they run their commands
// whatever the selection (each command checks its own condition). As window shortcuts they
// act wherever the focus is in this window, and not while a dialog or a menu is the active
// window.
void MainWindow::createMenus() {
    m_dropDown = menuBar()->addMenu(tr("&File"));
    for (CommandId command : MenuBarEntries()) {
        if (command == CommandId::None) {
            m_dropDown->addSeparator();
            continue;
        }
        QAction* action = makeCommandAction(command, MenuItemText(command));
        for (QKeyCombination key : CommandKeys(command))
            action->setShortcuts(action->shortcuts() << QKeySequence(key));
        action->setCheckable(command == CommandId::Filter);
        m_dropDown->addAction(action);
        addAction(action);
        m_commandActions[command] = action;
    }
    m_contextMenu = new QMenu(this);
    for (CommandId command : MenuEntries()) {
        if (command == CommandId::None) {
            m_contextMenu->addSeparator();
            continue;
        }
        QAction* item = makeCommandAction(command, MenuItemText(command));
        m_contextMenu->addAction(item);
        m_contextActions[command] = item;
    }
    // Shift+F10 is the other key of the context menu.
    auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, &MainWindow::openContextMenuByKey);
    offerUndo();
}

// As for the Menu key: the window asks its focused control for a context menu at the control's
// cursor (the list's current cell), and a control without a menu of its own leaves it to this
// window.
void MainWindow::openContextMenuByKey() {
    if (!windowHandle())
        return;
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QCoreApplication::sendEvent(windowHandle(), &event);
}

// Undo and its key work only while there is something to undo; the menu bar shows it grayed
// otherwise, the one item it ever grays.
void MainWindow::offerUndo() {
    m_commandActions[CommandId::Undo]->setEnabled(m_undo.canUndo());
}

void MainWindow::createList() {
    CatalogueModel& model = m_catalogue;
    model.decorationProvider = [](StateImage image) -> QVariant {
        const QIcon icon = StateIcon(image);
        return icon.isNull() ? QVariant() : QVariant(icon);
    };
    model.labelEditHandler = [this](int row, const QString& newName) {
        const Entry* entry = m_catalogue.entryAt(row);
        if (!entry || newName.isEmpty() || newName == entry->name)
            return false; // an unchanged label is no rename
        if (!EndLabelEdit(m_catalogue, row, newName, m_settings.renameFlags, m_undo))
            return false;
        offerUndo();
        updateStatus(); // the panel shows the new name at once
        return true;
    };

    m_list = new ListView(m_catalogue, m_client);
    m_list->setModel(&model);
    m_list->setSelectionModel(model.selectionModel());
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setWordWrap(false);
    m_list->setIconSize(QSize(16, 16));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(
        std::max(m_list->fontMetrics().height() + 4, 18));

    QHeaderView* header = m_list->horizontalHeader();
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setMinimumSectionSize(10);
    header->setSectionResizeMode(QHeaderView::Interactive);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { ColumnClick(m_catalogue, column, m_catalogue.filterOn()); });
    connect(header, &QHeaderView::sectionResized, this, [this] { layoutMainWindow(); });
    insertColumns();

    QItemSelectionModel* selection = model.selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this,
            &MainWindow::onListItemChanged);
    connect(selection, &QItemSelectionModel::currentChanged, this, &MainWindow::onListItemChanged);
    // A sort moves the focused row: "Focused" follows it.
    connect(&model, &QAbstractItemModel::layoutChanged, this, &MainWindow::onListItemChanged);
    // Emptying the list resets the header's sections: the columns keep the table's widths.
    connect(&model, &QAbstractItemModel::modelAboutToBeReset, this,
            [this] { m_resettingList = true; });
    connect(&model, &QAbstractItemModel::modelReset, this, [this] {
        insertColumns();
        layoutMainWindow();
        updateStatus();
    });
    setExtendedStyle(m_settings.listExStyle);
}

// The columns take the widths and visibility of the column table; the header's reports of
// the changes are not read back meanwhile.
void MainWindow::insertColumns() {
    const ColumnTable columns = m_settings.columnTable;
    m_resettingList = true;
    for (int column = 0; column < ColumnCount; ++column) {
        m_list->horizontalHeader()->resizeSection(column, columns[size_t(column)].width);
        m_list->setColumnHidden(column, !columns[size_t(column)].visible);
    }
    m_resettingList = false;
}

// The selection, the focus or the order of the rows changed: the focused row, where it now
// stands, is the current row.
void MainWindow::onListItemChanged() {
    if (m_catalogue.isRefilling())
        return;
    const QModelIndex focus = m_catalogue.selectionModel()->currentIndex();
    if (focus.isValid())
        m_currentRow = focus.row();
    updateStatus();
}

QAction* MainWindow::toolbarAction(CommandId command) const {
    const auto found = m_toolbarActions.find(command);
    return found == m_toolbarActions.end() ? nullptr : found->second;
}

QAction* MainWindow::commandAction(CommandId command) const {
    const auto found = m_commandActions.find(command);
    return found == m_commandActions.end() ? nullptr : found->second;
}

void MainWindow::updateStatus() {
    UpdateStatus(m_catalogue, *this, m_currentRow);
}

void MainWindow::selectStartFile(const QString& fileName) {
    CatalogueModel& list = m_catalogue;
    const int row = StartFileRow(list, m_workingFolder, fileName);
    if (row < 0)
        return;
    list.clearSelectionAndFocus();
    m_currentRow = row;
    list.selectAndFocus(row);
    ensureRowVisible(row);
    updateStatus();
}

void MainWindow::focusList() {
    if (m_list)
        m_list->setFocus();
}

// ---- layout -------------------------------------------------------------------------------

// Visible columns store their widths in the column table; hidden ones keep theirs.
void MainWindow::readBackColumnWidths() {
    if (m_resettingList)
        return;
    ColumnTable& columns = m_settings.columnTable;
    for (int column = 0; column < ColumnCount; ++column) {
        const int width = m_list->horizontalHeader()->sectionSize(column);
        if (!m_list->isColumnHidden(column) && width > 0)
            columns[size_t(column)].width = width;
    }
}

void MainWindow::layoutMainWindow() {
    if (!m_client || !m_list)
        return;
    const int width = m_client->width();
    const int height = m_client->height();
    readBackColumnWidths();
    int headerHeight = m_list->horizontalHeader()->height();
    if (headerHeight <= 0)
        headerHeight = m_list->horizontalHeader()->sizeHint().height();
    const int rowHeight = std::max(1, m_list->verticalHeader()->defaultSectionSize());
    const int rowsPerPage = std::max(0, height - headerHeight) / rowHeight;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_list);
    const int listWidth =
        ListWidth(m_settings.columnTable, rowsPerPage, m_catalogue.rowCount(), scrollBar);
    m_list->setGeometry(0, 0, listWidth, height);
    setExtendedStyle(m_settings.listExStyle);
    m_panel->setGeometry(PanelRect(listWidth, 0, width, height));
}

void MainWindow::setExtendedStyle(quint32 style) {
    m_appliedStyle = style;
    m_list->setBehaviour(ListBehaviourFromStyle(style));
}

void MainWindow::setColumnWidth(int column, int width) {
    if (column < 0 || column >= ColumnCount)
        return;
    if (width <= 0) {
        m_list->setColumnHidden(column, true);
    } else {
        m_list->setColumnHidden(column, false);
        m_list->horizontalHeader()->resizeSection(column, width);
    }
    layoutMainWindow();
}

// ---- hooks for the logic ------------------------------------------------------------------

void MainWindow::setStatusText(int part, const QString& text) {
    m_status->setPartText(part, text);
}

void MainWindow::setToolbarState(const ToolbarState& state) {
    for (CommandId command : {CommandId::MoveFiles, CommandId::CopyFiles, CommandId::RenameFiles,
                              CommandId::DeleteFiles, CommandId::CreateReport,
                              CommandId::EditInformation})
        m_toolbarActions[command]->setEnabled(state.fileCommands);
    m_toolbarActions[CommandId::RunEditor]->setEnabled(state.singleCommands);
    showFilterState(state.filterPressed);
}

// The filter's toolbar button stays pressed, and its menu item checked, while the filter is on.
void MainWindow::showFilterState(bool on) {
    m_toolbarActions[CommandId::Filter]->setChecked(on);
    m_commandActions[CommandId::Filter]->setChecked(on);
}

void MainWindow::showFileInPanel(const FileSummary* file) {
    m_panel->showFile(file);
}

// Once per folder of the scan: the window repaints, input other than Esc is dropped. Esc, or
// closing the window, ends the walk.
bool MainWindow::scanEscPressed() {
    m_scanInput.run([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
    return m_scanInput.takeEscPressed() || m_scanInput.closeRequested();
}

void MainWindow::ensureRowVisible(int row) {
    m_list->scrollTo(m_catalogue.index(row, 0), QAbstractItemView::EnsureVisible);
}

QRect MainWindow::outerRect() const {
    return geometry();
}

bool MainWindow::isMinimized() const {
    return QWidget::isMinimized();
}

// The stored rectangle may come from another screen, or be any numbers at all: it is fitted,
// with the window's frame, to the screens before the window takes it. Before the window is
// first shown the window system may not have told the frame yet; the fit is made again then.
void MainWindow::moveWithoutRepaint(const QRect& outer) {
    m_storedPlacement = outer;
    placeOnScreens(outer);
}

void MainWindow::placeOnScreens(const QRect& stored) {
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != QGuiApplication::primaryScreen())
            screens << screen->availableGeometry();
    }
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect fitted = FitWindowRect(stored, margins, minimumSize(), screens);
    if (fitted != client)
        setGeometry(fitted);
}

void MainWindow::resetContent() {
    m_folderBox->clear();
}

void MainWindow::addString(const QString& text) {
    m_folderBox->addItem(text);
}

void MainWindow::setCurrentSelection(int index) {
    m_folderBox->setCurrentIndex(index);
}

// ---- events -------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event) {
    // A batch still running (its progress lets events through) works on the rows: the close
    // follows once it is over.
    if (m_inBatch) {
        m_closeAfterBatch = true;
        event->ignore();
        return;
    }
    // The list is torn down: from now on its changes are no longer the user's.
    m_closing.emplace(m_catalogue);
    for (int row = m_catalogue.rowCount() - 1; row >= 0; --row)
        FreeEntryRow(m_catalogue, row);
    saveWindowSettings();
    event->accept();
}

// Files and folders dragged from other programs; rows dragged from the list itself are not
// dropped back on it.
static bool DropsOnWindow(const QDropEvent* event) {
    return !event->source() && event->mimeData()->hasUrls();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DropsOnWindow(event))
        event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (DropsOnWindow(event))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (!DropsOnWindow(event))
        return;
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << QDir::toNativeSeparators(url.toLocalFile());
    event->acceptProposedAction();
    // The questions come after the drop has ended, so that the other program is not kept
    // waiting for them.
    QMetaObject::invokeMethod(
        this, [this, paths] { openDropped(paths); }, Qt::QueuedConnection);
}

// A folder dropped alone becomes the working folder; dropped files are copied or moved into
// the working folder by the normal batch.
void MainWindow::openDropped(const QStringList& paths) {
    const DroppedPaths dropped = SortDroppedPaths(paths);
    if (!dropped.folder.isEmpty())
        return openWorkingFolder(dropped.folder);
    if (dropped.files.isEmpty() || m_inBatch)
        return;
    const FilterBoxRun::Hold hold(m_filterRun);
    m_inBatch = true;
    RunDroppedFilesCommand(this, dropped.files, {QString(), m_workingFolder, m_workingFolder},
                           m_catalogue, *this, m_undo);
    batchEnded();
}

void MainWindow::saveWindowSettings() {
    readBackColumnWidths();
    m_store.saveWindowSettings(m_settings.columnTable, *this);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    showContextMenu(event->globalPos());
}

void MainWindow::showContextMenu(const QPoint& globalPosition) {
    const int selected = m_catalogue.selectedCount();
    const bool noViewer = m_settings.viewerPath.isEmpty();
    for (const auto& [command, item] : m_contextActions)
        item->setEnabled(command == CommandId::Undo
                             ? m_undo.canUndo()
                             : ContextMenuEnabled(command, selected, noViewer));
    m_contextMenu->popup(globalPosition);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_scanInput.isRunning())
        return false;
    // Whenever the window becomes active (at start, after a dialog, back from another
    // program) the keyboard focus goes to the list.
    if (watched == this && event->type() == QEvent::WindowActivate)
        focusList();
    if (watched == m_client && event->type() == QEvent::Resize) {
        layoutMainWindow();
        return false;
    }
    if (watched == m_list)
        return handleListEvent(event);
    if (m_list && watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick)
        postCommand(CommandId::RunEditor);
    return false;
}

// Enter and Delete in the list post their commands when something is selected. The keys of
// a name being edited in place are the editor's: Enter there ends the editing and reaches the
// list only on its way up.
bool MainWindow::handleListEvent(QEvent* event) {
    if (event->type() != QEvent::KeyPress || m_catalogue.selectedCount() < 1 ||
        m_list->isEditing())
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        postCommand(CommandId::RunEditor);
    else if (key == Qt::Key_Delete)
        postCommand(static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier
                        ? CommandId::DeletePermanently
                        : CommandId::DeleteFiles);
    return false;
}

// ---- commands -----------------------------------------------------------------------------

void MainWindow::postCommand(CommandId command) {
    QMetaObject::invokeMethod(
        this, [this, command] { runCommand(command); }, Qt::QueuedConnection);
}

void MainWindow::runCommand(CommandId command) {
    // The rows shown stay as they are while the command works on them.
    const FilterBoxRun::Hold hold(m_filterRun);
    switch (command) {
    case CommandId::FolderBox:
        return folderBoxChanged();
    case CommandId::BrowseFolders:
        return browseFolders();
    case CommandId::MoveFiles:
    case CommandId::CopyFiles:
        return moveOrCopy(command);
    case CommandId::RenameByPattern:
        return renameByPattern();
    case CommandId::RenameFiles:
    case CommandId::DeleteFiles:
    case CommandId::DeletePermanently:
        return fileBatch(command);
    case CommandId::Undo:
        RunUndoCommand(this, m_catalogue, m_undo);
        updateStatus();
        return offerUndo();
    case CommandId::CreateReport:
        return RunReportDialog(this, m_catalogue, m_settings.reportFlags, m_reportPath,
                               m_workingFolder);
    case CommandId::EditInformation:
        if (m_catalogue.selectedCount() > 1)
            return informationBatch(command);
        if (m_catalogue.selectedCount() == 1)
            RunInfoEditDialog(this, m_catalogue, SingleFileRow(m_catalogue), *this, m_undo);
        return offerUndo();
    case CommandId::InformationFromNames:
        return informationBatch(command);
    case CommandId::RunEditor:
    case CommandId::RunViewer:
        return runProgram(command);
    case CommandId::Search:
        return search();
    case CommandId::Filter:
        return toggleFilter();
    case CommandId::FindDuplicates:
        return RunDuplicatesDialog(this, m_catalogue);
    case CommandId::ExportList:
        return RunExportCommand(this, m_catalogue, m_exportChoice, m_workingFolder);
    case CommandId::Exit:
        close();
        return;
    case CommandId::About:
        return RunAboutDialog(this);
    case CommandId::Options:
        RunOptionsDialog(this, m_settings, *this);
        layoutMainWindow();
        filterBoxChanged(); // the columns searched may have changed
        return;
    default:
        return;
    }
}

// A folder picked in the folder box becomes the working folder, unless it is the current
// entry or cannot be entered.
void MainWindow::folderBoxChanged() {
    FolderHistory& history = m_history;
    const int chosen = m_folderBox->currentIndex();
    if (chosen < 0 || chosen == history.historyIndex || chosen >= history.historyCount())
        return;
    const QString folder = history.entries[size_t(chosen)];
    if (!CanEnterFolder(folder))
        return;
    m_workingFolder = folder;
    history.historyIndex = chosen;
    m_catalogue.setFilterOn(false);
    refreshList();
}

void MainWindow::browseFolders() {
    const QString prompt = tr("Select new working folder");
    QString& folder = m_workingFolder;
    QString start = folder;
    if (start.size() > 1 && start.endsWith(FolderSeparator()))
        start.chop(1);
    const QString chosen = chooseFolder ? chooseFolder(this, prompt, start) : QString();
    NormaliseFolder(folder);
    if (!chosen.isEmpty())
        openWorkingFolder(QDir::toNativeSeparators(chosen));
}

void MainWindow::openWorkingFolder(const QString& folder) {
    const QString previous = m_workingFolder;
    m_workingFolder = folder; // normalised by the history, which shows it as the current entry
    AddToFolderHistory(m_history, m_workingFolder);
    if (!CanEnterFolder(m_workingFolder))
        m_workingFolder = previous;
    m_catalogue.setFilterOn(false);
    refreshList();
}

void MainWindow::moveOrCopy(CommandId command) {
    if (!RunDestinationDialog(this, CommandTooltip(command), tr("Select destination folder"),
                              m_history, {m_destFolder, m_workingFolder}))
        return;
    fileBatch(command);
}

void MainWindow::fileBatch(CommandId command) {
    if (m_catalogue.selectedCount() < 1)
        return;
    DeleteMode mode = DeleteMode::Trash;
    if (command == CommandId::DeletePermanently) {
        command = CommandId::DeleteFiles;
        mode = DeleteMode::Permanent;
    }
    const BatchRequest request{CommandTooltip(command), m_destFolder, m_workingFolder, mode};
    m_inBatch = true;
    RunFileBatchCommand(this, command, request, m_catalogue, m_settings.renameFlags, *this, m_undo);
    batchEnded();
}

void MainWindow::renameByPattern() {
    if (m_catalogue.selectedCount() < 1)
        return;
    m_inBatch = true;
    RunPatternRenameCommand(this, m_catalogue, m_settings.renamePatterns, m_history,
                            m_workingFolder, m_undo);
    batchEnded();
}

void MainWindow::batchEnded() {
    m_inBatch = false;
    offerUndo();
    updateStatus();
    if (std::exchange(m_closeAfterBatch, false))
        close();
}

// The information of several files at once, or from the files' names: a batch of its own,
// which a close of the window waits for, as for the file batches.
void MainWindow::informationBatch(CommandId command) {
    if (m_catalogue.selectedCount() < 1)
        return;
    m_inBatch = true;
    if (command == CommandId::InformationFromNames)
        RunNamesInfoCommand(this, m_catalogue, m_settings.namePatterns, m_undo, ProgressAfterMs);
    else
        RunInfoBatchCommand(this, m_catalogue, m_undo, ProgressAfterMs);
    batchEnded();
}

void MainWindow::runProgram(CommandId command) {
    const int row = SingleFileRow(m_catalogue);
    if (m_catalogue.selectedCount() != 1 || row < 0)
        return;
    FileSummary current;
    LoadEntryAsCurrent(m_catalogue, row, current);
    const bool editor = command == CommandId::RunEditor;
    const QString& program = editor ? m_settings.editorPath.text() : m_settings.viewerPath.text();
    if (LaunchProgram(program, current.currentPath))
        return;
    const QString name = editor ? QStringLiteral("Strumlex") : QStringLiteral("ZUF View");
    ShowMessageBox(
        this,
        ProgramNotFoundText(name, program, QStandardPaths::findExecutable(QStringLiteral("wine"))),
        QMessageBox::Warning);
}

void MainWindow::search() {
    if (!RunSearchDialog(this, m_catalogue, m_settings.searchFlags))
        return;
    m_catalogue.setFilterOn(false);
    toggleFilter();
}

void MainWindow::toggleFilter() {
    m_currentRow = 0; // the filter pass starts from the top
    ToggleSearchFilter(m_catalogue, *this);
    showFilterState(m_catalogue.filterOn());
}

// The walk of the working folder; a close asked for during it is carried out afterwards, with
// the normal close sequence.
void MainWindow::refreshList() {
    m_undo = {}; // the record names files of the old working folder
    offerUndo();
    m_currentRow = 0; // the refill starts from the top
    m_workingFolder = RefreshCatalogue(m_catalogue, *this, m_workingFolder);
    layoutMainWindow();
    m_filterRun.again(); // the box's words over the new rows
    if (m_scanInput.closeRequested())
        close();
}

// Shows the window and lets it be painted before the first walk, which may take a while. Input
// meanwhile is dropped as during the walk.
void MainWindow::showBeforeScan() {
    show();
    QDeadlineTimer deadline(2000);
    m_scanInput.run([this, &deadline] {
        while (!(windowHandle() && windowHandle()->isExposed()) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    });
    if (m_storedPlacement)
        placeOnScreens(*m_storedPlacement);
}

// ---- start and end of the run -------------------------------------------------------------

std::unique_ptr<MainWindow> StartUp(SettingsStore& store, const StartTarget& start) {
    // A start target that names nothing is told; the window then opens as without one.
    if (!start.error.isEmpty())
        ShowMessageBox(nullptr, start.error, QMessageBox::Warning);
    Settings settings;
    FolderHistory history;
    QString workingFolder = store.loadStartupSettings(settings, history);
    if (workingFolder.isEmpty() || !CanEnterFolder(workingFolder))
        workingFolder = CurrentFolder();
    // The start folder replaces the stored one before the window makes its folder box of it.
    if (!start.folder.isEmpty() && CanEnterFolder(start.folder))
        workingFolder = start.folder;
    auto window = std::make_unique<MainWindow>(store, std::move(settings), std::move(history),
                                               std::move(workingFolder));
    window->showBeforeScan();
    window->refreshList();
    if (!window->isVisible()) {
        // Closed during the first walk: the event loop has not run yet and would not end on
        // its own, so it ends as soon as it starts.
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return window;
    }
    if (!start.fileName.isEmpty())
        window->selectStartFile(start.fileName);
    window->focusList();
    return window;
}

void CommitSettings(MainWindow& window) {
    window.saveWindowSettings();
    window.settingsStore().saveExitSettings(window.settingsRecord(), window.history(),
                                            window.workingFolder());
}

int ShutDown(const MainWindow& window, int exitCode) {
    window.settingsStore().saveExitSettings(window.settingsRecord(), window.history(),
                                            window.workingFolder());
    return exitCode;
}

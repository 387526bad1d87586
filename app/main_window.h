#pragma once
// The main window: toolbar with the folder box, the list of files, the information panel beside
// it and the status bar; the menus, the keys and the dispatch of every command.

#include "app/list_view.h"
#include "app/options.h"
#include "app/scan_input_window.h"
#include "app/start_target.h"
#include "base/ui_hooks.h"
#include "catalogue/catalogue_model.h"
#include "catalogue/filter_run.h"
#include "fileops/folder_history.h"
#include "fileops/undo.h"
#include "report/export.h"
#include "settings/settings_store.h"

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class InfoPanel;
class QComboBox;
class QLineEdit;
class QMenu;
class QToolBar;
class StatusBarWidget;

class MainWindow : public QMainWindow,
                   public UiHooks,
                   public WindowPlacement,
                   public FolderBox,
                   public ListColumns {
    Q_OBJECT
public:
    // Creating the window loads the window settings of `store` into `settings`, sets the sort
    // to Name ascending and creates the toolbar, folder box, list and status bar. The window
    // keeps `settings`, `history` and `workingFolder` (the start-up settings read them) and
    // shows the history, with the working folder in front, in the folder box. The store
    // outlives the window.
    explicit MainWindow(SettingsStore& store, Settings settings = {}, FolderHistory history = {},
                        QString workingFolder = {});
    ~MainWindow() override;

    // Runs a command of the command table now; each command checks its own condition.
    void runCommand(CommandId command);
    // Queues a command to run after the current event has been handled.
    void postCommand(CommandId command);
    // Places the list as wide as its visible columns and the panel beside it.
    void layoutMainWindow();
    // Enables the context menu's items for the current selection and shows it.
    void showContextMenu(const QPoint& globalPosition);
    void focusList();
    // Brings the status bar, the toolbar and the panel up to date with the list.
    void updateStatus();
    // Makes the row of the start target's file (StartFileRow) the selected and focused one.
    void selectStartFile(const QString& fileName);
    // Shows the window and lets it paint before the first walk.
    void showBeforeScan();
    // Walks the working folder into the list; a close asked for meanwhile follows it.
    void refreshList();
    // Makes `folder` the working folder, first in the folder history, and walks it; a folder
    // that cannot be entered joins the history, but the list stays on the old one.
    void openWorkingFolder(const QString& folder);
    // What the close saves: the column widths as the list has them, and the window's place.
    void saveWindowSettings();

    ListView* list() const { return m_list; }
    QComboBox* folderBox() const { return m_folderBox; }
    QLineEdit* filterBox() const { return m_filterBox; }
    FilterBoxRun& filterRun() { return m_filterRun; }
    StatusBarWidget* statusBarWidget() const { return m_status; }
    InfoPanel* infoPanel() const { return m_panel; }
    QToolBar* toolbar() const { return m_toolbar; }
    QAction* toolbarAction(CommandId command) const;
    // The menu bar's action of a command, which carries its keys.
    QAction* commandAction(CommandId command) const;
    QMenu* contextMenu() const { return m_contextMenu; }
    QMenu* dropDownMenu() const { return m_dropDown; }
    QWidget* clientArea() const { return m_client; }
    FolderHistory& history() { return m_history; }
    const FolderHistory& history() const { return m_history; }
    // The settings record of the run, which the dialogs change.
    Settings& settingsRecord() { return m_settings; }
    const Settings& settingsRecord() const { return m_settings; }
    // Where the settings are kept between runs.
    SettingsStore& settingsStore() const { return m_store; }
    // The catalogue session the list shows.
    CatalogueModel& catalogueModel() { return m_catalogue; }
    // The scanned root, normalised after each refresh.
    const QString& workingFolder() const { return m_workingFolder; }

    // The folder browser of Browse Folders: opens on `start` with `prompt` above it and answers
    // the chosen folder, or an empty text when the user cancelled. Tests replace it.
    using ChooseFolderFunction =
        std::function<QString(QWidget* owner, const QString& prompt, const QString& start)>;
    static ChooseFolderFunction chooseFolder;

    // UiHooks
    void setStatusText(int part, const QString& text) override;
    void setToolbarState(const ToolbarState& state) override;
    void showFileInPanel(const FileSummary* file) override;
    bool scanEscPressed() override;
    void ensureRowVisible(int row) override;

    // WindowPlacement: on desktops whose window manager draws the frame, the rectangle kept
    // is the window's own (frame excluded), so that it round-trips unchanged.
    QRect outerRect() const override;
    bool isMinimized() const override;
    void moveWithoutRepaint(const QRect& outer) override;

    // FolderBox
    void resetContent() override;
    void addString(const QString& text) override;
    void setCurrentSelection(int index) override;

    // ListColumns
    quint32 extendedStyle() const override { return m_appliedStyle; }
    void setExtendedStyle(quint32 style) override;
    void setColumnWidth(int column, int width) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* makeCommandAction(CommandId command, const QString& text);
    void createToolbar();
    void createMenus();
    void openContextMenuByKey();
    void placeOnScreens(const QRect& stored);
    void createList();
    void insertColumns();
    void onListItemChanged();
    bool handleListEvent(QEvent* event);
    void readBackColumnWidths();

    void folderBoxChanged();
    void browseFolders();
    void moveOrCopy(CommandId command);
    void informationBatch(CommandId command);
    void fileBatch(CommandId command);
    void renameByPattern();
    // What follows every batch: Undo offered for it, the status brought up to date, and a
    // close asked for during it carried out.
    void batchEnded();
    void offerUndo();
    void runProgram(CommandId command);
    void search();
    void toggleFilter();
    void openDropped(const QStringList& paths);
    void createFilterBox();
    void filterBoxChanged();
    void showFilterState(bool on);

    Settings m_settings;
    FolderHistory m_history;
    SettingsStore& m_store;
    // Declared before everything that refers to it (the closing guard), so that it goes last.
    CatalogueModel m_catalogue;
    FilterBoxRun m_filterRun{m_catalogue}; // the filter box's words at work on the rows
    QString m_workingFolder;
    QString m_destFolder; // the destination of move and copy; empty after start-up
    QString m_reportPath; // the report file, empty until the first report to a file
    ExportChoice m_exportChoice; // the last export's file, format and rows
    QWidget* m_client = nullptr;
    ListView* m_list = nullptr;
    InfoPanel* m_panel = nullptr;
    StatusBarWidget* m_status = nullptr;
    QToolBar* m_toolbar = nullptr;
    QComboBox* m_folderBox = nullptr;
    QLineEdit* m_filterBox = nullptr;
    QMenu* m_dropDown = nullptr;
    QMenu* m_contextMenu = nullptr;
    std::map<CommandId, QAction*> m_toolbarActions;
    std::map<CommandId, QAction*> m_contextActions;
    std::map<CommandId, QAction*> m_commandActions;
    UndoRecord m_undo; // the last batch, until the next one or a new working folder
    quint32 m_appliedStyle = 0;
    ScanInputFilter m_scanInput{this}; // drops the input but Esc during a walk
    bool m_resettingList = false;
    bool m_inBatch = false;                 // a file batch is running
    bool m_closeAfterBatch = false;         // the window was closed during it
    int m_currentRow = 0;                   // the focused row, as "Focused" shows it
    std::optional<QRect> m_storedPlacement; // the window rectangle of the settings, if any
    // Held from the close on: the rows are torn down and the status leaves them alone.
    std::optional<CatalogueModel::RefillGuard> m_closing;
};

// Start-up after the application object exists: the start-up settings, the main window, shown,
// the first refresh of the working folder and the focus on the list. A start target from the
// command line replaces the stored working folder and selects its file; one that names nothing
// is told in a message box, and the window opens on the stored working folder.
// The stored working folder is taken when it can be entered, else the folder the program was
// started in. The store outlives the window.
std::unique_ptr<MainWindow> StartUp(SettingsStore& store, const StartTarget& start = {});
// The session manager's request before the session ends: what the window's close and the end
// of the run save, saved now; the window stays open, and closes as usual if the session ends.
void CommitSettings(MainWindow& window);
// After the event loop: the exit settings, with the window's folder history. Returns the loop's
// exit code.
int ShutDown(const MainWindow& window, int exitCode);

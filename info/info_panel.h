#pragma once
// The information panel beside the list: the selected file's name, folder, texts, summary,
// modules and notes. The file is read when it is shown, when the window becomes active or is
// shown again, and when the file changes on disk; painting only paints what was read.

#include "format/file_summary.h"
#include "info/panel_content.h"

#include <QFileSystemWatcher>
#include <QWidget>
#include <optional>

class QPainter;

// Paints the panel into `panel`: the background, then `file` when there is one. Returns what
// was painted; `modulesDrawn` tells how many module lines fitted.
struct PanelPainting {
    bool drewFile = false;
    PanelContent content;
    int modulesDrawn = 0;
    bool notesDrawn = false;
    int modulesTop = 0; // where the first module line begins
    int lineHeight = 0; // the height of one module line
    int notesTop = 0;   // where the notes begin, below their separator
};
PanelPainting DrawInfoPanel(QPainter& painter, const QRect& panel, const FileSummary* file,
                            const QFont& font);

class InfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    // Reads `file` (its currentPath, with the notes; its currentEntry as given), watches it on
    // disk and paints it now; nullptr paints the panel without a file.
    void showFile(const FileSummary* file);
    // The file as last read, or nullptr.
    const FileSummary* shownFile() const { return m_file ? &*m_file : nullptr; }
    const PanelPainting& lastPainting() const { return m_last; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Reads the shown file again and keeps watching it (a file replaced on disk is a new one).
    void reread();

    std::optional<FileSummary> m_file;
    QFileSystemWatcher m_watcher;
    PanelPainting m_last;
};

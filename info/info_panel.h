#pragma once
// The information panel beside the list: the selected file's name, folder, texts, summary,
// modules and notes, read afresh from disk on every paint.

#include "info/panel_content.h"

#include <QWidget>

class QPainter;

// Paints the panel into `panel`. Mode 0 fills the background only; mode 1 makes the selected
// row the current file first; modes 1 and 2 read the current file (with its notes) and paint
// it. Returns what was painted; `modulesDrawn` tells how many module lines fitted.
struct PanelPainting {
    bool drewFile = false;
    PanelContent content;
    int modulesDrawn = 0;
    bool notesDrawn = false;
    int modulesTop = 0; // where the first module line begins
    int lineHeight = 0; // the height of one module line
    int notesTop = 0;   // where the notes begin, below their separator
};
PanelPainting DrawInfoPanel(QPainter& painter, const QRect& panel, int mode, const QFont& font);

class InfoPanel : public QWidget {
    Q_OBJECT
public:
    explicit InfoPanel(QWidget* parent = nullptr);

    // Paints now in the given mode; later paints follow the selection (mode 1 when exactly one
    // row is selected, else 0).
    void draw(int mode);
    const PanelPainting& lastPainting() const { return m_last; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_explicitMode = -1;
    PanelPainting m_last;
};

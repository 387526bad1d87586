#pragma once
// The list of files as a report view: the catalogue's rows in a table, painted and tracked by
// the list preferences (grid lines, full row select, track select, movable columns, tooltips
// for cut-off cells).

#include "app/layout.h"

#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>

class CatalogueModel;

// Paints the list's cells with the list preferences: without full row select only the Name
// cell shows the selection; with track select the row under the mouse is highlighted.
class ListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    ListBehaviour behaviour;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Home and End go to the first and the last row (Shift extends the selection), Tab leaves the
// list, and a name is edited in place only on the one selected row, the file the panel shows
// and the rename acts on.
class ListView : public QTableView {
public:
    ListView(const CatalogueModel& list, QWidget* parent);

    bool isEditing() const { return state() == EditingState; }
    // Applies the list preferences to the view and its painting.
    void setBehaviour(const ListBehaviour& behaviour);
    const ListBehaviour& behaviour() const { return m_delegate->behaviour; }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void showCutOffText(const class QHelpEvent* help);
    void trackHover(const class QMouseEvent* event);
    void selectHoveredRow();

    const CatalogueModel& m_catalogue;
    ListDelegate* m_delegate = nullptr;
    QTimer m_hoverTimer; // track select: how long the mouse rests on a row
    int m_hoverRow = -1;
};

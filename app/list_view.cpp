#include "app/list_view.h"

#include "catalogue/catalogue_model.h"
#include "catalogue/columns.h"
#include "catalogue/status.h"

#include <QApplication>
#include <QCursor>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

void ListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyleOptionViewItem cell = option;
    if (!behaviour.fullRowHighlight && index.column() != ColumnName) {
        cell.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        // The view has filled the selected row's background already: the other cells paint
        // their own over it and look unselected.
        if (option.state & QStyle::State_Selected)
            painter->fillRect(option.rect, option.palette.brush(QPalette::Base));
    }
    if (behaviour.hoverTracking && (option.state & QStyle::State_MouseOver) &&
        !(cell.state & QStyle::State_Selected)) {
        QColor hover = option.palette.color(QPalette::Highlight);
        hover.setAlpha(40);
        painter->fillRect(option.rect, hover);
    }
    QStyledItemDelegate::paint(painter, cell, index);
}

ListView::ListView(const CatalogueModel& list, QWidget* parent)
    : QTableView(parent), m_catalogue(list) {
    m_delegate = new ListDelegate(this);
    setItemDelegate(m_delegate);
    // Tab and Shift+Tab go to the window's next and previous control, not to the next cell.
    setTabKeyNavigation(false);
    // Rows dragged out give other programs their files to copy.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    m_hoverTimer.setSingleShot(true);
    m_hoverTimer.setInterval(400);
    connect(&m_hoverTimer, &QTimer::timeout, this, &ListView::selectHoveredRow);
}

void ListView::setBehaviour(const ListBehaviour& behaviour) {
    setShowGrid(behaviour.gridLines);
    setMouseTracking(behaviour.hoverTracking);
    viewport()->setAttribute(Qt::WA_Hover, behaviour.hoverTracking);
    horizontalHeader()->setSectionsMovable(behaviour.movableColumns);
    const bool repaint = m_delegate->behaviour.fullRowHighlight != behaviour.fullRowHighlight ||
                         m_delegate->behaviour.hoverTracking != behaviour.hoverTracking;
    m_delegate->behaviour = behaviour;
    if (repaint)
        viewport()->update();
}

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int rows = model() ? model()->rowCount() : 0;
    if ((action != MoveHome && action != MoveEnd) || rows == 0)
        return QTableView::moveCursor(action, modifiers);
    const int column = std::max(currentIndex().column(), 0);
    return model()->index(action == MoveHome ? 0 : rows - 1, column);
}

// A name is edited only on the one selected row. A click on that row's name starts a short
// wait (a double click may follow) and the editing; a click on a name inside a selection of
// several rows edits nothing and, when the button is released, leaves that row the one
// selected, as a click on any other cell does.
bool ListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (index.row() != SingleFileRow(m_catalogue))
        return false;
    return QTableView::edit(index, trigger, event);
}

bool ListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        showCutOffText(static_cast<QHelpEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::MouseMove)
        trackHover(static_cast<QMouseEvent*>(event));
    return QTableView::viewportEvent(event);
}

// With the tooltips preference on, a cell whose text is cut off shows it whole.
void ListView::showCutOffText(const QHelpEvent* help) {
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    const QRect cell = visualRect(index);
    int available = cell.width() - 8;
    if (index.column() == ColumnName)
        available -= iconSize().width() + 4;
    const bool cutOff = fontMetrics().horizontalAdvance(text) > available;
    if (behaviour().cutOffTooltips && index.isValid() && cutOff)
        QToolTip::showText(help->globalPos(), text, viewport(), cell);
    else
        QToolTip::hideText();
}

// With track select on, a row the mouse rests on for a moment becomes the selection.
void ListView::trackHover(const QMouseEvent* event) {
    if (!behaviour().hoverTracking || event->buttons() != Qt::NoButton)
        return;
    m_hoverRow = indexAt(event->position().toPoint()).row();
    m_hoverTimer.start();
}

void ListView::selectHoveredRow() {
    const int row = indexAt(viewport()->mapFromGlobal(QCursor::pos())).row();
    if (row < 0 || row != m_hoverRow || !behaviour().hoverTracking ||
        QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows);
}

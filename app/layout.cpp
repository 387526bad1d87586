#include "app/layout.h"

std::array<int, 4> StatusPartEdges(int clientWidth) {
    const int sixth = clientWidth / 6;
    return {clientWidth / 2, sixth * 4, sixth * 5, clientWidth};
}

int ListWidth(const ColumnTable& columns, int rowsPerPage, int rowCount, int scrollBarWidth) {
    int width = 0;
    for (const ColumnSpec& column : columns) {
        if (column.visible)
            width += column.width;
    }
    if (rowsPerPage < rowCount)
        width += scrollBarWidth;
    return width;
}

QRect PanelRect(int listWidth, int top, int clientWidth, int height) {
    return QRect(listWidth, top, clientWidth - listWidth, height);
}

ListBehaviour ListBehaviourFromStyle(quint32 listExStyle) {
    ListBehaviour behaviour;
    behaviour.gridLines = listExStyle & StyleGridLines;
    behaviour.hoverTracking = listExStyle & StyleTrackSelect;
    behaviour.movableColumns = listExStyle & StyleHeaderDragDrop;
    behaviour.fullRowHighlight = listExStyle & StyleFullRowSelect;
    behaviour.flatScrollBars = listExStyle & StyleFlatScrollBar;
    behaviour.cutOffTooltips = listExStyle & StyleInfoTip;
    return behaviour;
}

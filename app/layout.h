#pragma once
// The main window's layout arithmetic: the status bar's part edges, the list's width from its
// visible columns, and the information panel's rectangle beside the list.

#include "catalogue/columns.h"
#include "settings/settings_store.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <array>

// Right edges of the four status parts for a client width W: W/2, (W/6)*4, (W/6)*5 and W, each
// division truncating toward zero and the division by 6 done before the multiplication.
std::array<int, 4> StatusPartEdges(int clientWidth);

// The list's width: the sum of the visible columns' widths, plus one scroll bar width when the
// rows do not fit in one page.
int ListWidth(const ColumnTable& columns, int rowsPerPage, int rowCount, int scrollBarWidth);

// The panel: from the list's right edge to the client's right edge, as high as the list.
QRect PanelRect(int listWidth, int top, int clientWidth, int height);

// A stored window rectangle (the window's own, its frame excluded) made fit for the screens
// (their available areas, the primary first) before it is used; `frame` is what the window
// system adds around it. The frame, title bar included, is what is fitted: its size at least
// `minimum` (plus the frame) and at most the screen it overlaps most. It stays where it is while
// it still overlaps that screen, but its top never above the screen's top; otherwise, and
// along a side that was cut to the screen's size, it moves the least distance onto the screen.
// A rectangle off every screen goes onto the primary screen the same way. Without screens only
// the minimum size applies.
QRect FitWindowRect(const QRect& stored, const QMargins& frame, const QSize& minimum,
                    const QList<QRect>& screens);

// The extended style bits of the list, and the view behaviour each one stands for.
enum ListStyleBit : quint32 {
    StyleGridLines = 0x0001,
    StyleTrackSelect = 0x0008,
    StyleHeaderDragDrop = 0x0010,
    StyleFullRowSelect = 0x0020,
    StyleFlatScrollBar = 0x0100,
    StyleInfoTip = 0x0400,
};
static_assert(DefaultListExStyle == (StyleFullRowSelect | StyleInfoTip));
// The bits the options dialog works over: 0x0001 to 0x1000.
constexpr quint32 OptionsStyleMask = 0x1FFF;

struct ListBehaviour {
    bool gridLines = false;        // lines between cells
    bool hoverTracking = false;    // the row under the mouse is highlighted
    bool movableColumns = false;   // columns can be reordered by dragging their headers
    bool fullRowHighlight = false; // the whole row shows selected, not only the Name cell
    bool flatScrollBars = false;   // no view of its own: the platform's scroll bars stay
    bool cutOffTooltips = false;   // a cell whose text is cut off shows it whole as a tooltip
};
ListBehaviour ListBehaviourFromStyle(quint32 listExStyle);

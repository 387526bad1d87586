#include "app/layout.h"

#include <QMargins>

#include <algorithm>
#include <limits>

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

// The area two rectangles share; 64 bits, as a stored rectangle may be as large as int allows.
static qint64 OverlapArea(const QRect& a, const QRect& b) {
    const qint64 width = std::min<qint64>(qint64(a.x()) + a.width(), qint64(b.x()) + b.width()) -
                         std::max(a.x(), b.x());
    const qint64 height = std::min<qint64>(qint64(a.y()) + a.height(), qint64(b.y()) + b.height()) -
                          std::max(a.y(), b.y());
    return width > 0 && height > 0 ? width * height : 0;
}

// The start of a span of `size` moved the least distance into [low, low + room); a span larger
// than the room starts at `low`.
static int FitSpan(int start, int size, int low, int room) {
    const qint64 highest = qint64(low) + room - size;
    return int(std::max<qint64>(low, std::min<qint64>(start, highest)));
}

// The window's outer rectangle (frame included) fitted to the screens.
static QRect FitOuterRect(const QRect& stored, const QSize& minimum, const QList<QRect>& screens) {
    QRect fitted(stored.topLeft(), stored.size().expandedTo(minimum));
    if (screens.isEmpty())
        return fitted;
    qsizetype best = 0; // the primary screen when the rectangle overlaps none
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const qint64 area = OverlapArea(stored, screens[i]);
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    const QRect& screen = screens[best];
    fitted.setSize(stored.size().boundedTo(screen.size()).expandedTo(minimum));
    // A side cut to the screen's size starts where the screen starts, so that the whole
    // window is on it.
    const bool offScreen = OverlapArea(fitted, screen) == 0;
    if (offScreen || stored.width() > screen.width())
        fitted.moveLeft(FitSpan(fitted.x(), fitted.width(), screen.x(), screen.width()));
    if (offScreen || stored.height() > screen.height())
        fitted.moveTop(FitSpan(fitted.y(), fitted.height(), screen.y(), screen.height()));
    // The title bar, by which the window is moved, never starts above the screen.
    if (fitted.y() < screen.y())
        fitted.moveTop(screen.y());
    return fitted;
}

// `value` + `add`, held within int: a stored rectangle may be as large as int allows.
static int SaturatedSum(qint64 value, qint64 add) {
    return int(std::clamp<qint64>(value + add, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

QRect FitWindowRect(const QRect& stored, const QMargins& frame, const QSize& minimum,
                    const QList<QRect>& screens) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const QRect outer(
        SaturatedSum(stored.x(), -frame.left()), SaturatedSum(stored.y(), -frame.top()),
        SaturatedSum(stored.width(), frameWidth), SaturatedSum(stored.height(), frameHeight));
    const QSize outerMinimum = minimum + QSize(frameWidth, frameHeight);
    return FitOuterRect(outer, outerMinimum, screens).marginsRemoved(frame);
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

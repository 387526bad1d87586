#include "app/options.h"

#include "app/layout.h"

const std::array<StyleBox, 6> OptionsStyleBoxes = {{
    {StyleGridLines, QT_TRANSLATE_NOOP("OptionsDialog", "Grid &Lines")},
    {StyleTrackSelect, QT_TRANSLATE_NOOP("OptionsDialog", "&Track Select")},
    {StyleHeaderDragDrop, QT_TRANSLATE_NOOP("OptionsDialog", "&Header Drag and Drop")},
    {StyleFullRowSelect, QT_TRANSLATE_NOOP("OptionsDialog", "Full &Row Select")},
    {StyleFlatScrollBar, QT_TRANSLATE_NOOP("OptionsDialog", "Flat &Scrollbar")},
    {StyleInfoTip, QT_TRANSLATE_NOOP("OptionsDialog", "T&ooltips")},
}};

const std::array<const char*, ColumnCount> OptionsColumnBoxTexts = {
    "",
    QT_TRANSLATE_NOOP("OptionsDialog", "&Path"),
    QT_TRANSLATE_NOOP("OptionsDialog", "&Date"),
    QT_TRANSLATE_NOOP("OptionsDialog", "&Size"),
    QT_TRANSLATE_NOOP("OptionsDialog", "&Title"),
    QT_TRANSLATE_NOOP("OptionsDialog", "&Author"),
    QT_TRANSLATE_NOOP("OptionsDialog", "Tu&ning")};

void RestoreListDefaults(Settings& s, ListColumns& list) {
    s.listExStyle = DefaultListExStyle;
    list.setExtendedStyle(s.listExStyle);
    for (int column = 0; column < ColumnCount; ++column) {
        ColumnSpec& columnSpec = s.columnTable[size_t(column)];
        columnSpec.width = DefaultColumnWidth(column);
        if (column > 0)
            columnSpec.visible = 1;
    }
    // Each width change makes the window lay out again, which reads the list's widths back
    // into the column table: the list is therefore given the default itself, not the table's
    // value, which still holds an old width until its own column has been set.
    for (int column = 0; column < ColumnCount; ++column)
        list.setColumnWidth(column, DefaultColumnWidth(column));
}

void ApplyListOptions(Settings& s, quint32 checkedStyleBits,
                      const std::array<bool, ColumnCount>& columnBoxes, ListColumns& list) {
    s.listExStyle = checkedStyleBits & OptionsStyleMask;
    for (int column = 1; column < ColumnCount; ++column) {
        ColumnSpec& columnSpec = s.columnTable[size_t(column)];
        const bool wanted = columnBoxes[size_t(column)];
        if (bool(columnSpec.visible) == wanted)
            continue;
        columnSpec.visible = wanted ? 1 : 0;
        list.setColumnWidth(column, wanted ? columnSpec.width : 0);
    }
    list.setExtendedStyle(s.listExStyle);
}

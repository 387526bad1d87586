#pragma once
// The rules of the options dialog: which list style bits it offers, what "&Defaults" restores
// and what OK applies. The list is reached through ListColumns, which the main window
// implements.

#include "catalogue/columns.h"
#include "settings/settings_store.h"

#include <QString>
#include <array>

// The list as the options dialog changes it.
class ListColumns {
public:
    virtual ~ListColumns() = default;
    virtual quint32 extendedStyle() const = 0;
    virtual void setExtendedStyle(quint32 style) = 0;       // every bit affected
    virtual void setColumnWidth(int column, int width) = 0; // width 0 hides the column
};

// The style bits that have a check box, in the dialog's order, with the boxes' texts.
struct StyleBox {
    quint32 bit;
    const char* text; // to be translated in the context OptionsDialog
};
extern const std::array<StyleBox, 6> OptionsStyleBoxes;

// The column boxes' texts for columns 1 to 6 (index 0 is the Name column, which has none).
extern const std::array<const char*, ColumnCount> OptionsColumnBoxTexts;

// "&Defaults": listExStyle DefaultListExStyle applied to the list, the default widths in the column
// table with columns 1 to 6 visible, and every column of the list, Name included, at its default
// width.
void RestoreListDefaults(Settings& record, ListColumns& list);

// OK: listExStyle becomes the checked bits among 0x0001 to 0x1000; each column 1 to 6 whose
// visibility differs from its box takes the box's state, and the list shows it at its stored
// width or hides it; finally the style is applied to the list.
void ApplyListOptions(Settings& record, quint32 checkedStyleBits,
                      const std::array<bool, ColumnCount>& columnBoxes, ListColumns& list);

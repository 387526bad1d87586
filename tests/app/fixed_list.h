#pragma once
// The options dialog's list for the window tests: it keeps the extended style it is given and
// no column widths.

#include "app/options.h"

namespace test_support {

struct FixedList : ListColumns {
    quint32 style = 0;
    quint32 extendedStyle() const override { return style; }
    void setExtendedStyle(quint32 value) override { style = value; }
    void setColumnWidth(int, int) override {}
};

} // namespace test_support

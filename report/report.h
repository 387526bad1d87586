#pragma once
// The report: one tab-separated line for each selected row, with the fields the user picks,
// in code page 1252 with CR LF line ends, to the clipboard or to a text file.
//
// Each line is built from pieces in a fixed order (folder, name, date, size, title, author,
// tuning), each present only when its bit is set and each followed by a tab; the line ends in
// CR LF. With the folder, name and full-path bits all set the folder is followed directly by
// the name, so the two form the full path.

#include "catalogue/entry.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

// The bits of Settings::reportFlags.
enum ReportFlag : quint16 {
    ReportName = 0x0001,
    ReportFolder = 0x0002,
    ReportDate = 0x0004,
    ReportSize = 0x0008,
    ReportTitle = 0x0010,
    ReportAuthor = 0x0020,
    ReportFullPath = 0x0040,
    ReportTuning = 0x0080,
    ReportToFile = 0x8000, // clear: to the clipboard
};
constexpr quint16 ReportFieldMask = 0x00FF;
constexpr quint16 DefaultReportFlags = 0x00BF;

// The clipboard block: 512 KiB with room for at least one terminating zero byte.
constexpr qsizetype ReportClipboardBlock = 0x80000;
constexpr qsizetype ReportClipboardLimit = ReportClipboardBlock - 1;

enum class ReportEncoding {
    Cp1252, // the report's own bytes (file and clipboard)
    Utf8,   // for text output of the command-line companion
};

// Cleans a text field: every tab, CR and LF becomes a blank, every double quote is removed.
// The trailing tab is not part of it.
QString CleanReportField(QStringView text);

// One row's report line with the field bits of `flags` (other bits are ignored), CR LF
// included. In code page 1252 these are exactly the bytes the report writes for the row.
QByteArray ReportLine(const Entry& entry, quint16 flags,
                      ReportEncoding encoding = ReportEncoding::Cp1252);

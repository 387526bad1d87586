#include "info/panel_content.h"

#include "format/file_summary.h"
#include "info/panel_text.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The files break the lines of their texts with CR LF; the panel with LF.
QString UnixLines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

} // namespace

PanelContent ComposePanel(const FileSummary& summary) {
    PanelContent content;
    content.name = summary.currentEntry.name;
    content.folder = summary.currentEntry.folder;
    content.title = summary.title.text();
    content.subtitle = summary.subtitle.text();
    content.comments = UnixLines(summary.comments.text());
    content.showSummary = !summary.currentEntry.isBad;
    if (!content.showSummary)
        return content;
    content.labels =
        QCoreApplication::translate("Panel", "Format\nMeasures\nTime Signature\nKey Signature");
    content.values = PanelValuesText(summary);
    const int lines = ModuleLineCount(summary.lastModule);
    for (int i = 0; i < lines; ++i)
        content.modules.push_back({ModuleLabel(i), ModuleNameText(summary.moduleNames[size_t(i)])});
    content.notes = UnixLines(summary.notes.text());
    return content;
}

int ModuleLinesThatFit(int top, int bottom, int lineHeight, int count) {
    int drawn = 0;
    while (drawn < count && top <= bottom - 16) {
        ++drawn;
        top += std::max(lineHeight, 1);
    }
    return drawn;
}

bool NotesFit(int top, int bottom) {
    return top < bottom - 16;
}

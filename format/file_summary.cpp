#include "format/file_summary.h"

FileSummary& fileSummary() {
    static FileSummary summary;
    return summary;
}

void FileSummary::clearRead() {
    notes.clear();
    subtitle.clear();
    comments.clear();
    title.clear();
    generation = versionWord = versionExtra = measures = lastModule = timeSignature = 0;
    keySignature = minorKey = 0;
    tableWordCount = blockCount = shortRecordCount = 0;
    secondGroupCount = firstGroupCount = notesLength = 0;
    stringCount = 0;
    tuning.fill(0);
    for (auto& name : moduleNames)
        name.clear();
    header.fill(0);
}

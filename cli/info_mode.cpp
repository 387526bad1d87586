#include "cli/info_mode.h"

#include "cli/output.h"

#include "catalogue/columns.h"
#include "format/file_summary.h"
#include "info/panel_text.h"
#include "platform/folder_walk.h"
#include "platform/native_file.h"

#include <QDir>
#include <cstdio>

QString InfoModeUsage() {
    return QStringLiteral(
        "zuflist --info FILE...\n"
        "  For each FILE, reads it the way the information panel does (texts, score summary,\n"
        "  notes) and prints Name, Folder, Title, Subtitle and Comments, and for a good file\n"
        "  also Format, Measures, Time Signature, Key Signature, Tuning, one Module line per\n"
        "  module read (at most 16) and Notes (when not empty), then an empty line. Values\n"
        "  escape backslash, CR, LF and TAB as \\\\ \\r \\n \\t. Output is UTF-8.\n"
        "  Exit status: 0 when every file was good, 1 when any was bad or could not be opened,\n"
        "  2 on a usage error or when standard output cannot be written.\n");
}

QString EscapeValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            out += c;
        }
    }
    return out;
}

static void AddLine(QString& out, QStringView label, const QString& value) {
    out += label;
    out += QLatin1String(": ");
    out += EscapeValue(value);
    out += u'\n';
}

QString InfoModeText(const FileSummary& s) {
    QString out;
    AddLine(out, u"Name", s.currentEntry.name);
    AddLine(out, u"Folder", s.currentEntry.folder);
    AddLine(out, u"Title", s.title);
    AddLine(out, u"Subtitle", s.subtitle);
    AddLine(out, u"Comments", s.comments);
    if (!s.currentEntry.isBad) {
        AddLine(out, u"Format", FormatText(s.versionWord, s.versionExtra, s.generation));
        AddLine(out, u"Measures", MeasuresText(s.measures));
        AddLine(out, u"Time Signature", TimeSignatureText(s.timeSignature));
        AddLine(out, u"Key Signature", KeyText(s.keySignature, s.minorKey));
        QString tuning;
        FormatTuning(s.tuning.data(), tuning);
        AddLine(out, u"Tuning", tuning);
        for (int i = 0; i < ModuleLineCount(s.lastModule); ++i)
            AddLine(out, ModuleLabel(i), ModuleNameText(s.moduleNames[i]));
        if (!s.notes.isEmpty())
            AddLine(out, u"Notes", s.notes);
    }
    out += u'\n';
    return out;
}

// Reads the file at `path`, with its notes, as the summary of its absolute folder (ending in the
// separator) and its name. The path is not cleaned: "link/../x.zuf" is opened as the system
// resolves it, through the link's target, and not as the text would read with the "link/.."
// taken away.
static FileSummary ReadPath(const QString& path) {
    const QChar separator = FolderSeparator();
    // The current folder as the platform names it, so that a folder whose name is not UTF-8
    // keeps its bytes (QDir::currentPath() would replace them).
    QString absolute = QDir::isAbsolutePath(path) ? path : CurrentFolder() + u'/' + path;
    absolute = QDir::toNativeSeparators(absolute);
    const qsizetype cut = absolute.lastIndexOf(separator) + 1;
    FileSummary s = ReadSummary(absolute, ReadMode::WithNotes);
    s.currentEntry.folder = absolute.left(cut);
    s.currentEntry.name = absolute.mid(cut);
    return s;
}

// Writes the text as UTF-8; names with undecodable bytes get their own bytes back.
static void Print(const QString& text) {
    WriteOutput(EncodeFileName(text));
}

int RunInfoMode(const QStringList& files) {
    if (files.isEmpty()) {
        ErrorText(QStringLiteral("usage:\n") + InfoModeUsage());
        return 2;
    }
    int status = 0;
    for (const QString& path : files) {
        const FileSummary summary = ReadPath(path);
        if (summary.currentEntry.isBad)
            status = 1;
        Print(InfoModeText(summary));
    }
    return FinishOutput(status);
}

#pragma once
// The report command: the report dialog, then the report of the selected rows to a text file
// or to the clipboard, with the messages that say how it went. The window implements the
// dialogs and the clipboard; tests fake them.

#include <QByteArray>
#include <QString>

class CatalogueModel;

class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;
    // The report dialog over the report flags and the report path, which OK changes: true for
    // OK. `replaceConfirmed` receives the path whose replacement the dialog's file chooser
    // already confirmed (it asked before naming an existing file), or stays empty; the consent
    // holds for the report of this dialog only.
    virtual bool runReportDialog(quint16& flags, QString& path, QString& replaceConfirmed) = 0;
    // Hands the report to the clipboard as plain text; `cp1252` holds the same text as the
    // code page 1252 bytes of the report.
    virtual void setClipboardText(const QString& text, const QByteArray& cp1252) = 0;
    // A message with OK, a warning with Yes and No (true for Yes); both under the program's
    // caption.
    virtual void showMessage(const QString& text) = 0;
    virtual bool warnYesNo(const QString& text) = 0;
};

// "<path>\nalready exists.\nReplace it?"
QString ReportReplaceText(const QString& path);
// The message after a clipboard report that had to leave rows out.
QString ReportLeftOutText(int rowsLeftOut, int rowCount);

// The whole command: proposes "zuflist.txt" in `workingFolder` when `path` is still empty (the
// first report of the run), runs the dialog over `flags` (Settings::reportFlags) and `path`,
// and writes the selected rows of `list`. An existing file is replaced only after the user
// agreed; a file that cannot be written in full gives "<path>\nhas NOT been created",
// otherwise "<path>\nhas been successfully created".
void CreateReport(ReportDialogs& dialogs, const CatalogueModel& list, quint16& flags, QString& path,
                  const QString& workingFolder);

#include "report/create_report.h"

#include "format/text_convert.h"
#include "platform/native_fileops.h"
#include "report/report.h"

#include <QCoreApplication>

QString ReportReplaceText(const QString& path) {
    return QCoreApplication::translate("Report", "%1\nalready exists.\nReplace it?").arg(path);
}

QString ReportLeftOutText(int rowsLeftOut, int rowCount) {
    return QCoreApplication::translate("Report",
                                       "The report is too long for the clipboard:\n%1 of %2 rows "
                                       "have been left out.")
        .arg(rowsLeftOut)
        .arg(rowCount);
}

// Writes the report file, asking first when a file of that name exists.
static void WriteReportToFile(ReportDialogs& dialogs, const QString& path, const QByteArray& bytes,
                              bool replaceConfirmed) {
    if (PathExists(path) && !replaceConfirmed && !dialogs.warnYesNo(ReportReplaceText(path)))
        return;
    const bool written = WriteReportFile(path, bytes).isEmpty();
    dialogs.showMessage(written ? ReportCreatedText(path) : ReportNotCreatedText(path));
}

static void WriteReportToClipboard(ReportDialogs& dialogs, const ReportText& report) {
    const QString text = Cp1252ToWideFit(report.bytes, int(report.bytes.size()) * 3 + 2);
    dialogs.setClipboardText(text, report.bytes);
    if (report.rowsLeftOut > 0)
        dialogs.showMessage(
            ReportLeftOutText(report.rowsLeftOut, report.rowsWritten + report.rowsLeftOut));
}

void CreateReport(ReportDialogs& dialogs, const CatalogueModel& list, quint16& flags, QString& path,
                  const QString& workingFolder) {
    if (path.isEmpty())
        path = DefaultReportPath(workingFolder);
    QString confirmed;
    const bool ok = dialogs.runReportDialog(flags, path, confirmed);
    if (!ok)
        return;
    const ReportText report = CreateReportText(SelectedReportRows(list), flags);
    if (flags & ReportToFile)
        WriteReportToFile(dialogs, path, report.bytes, confirmed == path);
    else
        WriteReportToClipboard(dialogs, report);
}

// The window, offscreen, moving every row of its working folder out of it: Ctrl+A, F7, a
// destination outside, All at the first question. Side by side with a loop that makes the
// same copies and deletions without the window.
//
//   bench_move_window [FILES] [FOLDER]   (default 6000 and /tmp/zuf-bench-move)
//
// Run with QT_QPA_PLATFORM=offscreen. The files are small catalogue files written afresh
// before each contender, so that both start from the same disk. On a slow disk the copies
// dominate both contenders; a folder on a memory file system (/dev/shm) shows the window's share
// best.

#include "app/main_window.h"
#include "catalogue/catalogue_model.h"
#include "fileops/confirmation_dialog.h"
#include "fileops/destination_dialog.h"
#include "fileops/file_batch.h"
#include "platform/folder_path.h"
#include "platform/folder_walk.h"
#include "platform/native_fileops.h"
#include "tools/sample_writer.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QString FileName(int i) {
    return QStringLiteral("song%1.zuf").arg(i, 5, 10, QLatin1Char('0'));
}

// Empties both folders and writes `count` catalogue files into `work`.
void WriteFiles(const QString& work, const QString& destination, int count) {
    for (const QString& folder : {work, destination}) {
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    SampleFile file;
    for (int i = 0; i < count; ++i) {
        file.title = QStringLiteral("Title %1").arg(i);
        WriteSampleFile(work + FileName(i), file);
    }
}

// Answers the next modal dialog of type T with `answer`, as soon as it is open.
template <class T> void Answer(std::function<void(T*)> answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            answer(dialog);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 6000;
    const QString root =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("/tmp/zuf-bench-move");
    const QString work = NormalisedFolder(root + QStringLiteral("/music"));
    const QString destination = NormalisedFolder(root + QStringLiteral("/backup"));

    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));

    WriteFiles(work, destination, count);
    SettingsStore store(home.filePath(QStringLiteral("settings.ini")));
    MainWindow window(store);
    window.resize(900, 600);
    window.showBeforeScan();
    if (!CanEnterFolder(work))
        return 1;
    window.openWorkingFolder(work);
    QCoreApplication::processEvents();
    const int listed = window.catalogueModel().rowCount();
    QTableView* view = window.list();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QCoreApplication::processEvents();

    Answer<DestinationDialog>([&](DestinationDialog* dialog) {
        dialog->folderBox()->setCurrentText(destination);
        Answer<ConfirmationDialog>(
            [](ConfirmationDialog* confirm) { confirm->done(int(DialogAnswer::All)); });
        dialog->accept();
    });
    QElapsedTimer timer;
    timer.start();
    window.runCommand(CommandId::MoveFiles);
    QCoreApplication::processEvents();
    const double windowSeconds = timer.nsecsElapsed() / 1e9;
    const int left = window.catalogueModel().rowCount();
    const int moved = int(QDir(destination).entryList(QDir::Files).size());

    WriteFiles(work, destination, count);
    timer.restart();
    for (int i = 0; i < count; ++i) {
        CopyFileNoReplace(work + FileName(i), destination + FileName(i));
        DeleteFileNative(work + FileName(i));
    }
    const double baseSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("window: %d rows listed, all selected, moved out under All: %.3f s; %d rows "
                "left, %d files at the destination\n",
                listed, windowSeconds, left, moved);
    std::printf("copies and deletions alone: %.3f s; ratio %.2fx (target <= 2x)\n", baseSeconds,
                windowSeconds / baseSeconds);
    QDir(root).removeRecursively();
    return 0;
}

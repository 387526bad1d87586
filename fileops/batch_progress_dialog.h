#pragma once
// The progress of a batch that goes on without asking (after All). The dialog appears only
// once the batch has run for a while, so that a short batch never flashes it: modal to the
// window, with the number of files as its maximum, the file that comes next (shortened in the
// middle) and Cancel. Once it shows, each step lets the window repaint.

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QLabel;
class QProgressDialog;
class QWidget;

class BatchProgress {
public:
    // The dialog shows over `owner` once the batch has gone on for `showAfterMs`.
    BatchProgress(QWidget* owner, int showAfterMs);
    ~BatchProgress();

    // `done` of the `total` files are done and `path` comes next; false once the user has
    // pressed Cancel.
    bool step(int done, int total, const QString& path);

private:
    void open(int total);

    QWidget* m_owner;
    int m_showAfterMs;
    QElapsedTimer m_clock; // from the first step on
    std::unique_ptr<QProgressDialog> m_dialog;
    QLabel* m_label = nullptr; // the dialog's
    int m_textWidth = 0;       // in pixels, which a path is shortened to
};

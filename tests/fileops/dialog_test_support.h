#pragma once
// Shared by the window tests of the file commands: finding buttons by their text, showing a
// dialog with the keyboard focus, and acting on a modal dialog once it is open.

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace dialog_support {

inline QPushButton* Button(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

inline QStringList ButtonTexts(QWidget* dialog) {
    QStringList texts;
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        texts << button->text();
    return texts;
}

// Shows the dialog and waits until it has the keyboard focus, so that clicks move the focus
// the way they do for the user.
inline bool ShowActive(QWidget* dialog) {
    dialog->show();
    QApplication::setActiveWindow(dialog);
    return QTest::qWaitForWindowActive(dialog);
}

// Runs `step` on the modal dialog of type T as soon as it is open.
template <class T> void WhenOpen(std::function<void(T*)> step) {
    QTimer::singleShot(0, [step] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            step(dialog);
    });
}

// Runs `step` on the modal dialog of type T at every pass of the event loop while it is the
// topmost, for as long as the returned timer lives: for dialogs that open again and again, or
// that stay open while the batch works.
template <class T> std::unique_ptr<QTimer> WhileOpen(std::function<void(T*)> step) {
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [step] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            step(dialog);
    });
    timer->start(0);
    return timer;
}

} // namespace dialog_support

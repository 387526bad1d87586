#include "fileops/confirmation_dialog.h"

#include "base/path_label_widget.h"
#include "fileops/file_batch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// The question names a folder, the line below it a file: either may be too long for the screen.
static QLabel* PlainLine(const QString& text, const char* name, QWidget* parent) {
    auto* label = new PathLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

ConfirmationDialog::ConfirmationDialog(QWidget* owner, const QString& question, const QString& path)
    : QDialog(owner) {
    setWindowTitle(tr("Confirmation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PlainLine(question, "question", this));
    layout->addWidget(PlainLine(path, "path", this));
    // All, No, Cancel, Yes: no button box layout keeps this order (each puts Yes first), so the
    // row is laid by hand.
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    const struct {
        const char* text;
        DialogAnswer answer;
    } choices[] = {{QT_TR_NOOP("&All"), DialogAnswer::All},
                   {QT_TR_NOOP("&No"), DialogAnswer::No},
                   {QT_TR_NOOP("Cancel"), DialogAnswer::Cancel},
                   {QT_TR_NOOP("&Yes"), DialogAnswer::Yes}};
    for (const auto& choice : choices) {
        auto* button = new QPushButton(tr(choice.text), this);
        const DialogAnswer answer = choice.answer;
        connect(button, &QPushButton::clicked, this, [this, answer] { done(int(answer)); });
        buttons->addWidget(button);
        if (answer == DialogAnswer::Yes) {
            button->setDefault(true);
            button->setFocus();
        }
    }
}

void ConfirmationDialog::reject() {
    done(int(DialogAnswer::Cancel));
}

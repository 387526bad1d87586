#include "fileops/info_edit_dialog.h"

#include "fileops/info_edit.h"
#include "format/file_summary.h"
#include "info/text_tools_widget.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

static QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// The files break lines with CR LF; the edit fields with LF.
static QString EditLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

InfoEditDialog::InfoEditDialog(QWidget* owner, CatalogueModel& list, int row, FileSummary current,
                               FileDialogs& dialogs, UndoRecord& undo, UiHooks& window)
    : QDialog(owner), m_list(list), m_row(row), m_current(std::move(current)), m_dialogs(dialogs),
      m_undo(undo), m_window(window) {
    setWindowTitle(tr("Information"));
    m_tools = new TextToolTracker(this);
    const FileSummary& summary = m_current;

    m_fileName = new QLabel(summary.currentEntry.name, this);
    m_fileName->setObjectName(QStringLiteral("fileName"));
    m_fileName->setTextFormat(Qt::PlainText);
    m_fileName->setToolTip(summary.currentPath);
    // A long name is cut at the dialog's edge rather than widening the dialog.
    m_fileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont bold = m_fileName->font();
    bold.setBold(true);
    m_fileName->setFont(bold);

    m_title = new QLineEdit(summary.title.text(), this);
    m_subtitle = new QLineEdit(summary.subtitle.text(), this);
    m_comments = new QPlainTextEdit(EditLines(summary.comments), this);
    m_comments->setTabChangesFocus(true);
    m_notes = new QPlainTextEdit(EditLines(summary.notes), this);
    m_notes->setReadOnly(true);
    m_tools->track(m_title);
    m_tools->track(m_subtitle);
    m_tools->track(m_comments);

    // The text tools share the row, and Cancel stands before "Save to File"; a button box puts
    // the save first, so the row is laid by hand.
    auto* buttons = new QHBoxLayout;
    const struct {
        const char* text;
        int tool;
    } tools[] = {{QT_TR_NOOP("ABC"), CaseUpper},
                 {QT_TR_NOOP("abc"), CaseLower},
                 {QT_TR_NOOP("Abc"), CaseWords},
                 {QT_TR_NOOP("(\")"), 0}};
    for (const auto& tool : tools) {
        auto* push = new QPushButton(tr(tool.text), this);
        const int id = tool.tool;
        connect(push, &QPushButton::clicked, this, [this, id] {
            if (id)
                m_tools->applyCase(id);
            else
                m_tools->removeQuotes();
        });
        buttons->addWidget(push);
    }
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setFocusPolicy(Qt::ClickFocus);
    m_save = new QPushButton(tr("Save to File"), this);
    m_save->setDefault(true);
    m_save->setEnabled(InfoSaveAllowed(m_current));
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(m_save);
    connect(cancel, &QPushButton::clicked, this, &InfoEditDialog::reject);
    connect(m_save, &QPushButton::clicked, this, &InfoEditDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_fileName, 0, 0);
    layout->addWidget(Caption(tr("&Title:"), m_title, this), 1, 0);
    layout->addWidget(m_title, 2, 0);
    layout->addWidget(Caption(tr("&Sub-Title:"), m_subtitle, this), 3, 0);
    layout->addWidget(m_subtitle, 4, 0);
    layout->addWidget(Caption(tr("&Comments:"), m_comments, this), 5, 0);
    layout->addWidget(m_comments, 6, 0);
    layout->addLayout(buttons, 7, 0);
    layout->addWidget(m_notes, 8, 0);
    // At least as wide as the row of tools and buttons, whose texts are longer in some languages.
    setMinimumWidth(std::max(420, layout->minimumSize().width()));
    m_title->setFocus();
}

void InfoEditDialog::accept() {
    if (!m_save->isEnabled())
        return; // Enter on a file that may not be written does nothing
    const InfoTexts texts{m_title->text(), m_subtitle->text(), m_comments->toPlainText()};
    if (SaveInfoTexts(m_list, m_row, m_current, texts, m_dialogs, m_undo, m_window) ==
        InfoSaveResult::Saved)
        done(Accepted);
}

void InfoEditDialog::reject() {
    done(Rejected);
}

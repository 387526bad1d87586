#include "app/options_dialog.h"

#include "base/dialog_buttons_widget.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OptionsDialog::ChooseFileFunction OptionsDialog::chooseFile = ChooseProgramFile;

OptionsDialog::OptionsDialog(QWidget* owner, Settings& record, ListColumns& list)
    : QDialog(owner), m_record(record), m_list(list) {
    setWindowTitle(tr("ZUF File Options"));

    m_allColumns = new QCheckBox(tr("&Columns:"), this);
    auto* columnLayout = new QVBoxLayout;
    columnLayout->addWidget(m_allColumns);
    for (int column = 1; column < ColumnCount; ++column) {
        auto* box = new QCheckBox(tr(OptionsColumnBoxTexts[size_t(column)]), this);
        m_columnBoxes[size_t(column)] = box;
        columnLayout->addWidget(box);
    }
    columnLayout->addStretch();
    connect(m_allColumns, &QCheckBox::clicked, this, [this](bool checked) {
        for (int column = 1; column < ColumnCount; ++column)
            m_columnBoxes[size_t(column)]->setChecked(checked);
    });

    auto* preferences = new QGroupBox(tr("List &Preferences:"), this);
    auto* preferenceLayout = new QVBoxLayout(preferences);
    for (size_t i = 0; i < OptionsStyleBoxes.size(); ++i) {
        m_styleBoxes[i] = new QCheckBox(tr(OptionsStyleBoxes[i].text), this);
        preferenceLayout->addWidget(m_styleBoxes[i]);
    }

    auto* paths = new QGroupBox(tr("Strumlex + ZUFView &Paths"), this);
    m_editorField = new QLineEdit(m_record.editorPath.text(), paths);
    m_viewerField = new QLineEdit(m_record.viewerPath.text(), paths);
    m_editorField->setMaxLength(255);
    m_viewerField->setMaxLength(255);
    m_editorField->installEventFilter(this);
    m_viewerField->installEventFilter(this);
    auto* browseButton = new QPushButton(tr("&Browse..."), paths);
    connect(browseButton, &QPushButton::clicked, this, &OptionsDialog::browse);
    auto* pathLayout = new QGridLayout(paths);
    pathLayout->addWidget(m_editorField, 0, 0);
    pathLayout->addWidget(browseButton, 0, 1, 2, 1, Qt::AlignVCenter);
    pathLayout->addWidget(m_viewerField, 1, 0);
    m_editorField->setMinimumWidth(280);

    QDialogButtonBox* buttons = DialogButtons(this, Qt::Vertical);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* defaults = buttons->addButton(tr("&Defaults"), QDialogButtonBox::ResetRole);
    connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &OptionsDialog::restoreDefaults);

    auto* top = new QHBoxLayout;
    top->addLayout(columnLayout);
    top->addWidget(preferences);
    top->addWidget(buttons);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(paths);

    refreshBoxes();
}

// Shows the list's current style and the column table's visibility in the boxes.
void OptionsDialog::refreshBoxes() {
    Settings& s = m_record;
    s.listExStyle = m_list.extendedStyle();
    for (size_t i = 0; i < OptionsStyleBoxes.size(); ++i)
        m_styleBoxes[i]->setChecked(s.listExStyle & OptionsStyleBoxes[i].bit);
    for (int column = 1; column < ColumnCount; ++column)
        m_columnBoxes[size_t(column)]->setChecked(s.columnTable[size_t(column)].visible);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && (watched == m_editorField || watched == m_viewerField))
        m_lastFocusedField = static_cast<QLineEdit*>(watched);
    return QDialog::eventFilter(watched, event);
}

// The file dialog starts from the stored path and writes into it; the field then shows the
// stored path, whatever had been typed into it.
void OptionsDialog::browse() {
    const bool viewer = m_lastFocusedField == m_viewerField;
    auto& stored = viewer ? m_record.viewerPath : m_record.editorPath;
    QString path = stored.text();
    if (chooseFile && chooseFile(this, viewer, path))
        stored = path;
    (viewer ? m_viewerField : m_editorField)->setText(stored.text());
}

void OptionsDialog::restoreDefaults() {
    RestoreListDefaults(m_record, m_list);
    QMetaObject::invokeMethod(this, &OptionsDialog::refreshBoxes, Qt::QueuedConnection);
}

void OptionsDialog::accept() {
    m_record.editorPath = m_editorField->text();
    m_record.viewerPath = m_viewerField->text();
    quint32 checked = 0;
    for (size_t i = 0; i < OptionsStyleBoxes.size(); ++i) {
        if (m_styleBoxes[i]->isChecked())
            checked |= OptionsStyleBoxes[i].bit;
    }
    std::array<bool, ColumnCount> columns{};
    columns[0] = true;
    for (int column = 1; column < ColumnCount; ++column)
        columns[size_t(column)] = m_columnBoxes[size_t(column)]->isChecked();
    ApplyListOptions(m_record, checked, columns, m_list);
    QDialog::accept();
}

bool ChooseProgramFile(QWidget* owner, bool viewer, QString& path) {
    const QString title =
        viewer ? OptionsDialog::tr("Search for ZufView") : OptionsDialog::tr("Search for Strumlex");
#ifdef Q_OS_WIN
    const QString filter = OptionsDialog::tr("Executable files (*.exe)");
#else
    // Programs of this system have no extension; the Windows ones run through wine.
    const QString filter = OptionsDialog::tr("Executable files (*.exe);;All files (*)");
#endif
    const QString chosen = QFileDialog::getOpenFileName(owner, title, path, filter);
    if (chosen.isEmpty())
        return false;
    path = QDir::toNativeSeparators(chosen);
    return true;
}

void RunOptionsDialog(QWidget* owner, Settings& record, ListColumns& list) {
    OptionsDialog dialog(owner, record, list);
    dialog.exec();
}

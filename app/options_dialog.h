#pragma once
// The options dialog "ZUF File Options": the visible columns, the list preferences and the
// paths of the editor and the viewer.

#include "app/options.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog shows and changes `record`; the list shows what OK and "&Defaults" apply.
    OptionsDialog(QWidget* owner, Settings& record, ListColumns& list);

    // The file chooser behind "&Browse...": starts from and, when the user confirms a file,
    // writes into `path`; answers whether a file was confirmed. Tests replace it.
    using ChooseFileFunction = std::function<bool(QWidget* owner, bool viewer, QString& path)>;
    static ChooseFileFunction chooseFile;

    QCheckBox* allColumnsBox() const { return m_allColumns; }
    QCheckBox* columnBox(int column) const { return m_columnBoxes[size_t(column)]; }
    QCheckBox* styleBox(int index) const { return m_styleBoxes[size_t(index)]; }
    QLineEdit* editorField() const { return m_editorField; }
    QLineEdit* viewerField() const { return m_viewerField; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshBoxes();
    void browse();
    void restoreDefaults();

    Settings& m_record;
    ListColumns& m_list;
    QCheckBox* m_allColumns;
    std::array<QCheckBox*, 7> m_columnBoxes{};
    std::array<QCheckBox*, 6> m_styleBoxes{};
    QLineEdit* m_editorField;
    QLineEdit* m_viewerField;
    QLineEdit* m_lastFocusedField = nullptr;
};

// The platform's open dialog for a program path, titled "Search for Strumlex" or "Search for
// ZufView".
bool ChooseProgramFile(QWidget* owner, bool viewer, QString& path);

void RunOptionsDialog(QWidget* owner, Settings& record, ListColumns& list);

#pragma once
// "Report": the eight field boxes, "Copy to &Clipboard" or "Save to &File", the report path
// and its "..." button, over the report flags and the report path it is handed. OK takes the
// boxes into the flags and the field into the path and closes with 1; Cancel closes with 2 and
// keeps the flags (a path chosen with "..." stays).

#include <QDialog>
#include <functional>
#include <map>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class ReportDialog : public QDialog {
    Q_OBJECT
public:
    // The chooser behind "..." opens in `startFolder` (the working folder).
    ReportDialog(QWidget* owner, quint16& flags, QString& path, const QString& startFolder);

    // The save-file chooser behind "...": the owner and the path to propose; answers the
    // chosen path (the chooser asked before naming an existing file) or an empty text. Tests
    // replace it.
    std::function<QString(QWidget*, const QString&)> chooseFile;

    QCheckBox* fieldBox(int bit) const { return m_boxes.at(bit); }
    QRadioButton* clipboardButton() const { return m_clipboard; }
    QRadioButton* fileButton() const { return m_file; }
    QLineEdit* pathField() const { return m_path; }
    QPushButton* browseButton() const { return m_browse; }
    // The path the chooser gave last, whose replacement it confirmed; empty when it gave none.
    const QString& replaceConfirmed() const { return m_replaceConfirmed; }

    void accept() override;

private:
    void applyTargetEnabling();
    void fieldToggled(int bit, bool checked);
    void browse();

    quint16& m_flags;
    QString& m_reportPath;
    QString m_replaceConfirmed;
    std::map<int, QCheckBox*> m_boxes;
    QRadioButton* m_clipboard = nullptr;
    QRadioButton* m_file = nullptr;
    QLineEdit* m_path = nullptr;
    QPushButton* m_browse = nullptr;
};

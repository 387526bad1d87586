#pragma once
// The search dialog "Search in Information": the search words and the case box.

#include <QDialog>

class QCheckBox;
class QLineEdit;

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the stored search words and case flag.
    explicit SearchDialog(QWidget* owner);

    QLineEdit* wordsEdit() const { return m_words; }
    QCheckBox* caseBox() const { return m_case; }

    void accept() override; // stores the words and the flag, then closes with OK

private:
    QLineEdit* m_words;
    QCheckBox* m_case;
};

// Runs the dialog modally: true when it ended with OK.
bool RunSearchDialog(QWidget* owner);

#pragma once
// The search dialog "Search in Information": the search words and the case box.

#include <QDialog>

class CatalogueModel;
class QCheckBox;
class QLineEdit;

class SearchDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the list's search words and the stored case flag (bit 0 of `searchFlags`).
    SearchDialog(QWidget* owner, CatalogueModel& list, quint16& searchFlags);

    QLineEdit* wordsEdit() const { return m_words; }
    QCheckBox* caseBox() const { return m_case; }

    void accept() override; // stores the words and the flag, then closes with OK

private:
    CatalogueModel& m_list;
    quint16& m_searchFlags;
    QLineEdit* m_words;
    QCheckBox* m_case;
};

// Runs the dialog modally: true when it ended with OK.
bool RunSearchDialog(QWidget* owner, CatalogueModel& list, quint16& searchFlags);

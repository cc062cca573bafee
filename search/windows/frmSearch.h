#pragma once
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
struct SpeciesList;

// The search dialog: finds species by part of a botanic or common name and lists
// them in the species list window. It stays open, above the other windows,
// until the user closes it.
class frmSearch : public QWidget {
    Q_OBJECT
public:
    explicit frmSearch(QWidget *owner);

    // Searches for the trimmed text of txtSearch; a blank text only puts the
    // focus back into the box.
    void cmdOK_Click();

    QGroupBox *Frame1;
    QRadioButton *optBotanic, *optCommon;
    QLabel *Label1;
    QLineEdit *txtSearch;
    QPushButton *cmdOK, *cmdCancel;
};

// Shows the rows of a search in the species list window, replacing its rows.
// No row is chosen: the fact sheet and the current species stay as they were.
void ShowSearchResult(const SpeciesList &rows);

#include "search/windows/frmSearch.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/NameLength.h"
#include "controls/CommandButton.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"
#include "search/NameSearch.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

frmSearch::frmSearch(QWidget *owner)
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("Search"));

    Frame1 = new QGroupBox(QStringLiteral("Search By"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optBotanic = new QRadioButton(QStringLiteral("Botanic Names"), Frame1);
    optBotanic->setObjectName(QStringLiteral("optBotanic"));
    optCommon = new QRadioButton(QStringLiteral("Common Names"), Frame1);
    optCommon->setObjectName(QStringLiteral("optCommon"));
    auto *options = new QHBoxLayout(Frame1);
    options->addWidget(optBotanic);
    options->addWidget(optCommon);

    Label1 = new QLabel(QStringLiteral("Search For"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setMaxLength(MaxNameLength);
    Label1->setBuddy(txtSearch);
    cmdOK = new CommandButton(QStringLiteral("Ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = new CommandButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Label1);
    layout->addWidget(txtSearch);
    layout->addLayout(buttons);
    setMinimumWidth(340);

    optBotanic->setChecked(true);
    connect(txtSearch, &QLineEdit::returnPressed, cmdOK, &QPushButton::click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSearch::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    txtSearch->setFocus();
}

void frmSearch::cmdOK_Click()
{
    const QString text = txtSearch->text().trimmed();
    if (text.isEmpty()) {
        txtSearch->setFocus();
        return;
    }
    try {
        if (optBotanic->isChecked())
            ShowSearchResult(SearchBotanicNames(text));
        else if (optCommon->isChecked())
            ShowSearchResult(SearchCommonNames(text));
    } catch (const CatalogueError &e) {
        ShowError(this, QStringLiteral("Search"), e);
    }
}

void ShowSearchResult(const SpeciesList &rows)
{
    // The user picks a row; until then no row is chosen.
    CurrentSpecies::instance().showList(rows);
}

#include "search/windows/frmSearch.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/NameLength.h"
#include "controls/CommandButton.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"
#include "search/NameSearch.h"

#include "controls/TranslatedText.h"

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
    Translated(this, "frmSearch", QT_TR_NOOP("Search"));

    Frame1 = Translated(new QGroupBox(this), "frmSearch", QT_TR_NOOP("Search By"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    optBotanic = Translated(new QRadioButton(Frame1), "frmSearch", QT_TR_NOOP("Botanic Names"));
    optBotanic->setObjectName(QStringLiteral("optBotanic"));
    optCommon = Translated(new QRadioButton(Frame1), "frmSearch", QT_TR_NOOP("Common Names"));
    optCommon->setObjectName(QStringLiteral("optCommon"));
    auto *options = new QHBoxLayout(Frame1);
    options->addWidget(optBotanic);
    options->addWidget(optCommon);

    Label1 = Translated(new QLabel(this), "frmSearch", QT_TR_NOOP("Search For"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setMaxLength(MaxNameLength);
    Label1->setBuddy(txtSearch);
    cmdOK = Translated(new CommandButton(QString(), this), "frmSearch", QT_TR_NOOP("Ok"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = Translated(new CommandButton(QString(), this), "frmSearch", QT_TR_NOOP("Cancel"));
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
        ShowError(this, tr("Search"), e);
    }
}

void ShowSearchResult(const SpeciesList &rows)
{
    // The user picks a row; until then no row is chosen.
    CurrentSpecies::instance().showList(rows);
}

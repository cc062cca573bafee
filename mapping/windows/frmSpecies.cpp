#include "mapping/windows/frmSpecies.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/NameLength.h"
#include "controls/ReportList.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"
#include "controls/Twips.h"
#include "mapping/SpeciesChooserQuery.h"
#include "mapping/SpeciesRanges.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include "controls/TranslatedText.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include <exception>

frmSpecies::frmSpecies(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmSpecies"));
    Translated(this, "frmSpecies", QT_TR_NOOP("Choose Species"));
    setModal(true);
    KeepAboveOtherWindows(this);

    lblSpecies = Translated(new QLabel(this), "frmSpecies", QT_TR_NOOP("Type Species Name"));
    lblSpecies->setObjectName(QStringLiteral("lblSpecies"));
    txtSpecies = new QLineEdit(this);
    txtSpecies->setObjectName(QStringLiteral("txtSpecies"));
    txtSpecies->setMaxLength(MaxNameLength);
    lblSpecies->setBuddy(txtSpecies);
    lstSpecies = new ReportList(2, this);
    lstSpecies->setObjectName(QStringLiteral("lstSpecies"));
    lstSpecies->setHeaderHidden(true);
    lstSpecies->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSpecies);
    layout->addWidget(txtSpecies);
    layout->addWidget(lstSpecies);
    resize(TwipsToPixelsX(3300, this), TwipsToPixelsY(4200, this));

    connect(txtSpecies, &QLineEdit::textChanged, this, &frmSpecies::FillSpeciesList);
    connect(lstSpecies, &QTreeWidget::itemDoubleClicked, this, &frmSpecies::ChooseSpecies);
    FillSpeciesList();
}

void frmSpecies::FillSpeciesList()
{
    lstSpecies->header()->resizeSection(0, 0);
    lstSpecies->header()->resizeSection(1, TwipsToPixelsX(2500, lstSpecies));
    lstSpecies->clear();
    QList<ChooserRow> rows;
    try {
        rows = QuerySpeciesChooser(txtSpecies->text());
    } catch (const CatalogueError &e) {
        ShowError(this, windowTitle(), e);
        return;
    }
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const ChooserRow &row : rows)
        items << new QTreeWidgetItem(QStringList{row.spId, row.name});
    lstSpecies->addTopLevelItems(items);
}

void frmSpecies::ChooseSpecies()
{
    const QTreeWidgetItem *row = lstSpecies->selectedRow();
    if (!row)
        return;
    const QString spId = ReportList::cell(row, 1);
    SpeciesRanges stored;
    try {
        stored = ReadSpeciesRanges(spId);
    } catch (const std::exception &e) {
        ShowError(this, windowTitle(), e);
        return;
    }
    ChosenSpecies choice{spId, ReportList::cell(row, 2), {}};
    for (int i = 0; i < 6; ++i)
        choice.ranges[i] = ChosenRangeText(stored.stored[i]);
    m_chosen = choice;
    accept();
}

bool frmSpecies::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstSpecies && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ChooseSpecies();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

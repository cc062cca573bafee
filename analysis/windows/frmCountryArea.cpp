#include "analysis/windows/frmCountryArea.h"

#include "analysis/AnalysisInputs.h"
#include "analysis/AreaTableText.h"
#include "analysis/SuitabilityClasses.h"
#include "base/NotWritten.h"
#include "base/SafeFileWrite.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

#include <exception>

namespace {

// A row showing numbers in the user's locale and sorting its number columns
// by the plain values, the country by name.
class AreaItem : public QTreeWidgetItem {
public:
    AreaItem(QTreeWidget *list, const QStringList &shown, const QStringList &plain) : QTreeWidgetItem(list, shown)
    {
        for (int c = 1; c < plain.size(); ++c) {
            setData(c, Qt::UserRole, plain[c].toDouble());
            setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == 0)
            return QString::localeAwareCompare(text(0), other.text(0)) < 0;
        return data(column, Qt::UserRole).toDouble() < other.data(column, Qt::UserRole).toDouble();
    }
};

QString withUnit(const QString &header)
{
    QString h = header;
    return h.replace(QStringLiteral(" km2"), QStringLiteral(" km\u00b2"));
}

} // namespace

frmCountryArea::frmCountryArea(QWidget *owner, const AnalysisSubject &subject) : m_name(subject.name)
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmCountryArea"));
    setWindowTitle(QStringLiteral("Suitable Area by Country - ") + subject.name);

    const auto inputs = AnalysisInputs::ofApplication();
    const auto points = ClassPoints(*inputs->maps().canvas, subject.bounds, inputs->maps().ranges);
    const AreaTable table = SumAreas({&points[0], &points[1], &points[2], &points[3]}, inputs->cells(), inputs->countries());
    const QStringList classes{QStringLiteral("ALT"), QStringLiteral("MAR"), QStringLiteral("MAT"), QStringLiteral("Full")};
    m_cells = AreaTableCells(table, classes);
    const QList<QStringList> shown = AreaTableCells(table, classes, QLocale());

    buildLabels(subject.description(inputs->maps().ranges), *inputs);
    buildAreaList(shown);
    buildTotal(shown.back());
    buildButtons();
    layOut();
}

void frmCountryArea::buildLabels(const QString &species, const AnalysisInputs &inputs)
{
    lblSpecies = new QLabel(species, this);
    lblSpecies->setObjectName(QStringLiteral("lblSpecies"));
    lblSpecies->setWordWrap(true);
    lblBoundaries = new QLabel(this);
    lblBoundaries->setObjectName(QStringLiteral("lblBoundaries"));
    lblBoundaries->setWordWrap(true);
    lblBoundaries->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    if (!inputs.boundariesError().isEmpty() || !inputs.hasBoundaries())
        lblBoundaries->setText(QStringLiteral("The country boundaries are missing, so only the total is given. ") +
                               inputs.boundariesError());
    lblBoundaries->setVisible(!lblBoundaries->text().isEmpty());
}

void frmCountryArea::buildAreaList(const QList<QStringList> &shown)
{
    lstArea = new QTreeWidget(this);
    lstArea->setObjectName(QStringLiteral("lstArea"));
    lstArea->setRootIsDecorated(false);
    lstArea->setAlternatingRowColors(true);
    QStringList headers;
    for (const QString &h : m_cells.front())
        headers << withUnit(h);
    lstArea->setHeaderLabels(headers);
    // The countries (and the points outside them) sort; the total stands below.
    for (qsizetype r = 1; r + 1 < m_cells.size(); ++r)
        new AreaItem(lstArea, shown[r], m_cells[r]);
    lstArea->setSortingEnabled(true);
    lstArea->sortByColumn(0, Qt::AscendingOrder);
    lstArea->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void frmCountryArea::buildTotal(const QStringList &total)
{
    lblTotal = new QLabel(QStringLiteral("Total: land %1 km\u00b2; altitude %2 km\u00b2 (%3 %), rainfall %4 km\u00b2 (%5 %), "
                                         "temperature %6 km\u00b2 (%7 %), full match %8 km\u00b2 (%9 %)")
                              .arg(total[1], total[2], total[3], total[4], total[5], total[6], total[7], total[8], total[9]),
                          this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setWordWrap(true);
    lblTotal->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void frmCountryArea::buildButtons()
{
    cmdCopy = new QPushButton(QStringLiteral("Copy"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdSaveCsv = new QPushButton(QStringLiteral("Save as CSV..."), this);
    cmdSaveCsv->setObjectName(QStringLiteral("cmdSaveCsv"));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdCopy, &QPushButton::clicked, this, &frmCountryArea::cmdCopy_Click);
    connect(cmdSaveCsv, &QPushButton::clicked, this, &frmCountryArea::cmdSaveCsv_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
}

void frmCountryArea::layOut()
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdSaveCsv);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSpecies);
    layout->addWidget(lblBoundaries);
    layout->addWidget(lstArea, 1);
    layout->addWidget(lblTotal);
    layout->addLayout(buttons);
    resize(900, 420);
}

frmCountryArea *frmCountryArea::Open(QWidget *owner)
{
    QString problem;
    try {
        const AnalysisSubject subject = AnalysisSubject::forActiveMap();
        problem = subject.rangeProblem(AnalysisInputs::ofApplication()->maps().ranges);
        if (problem.isEmpty()) {
            auto *window = new frmCountryArea(owner, subject);
            window->show();
            return window;
        }
    } catch (const std::exception &e) {
        problem = ErrorText(e);
    }
    ShowError(owner, QStringLiteral("Suitable Area by Country"), problem);
    return nullptr;
}

void frmCountryArea::cmdCopy_Click() { QApplication::clipboard()->setText(TabSeparated(m_cells)); }

void frmCountryArea::cmdSaveCsv_Click()
{
    QFileDialog dialog(this, QStringLiteral("Save as CSV"));
    PrepareSaveDialog(dialog, {QStringLiteral("CSV files (*.csv)")}, QStringLiteral("csv"), m_name + QStringLiteral(" area by country.csv"));
    const QString file = ChosenSaveFile(dialog, saveDialog);
    if (file.isEmpty())
        return;
    try {
        WriteFileSafely(file, CommaSeparated(m_cells));
    } catch (const std::exception &e) {
        ShowError(this, QStringLiteral("Save as CSV"), NotWrittenError(file, e));
    }
}

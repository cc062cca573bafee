#include "analysis/windows/frmCountryArea.h"

#include "analysis/ProvinceAreas.h"
#include "mapping/AttributeColumn.h"

#include <QComboBox>

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
#include <QEvent>
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
    // `texts` leading columns are names; the row's place in the table breaks ties between them.
    AreaItem(QTreeWidget *list, const QStringList &shown, const QStringList &plain, int texts, int order)
        : QTreeWidgetItem(list, shown), m_texts(texts), m_order(order)
    {
        for (int c = texts; c < plain.size(); ++c) {
            setData(c, Qt::UserRole, plain[c].toDouble());
            setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column >= m_texts)
            return data(column, Qt::UserRole).toDouble() < other.data(column, Qt::UserRole).toDouble();
        if (const int names = QString::localeAwareCompare(text(column), other.text(column)); names != 0)
            return names < 0;
        return m_order < static_cast<const AreaItem &>(other).m_order;
    }

private:
    int m_texts, m_order;
};

// A column heading of the table (kept in English for the CSV file) as shown.
QString shownHeading(const QString &header)
{
    if (header == QLatin1String("Country"))
        return frmCountryArea::tr("Country");
    if (header == QLatin1String("Province"))
        return frmCountryArea::tr("Province");
    if (header == QLatin1String("Land km2"))
        return frmCountryArea::tr("Land km\u00b2");
    const QString name = header.section(QLatin1Char(' '), 0, 0);
    const QString cls = name == QLatin1String("Full") ? frmCountryArea::tr("Full", "full match") : name;
    return header.endsWith(QLatin1String(" km2")) ? frmCountryArea::tr("%1 km\u00b2", "class, area").arg(cls)
                                                  : frmCountryArea::tr("%1 %", "class, share of the land").arg(cls);
}

} // namespace

frmCountryArea::frmCountryArea(QWidget *owner, const AnalysisSubject &subject) : m_name(subject.name), m_bounds(subject.bounds)
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmCountryArea"));

    const auto inputs = AnalysisInputs::ofApplication();
    buildLabels(subject.description(inputs->maps().ranges), *inputs);
    buildChoices(*inputs);
    buildAreaList();
    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setWordWrap(true);
    lblTotal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    buildButtons();
    layOut();
    retranslate();
    showTable();
}

void frmCountryArea::retranslate()
{
    setWindowTitle(tr("Suitable Area by Country - %1").arg(m_name));
    cboBy->setItemText(0, tr("By country"));
    cboBy->setItemText(1, tr("By province"));
    cboCountry->setItemText(0, tr("All countries"));
    if (!lblBoundaries->text().isEmpty())
        lblBoundaries->setText(tr("The country boundaries are missing, so only the total is given. %1").arg(m_boundariesError));
    cmdCopy->setText(tr("Copy"));
    cmdSaveCsv->setText(tr("Save as CSV..."));
    cmdClose->setText(tr("Close"));
}

void frmCountryArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && cmdClose) {
        retranslate();
        showTable();
    }
    QWidget::changeEvent(event);
}

// The province choices stand beside the list's top; without a province layer
// they are disabled and the window gives areas by country as before.
void frmCountryArea::buildChoices(const AnalysisInputs &inputs)
{
    cboBy = new QComboBox(this);
    cboBy->setObjectName(QStringLiteral("cboBy"));
    cboBy->addItems({QString(), QString()});
    cboCountry = new QComboBox(this);
    cboCountry->setObjectName(QStringLiteral("cboCountry"));
    cboCountry->addItem(QString());
    if (const auto &provinces = inputs.maps().provinces) {
        QStringList countries;
        const AttributeTable &fields = provinces->data()->attributes();
        if (const int at = fields.indexOf(QStringLiteral("COUNTRY")); at >= 0)
            for (std::uint32_t f = 0; f < provinces->data()->featureCount(); ++f)
                countries << fields.column(at).valueText(f).trimmed();
        countries.removeDuplicates();
        countries.removeAll(QString());
        countries.sort();
        cboCountry->addItems(countries);
    }
    cboBy->setEnabled(cboCountry->count() > 1);
    cboCountry->setEnabled(false);
    connect(cboBy, &QComboBox::currentIndexChanged, this, [this](int by) {
        cboCountry->setEnabled(by == 1);
        showTable();
    });
    connect(cboCountry, &QComboBox::currentIndexChanged, this, &frmCountryArea::showTable);
}

void frmCountryArea::showTable()
{
    const QStringList classes{QStringLiteral("ALT"), QStringLiteral("MAR"), QStringLiteral("MAT"), QStringLiteral("Full")};
    try {
        const auto inputs = AnalysisInputs::ofApplication();
        const auto points = ClassPoints(*inputs->maps().canvas, m_bounds, inputs->maps().ranges);
        const std::vector<const std::vector<std::uint32_t> *> sets{&points[0], &points[1], &points[2], &points[3]};
        QList<QStringList> shown;
        if (cboBy->currentIndex() == 1 && inputs->provinces()) {
            const QString country = cboCountry->currentIndex() > 0 ? cboCountry->currentText() : QString();
            const ProvinceAreaTable table = SumProvinceAreas(sets, inputs->cells(), inputs->countries(), *inputs->provinces(), country);
            m_cells = ProvinceTableCells(table, classes);
            shown = ProvinceTableCells(table, classes, QLocale());
        } else {
            const AreaTable table = SumAreas(sets, inputs->cells(), inputs->countries());
            m_cells = AreaTableCells(table, classes);
            shown = AreaTableCells(table, classes, QLocale());
        }
        fillAreaList(shown);
        QStringList total = shown.back();
        if (cboBy->currentIndex() == 1)
            total.removeAt(1); // the province column
        buildTotal(total);
    } catch (const std::exception &e) {
        ShowError(this, windowTitle(), e);
    }
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
    m_boundariesError = inputs.boundariesError();
    if (!inputs.boundariesError().isEmpty() || !inputs.hasBoundaries())
        lblBoundaries->setText(tr("The country boundaries are missing, so only the total is given. %1").arg(m_boundariesError));
    lblBoundaries->setVisible(!lblBoundaries->text().isEmpty());
}

void frmCountryArea::buildAreaList()
{
    lstArea = new QTreeWidget(this);
    lstArea->setObjectName(QStringLiteral("lstArea"));
    lstArea->setRootIsDecorated(false);
    lstArea->setAlternatingRowColors(true);
    lstArea->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void frmCountryArea::fillAreaList(const QList<QStringList> &shown)
{
    lstArea->setSortingEnabled(false);
    lstArea->clear();
    QStringList headers;
    for (const QString &h : m_cells.front())
        headers << shownHeading(h);
    lstArea->setHeaderLabels(headers);
    // The countries (and the points outside them) sort; the total stands below.
    const int names = m_cells.front().size() > 1 && m_cells.front()[1] == QLatin1String("Province") ? 2 : 1;
    for (qsizetype r = 1; r + 1 < m_cells.size(); ++r)
        new AreaItem(lstArea, shown[r], m_cells[r], names, int(r));
    lstArea->setSortingEnabled(true);
    lstArea->sortByColumn(0, Qt::AscendingOrder);
}

void frmCountryArea::buildTotal(const QStringList &total)
{
    lblTotal->setText(tr("Total: land %1 km\u00b2; altitude %2 km\u00b2 (%3 %), rainfall %4 km\u00b2 (%5 %), "
                         "temperature %6 km\u00b2 (%7 %), full match %8 km\u00b2 (%9 %)")
                          .arg(total[1], total[2], total[3], total[4], total[5], total[6], total[7], total[8], total[9]));
}

void frmCountryArea::buildButtons()
{
    cmdCopy = new QPushButton(this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdSaveCsv = new QPushButton(this);
    cmdSaveCsv->setObjectName(QStringLiteral("cmdSaveCsv"));
    cmdClose = new QPushButton(this);
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
    auto *choices = new QHBoxLayout;
    choices->addWidget(cboBy);
    choices->addWidget(cboCountry);
    choices->addStretch(1);
    layout->addLayout(choices);
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
    ShowError(owner, tr("Suitable Area by Country"), problem);
    return nullptr;
}

void frmCountryArea::cmdCopy_Click() { QApplication::clipboard()->setText(TabSeparated(m_cells)); }

void frmCountryArea::cmdSaveCsv_Click()
{
    QFileDialog dialog(this, tr("Save as CSV"));
    const QString by = cboBy->currentIndex() == 1 ? QStringLiteral(" area by province.csv") : QStringLiteral(" area by country.csv");
    PrepareSaveDialog(dialog, {tr("CSV files (*.csv)")}, QStringLiteral("csv"), m_name + by);
    const QString file = ChosenSaveFile(dialog, saveDialog);
    if (file.isEmpty())
        return;
    try {
        WriteFileSafely(file, CommaSeparated(m_cells));
    } catch (const std::exception &e) {
        ShowError(this, tr("Save as CSV"), NotWrittenError(file, e));
    }
}

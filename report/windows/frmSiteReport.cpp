#include "report/windows/frmSiteReport.h"

#include "catalogue/ListStatements.h"
#include "controls/TranslatedText.h"
#include "controls/ShowError.h"
#include "controls/TopmostWindow.h"
#include "places/windows/FindPlaceBox.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>

namespace {

// The preview's resolution: a page fits the window's width.
constexpr int PreviewDpi = 72;

QString positionText(double lon, double lat)
{
    return QStringLiteral("%1, %2").arg(QString::number(lon, 'f', 4), QString::number(lat, 'f', 4));
}

} // namespace

frmSiteReport::frmSiteReport(QWidget *owner, const std::optional<SitePosition> &site)
    : QWidget(nullptr),
      txtPosition(new QLineEdit(this)),
      txtFindPlace(new FindPlaceBox(this)),
      cboPaper(new QComboBox(this)),
      cmdPreview(Translated(new QPushButton(this), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Preview"))),
      cmdSave(Translated(new QPushButton(this), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Save..."))),
      cmdClose(Translated(new QPushButton(this), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Close"))),
      lblStatus(new QLabel(this)),
      scrPages(new QScrollArea(this))
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmSiteReport"));
    SetTranslatedText(this, "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Site Report"));
    setAttribute(Qt::WA_DeleteOnClose);
    txtPosition->setObjectName(QStringLiteral("txtPosition"));
    SetTranslatedText(txtPosition, "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "longitude, latitude (98.98, 18.79)"));
    txtFindPlace->setObjectName(QStringLiteral("txtFindPlace"));
    cboPaper->setObjectName(QStringLiteral("cboPaper"));
    cboPaper->addItem(QString(), int(QPageSize::A4));
    cboPaper->addItem(QString(), int(QPageSize::Letter));
    KeepTranslated(cboPaper, [this] {
        cboPaper->setItemText(0, tr("A4"));
        cboPaper->setItemText(1, tr("Letter"));
    });
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    scrPages->setObjectName(QStringLiteral("scrPages"));
    auto *pages = new QWidget;
    m_pages = new QVBoxLayout(pages);
    m_pages->setAlignment(Qt::AlignHCenter);
    scrPages->setWidget(pages);
    scrPages->setWidgetResizable(true);
    scrPages->setBackgroundRole(QPalette::Dark);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildChoices());
    layout->addWidget(scrPages, 1);
    if (site) {
        txtPosition->setText(positionText(site->lon, site->lat));
        m_place = site->place;
        m_placePosition = txtPosition->text();
    }
    connect(txtFindPlace, &FindPlaceBox::placeChosen, this, &frmSiteReport::ChoosePlace);
    connect(cmdPreview, &QPushButton::clicked, this, &frmSiteReport::cmdPreview_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSiteReport::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    resize(1000, 720);
}

QWidget *frmSiteReport::buildChoices()
{
    auto *panel = new QWidget(this);
    auto *form = new QFormLayout;
    form->addRow(Translated(new QLabel(panel), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Position:")), txtPosition);
    form->addRow(Translated(new QLabel(panel), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Find place:")), txtFindPlace);
    form->addRow(Translated(new QLabel(panel), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Paper:")), cboPaper);
    auto *uses = Translated(new QGroupBox(panel), "frmSiteReport", QT_TRANSLATE_NOOP("frmSiteReport", "Functional uses (none checked: every use)"));
    uses->setObjectName(QStringLiteral("fraUses"));
    auto *useLayout = new QVBoxLayout(uses);
    for (const QString &use : UseNames()) {
        auto *box = new QCheckBox(uses);
        KeepTranslated(box, [box, use] { box->setText(UseCaption(use)); });
        box->setObjectName(QStringLiteral("chkUse") + use);
        useLayout->addWidget(box);
        chkUses << box;
    }
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {cmdPreview, cmdSave, cmdClose})
        buttons->addWidget(button);
    auto *column = new QVBoxLayout(panel);
    column->addLayout(form);
    column->addWidget(uses);
    column->addLayout(buttons);
    column->addWidget(lblStatus);
    column->addStretch();
    panel->setFixedWidth(330);
    return panel;
}

void frmSiteReport::ChoosePlace(const Place &place)
{
    txtPosition->setText(positionText(place.lon, place.lat));
    m_place = PlaceRowText(place);
    m_placePosition = txtPosition->text();
}

SiteReportRequest frmSiteReport::request() const
{
    const QStringList parts = txtPosition->text().split(QLatin1Char(','));
    bool lonOk = false, latOk = false;
    SiteReportRequest request;
    if (parts.size() == 2) {
        request.lon = QLocale::c().toDouble(parts[0].trimmed(), &lonOk);
        request.lat = QLocale::c().toDouble(parts[1].trimmed(), &latOk);
    }
    if (!lonOk || !latOk || std::abs(request.lat) > 90 || request.lon < -180 || request.lon > 360)
        throw Error(tr("Type the position as longitude, latitude in degrees (98.98, 18.79), or find a place by name."));
    if (txtPosition->text() == m_placePosition)
        request.place = m_place;
    for (QCheckBox *box : chkUses)
        if (box->isChecked())
            request.uses << box->text();
    request.paper = QPageSize::PageSizeId(cboPaper->currentData().toInt());
    return request;
}

void frmSiteReport::cmdPreview_Click()
{
    m_report.reset();
    try {
        const SiteReportRequest asked = request();
        if (!m_data)
            m_data = SiteReportData::loadApplication();
        m_report = BuildSiteReport(*m_data, asked);
        showPages();
    } catch (const std::exception &e) {
        showPages();
        ShowError(this, tr("Site Report"), e);
    }
}

void frmSiteReport::showPages()
{
    while (QLayoutItem *item = m_pages->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const int pages = m_report ? m_report->pageCount() : 0;
    for (int page = 0; page < pages; ++page) {
        auto *label = new QLabel;
        label->setPixmap(QPixmap::fromImage(m_report->pageImage(page, PreviewDpi)));
        label->setFixedSize(label->pixmap().size());
        m_pages->addWidget(label);
        label->show();
    }
    scrPages->widget()->setMinimumSize(m_pages->totalMinimumSize());
    lblStatus->setText(pages ? tr("Pages: %1").arg(QLocale().toString(pages)) : QString());
}

int frmSiteReport::shownPages() const { return m_pages->count(); }

void frmSiteReport::cmdSave_Click()
{
    if (!m_report)
        cmdPreview_Click();
    if (!m_report)
        return;
    QFileDialog dialog(this, tr("Save Site Report"));
    PrepareSaveDialog(dialog, {tr("PDF documents (*.pdf)"), tr("HTML pages (*.html)")}, QStringLiteral("pdf"),
                      QStringLiteral("site-report.pdf"));
    const QString file = ChosenSaveFile(dialog, saveDialog);
    if (file.isEmpty())
        return;
    try {
        SaveSiteReport(*m_report, file);
        lblStatus->setText(tr("Saved to %1").arg(file));
    } catch (const std::exception &e) {
        ShowError(this, tr("Site Report"), e);
    }
}

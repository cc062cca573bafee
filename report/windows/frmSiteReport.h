#pragma once
#include "controls/SaveDialog.h"
#include "report/SitePosition.h"
#include "report/SiteReport.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <optional>

class FindPlaceBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
struct Place;

// "Site Report": the printable report of a position (the last point clicked,
// a place found or a position typed) for the functional uses checked, its
// pages previewed before it is saved as PDF or HTML.
class frmSiteReport : public QWidget {
    Q_OBJECT
public:
    explicit frmSiteReport(QWidget *owner, const std::optional<SitePosition> &site = LastSite());

    // Makes the report of the position and uses chosen and shows its pages.
    void cmdPreview_Click();
    // Saves the previewed report (made first when there is none).
    void cmdSave_Click();
    // The position typed, or the place chosen: its name is kept.
    void ChoosePlace(const Place &place);

    QLineEdit *txtPosition;
    FindPlaceBox *txtFindPlace;
    QList<QCheckBox *> chkUses; // one per functional use of the catalogue, in catalogue order
    QComboBox *cboPaper;
    QPushButton *cmdPreview, *cmdSave, *cmdClose;
    QLabel *lblStatus;
    QScrollArea *scrPages;

    SaveDialogRunner saveDialog = ModalSaveDialog();
    // The pages shown, one image each.
    int shownPages() const;

private:
    QWidget *buildChoices();
    SiteReportRequest request() const;
    void showPages();

    QString m_place; // the chosen place's name, while the position box holds its position
    QString m_placePosition;
    std::optional<SiteReportData> m_data;
    std::optional<SiteReport> m_report;
    QVBoxLayout *m_pages;
};

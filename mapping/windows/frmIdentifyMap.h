#pragma once
#include <QWidget>

class ReportList;

// The attribute values of one identified grid point.
class frmIdentifyMap : public QWidget {
    Q_OBJECT
public:
    explicit frmIdentifyMap(QWidget *owner);
    // Widens the field column to the longest name (a scenario's rows name
    // the scenario), and the window with it.
    void fitFieldNames();

    ReportList *lstIdentifyMap;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

#pragma once
#include <QWidget>

class ReportList;

// The attribute values of one identified grid point.
class frmIdentifyMap : public QWidget {
    Q_OBJECT
public:
    explicit frmIdentifyMap(QWidget *owner);
    ReportList *lstIdentifyMap;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

// CArmViewWindow: a window beside the main window that shows the arm view and keeps it in step
// with the point table.
#pragma once

#include "widgets/cwidget.h"

class CArmView;
class CPlaybackTableView;
class QTimer;

class CArmViewWindow : public CWidget
{
    Q_OBJECT

public:
    explicit CArmViewWindow(CPlaybackTableView *tableView, QWidget *parent = nullptr);

    CArmView *armView() const;

protected:
    bool event(QEvent *event) override;

private slots:
    void onPointsChanged();
    void onSelectionChanged();
    void onRunningRowChanged();

private:
    CPlaybackTableView *tableView = nullptr;
    CArmView *view = nullptr;
    // Coalesce the many row signals of a paste or an import into one reading of the table.
    QTimer *pointsTimer = nullptr;
    QTimer *selectionTimer = nullptr;
};

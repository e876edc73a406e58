// MainWindow: the check of the table's points against the arm's reach before a run starts.
#include "app/mainwindow.h"

#include "armkinematics.h"
#include "playback/coutofreachheadertint.h"
#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Rows named in the question before the rest is only counted.
constexpr int ListedRows = 5;

bool withinReach(const PlaybackPoint &point)
{
    return bool(ArmKinematics::inverse({ point.x, point.y, point.z, point.rHead }));
}

} // namespace

bool MainWindow::confirmReachablePoints()
{
    CPlaybackTableView *tableView = playbackTableView();
    auto *model = qobject_cast<CPlaybackTableModel *>(tableView->model());
    if (!tableView->verticalHeader()->findChild<COutOfReachHeaderTint *>())
        new COutOfReachHeaderTint(tableView->verticalHeader());
    PlaybackPoints points;
    tableView->getPoints(points);

    QStringList listed;
    int outOfReach = 0;
    for (int row = 0; row < points.size(); ++row) {
        const bool reachable = withinReach(points.at(row));
        model->setRowOutOfReach(row, !reachable);
        if (reachable)
            continue;
        // Numbered as the row headers show them.
        if (++outOfReach <= ListedRows)
            listed << QString::number(row + 1);
    }
    if (outOfReach == 0)
        return true;

    QString rows = listed.join(QStringLiteral(", "));
    if (outOfReach > ListedRows)
        rows = tr("%1 and %2 more").arg(rows).arg(outOfReach - ListedRows);
    QMessageBox question(QMessageBox::Warning, tr("Warning"),
        tr("The arm cannot reach the points of these rows: %1.\nStart anyway?").arg(rows),
        QMessageBox::NoButton, this);
    question.setObjectName(QStringLiteral("outOfReachQuestion"));
    QPushButton *startAnyway = question.addButton(tr("&Start anyway"), QMessageBox::AcceptRole);
    QPushButton *cancel = question.addButton(tr("&Cancel"), QMessageBox::RejectRole);
    question.setDefaultButton(cancel);
    question.setEscapeButton(cancel);
    question.exec();
    return question.clickedButton() == startAnyway;
}

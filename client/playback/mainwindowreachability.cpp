// MainWindow: the check of the table's points against the arm's reach before a run starts.
#include "app/mainwindow.h"

#include "playback/cplaybacktablemodel.h"
#include "playback/cplaybacktableview.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

// Rows named in the question before the rest is only counted.
constexpr int ListedRows = 5;

} // namespace

bool MainWindow::confirmReachablePoints()
{
    const auto *model = qobject_cast<CPlaybackTableModel *>(playbackTableView()->model());
    // The table keeps its rows' marks as they change, so a table within reach costs nothing here.
    const int outOfReach = model->outOfReachRowCount();
    if (outOfReach == 0)
        return true;
    QStringList listed;
    // Numbered as the row headers show them.
    for (int row : model->outOfReachRows(ListedRows))
        listed << QString::number(row + 1);

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

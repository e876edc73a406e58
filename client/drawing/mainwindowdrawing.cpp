// MainWindow: importing a drawing into the point table.
#include "app/mainwindow.h"

#include "drawing/cdrawingimportdialog.h"
#include "options/coptions.h"
#include "playback/cplaybacktableview.h"
#include "widgets/cbusyscope.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

// The largest distance between a curve and the pen's straight moves, mm.
constexpr double DrawingTolerance = 0.1;

} // namespace

void MainWindow::onImportDrawingActTriggered(int row)
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import drawing"), QString(),
        tr("Drawings (*.svg *.gcode *.nc *.ngc *.gc *.g *.tap *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    DrawingFile file;
    PenDrawing drawing;
    QString error;
    bool read = false;
    {
        CBusyScope busy(this);
        read = file.load(path, error) && file.read(DrawingTolerance, drawing, error);
    }
    if (!read) {
        QMessageBox box(QMessageBox::Warning, tr("Warning"), tr("The drawing cannot be imported."),
            QMessageBox::Ok, this);
        box.setInformativeText(error);
        box.exec();
        return;
    }
    auto *dialog = new CDrawingImportDialog(
        file, drawing, DrawingTolerance, COptions::instance()->playbackParams().jumpHeight, this);
    connect(dialog, &CDialog::accepted, this, [this, dialog, row] {
        CPlaybackTableView *tableView = playbackTableView();
        tableView->editRows(
            tr("Import drawing"), std::min(row, tableView->model()->rowCount()), 0, dialog->rows());
    });
    connect(dialog, SIGNAL(finished(int)), dialog, SLOT(deleteLater()));
    dialog->show();
}

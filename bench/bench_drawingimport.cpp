// Importing a large drawing, 5,000 strokes of 40 segments each (200,000 segments), from an SVG
// and from a G-code file: reading it, opening the placement dialog (fit, stroke order, reach
// check) and putting its rows into the table, beside pasting a table of the same rows. Also the
// pen's travel in the air before and after ordering the strokes, for the generated drawing and
// the example drawings. Usage: bench_drawingimport [repetitions [examples folder]].
#include "benchfigures.h"
#include "benchtable.h"

#include "drawing/cdrawingimportdialog.h"
#include "drawing/drawingfile.h"
#include "drawing/strokeorder.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Strokes = 5000;
constexpr int SegmentsPerStroke = 40;

// Random walks of 1 mm steps over a 150 mm sheet, in no useful order.
QVector<QPolygonF> randomStrokes()
{
    QRandomGenerator random(30);
    QVector<QPolygonF> strokes;
    for (int i = 0; i < Strokes; ++i) {
        QPolygonF stroke;
        QPointF at(random.bounded(150.0), random.bounded(150.0));
        for (int k = 0; k <= SegmentsPerStroke; ++k) {
            stroke.append(at);
            const double angle = random.bounded(6.2832);
            at += QPointF(std::cos(angle), std::sin(angle));
        }
        strokes.append(stroke);
    }
    return strokes;
}

QByteArray svgOf(const QVector<QPolygonF> &strokes)
{
    QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='160mm' height='160mm' "
                     "viewBox='0 0 160 160'>\n";
    for (const QPolygonF &stroke : strokes) {
        svg += "<path fill='none' stroke='black' stroke-width='0.2' d='M";
        for (const QPointF &point : stroke)
            svg += ' ' + QByteArray::number(point.x(), 'f', 3) + ','
                + QByteArray::number(point.y(), 'f', 3);
        svg += "'/>\n";
    }
    return svg + "</svg>\n";
}

QByteArray gcodeOf(const QVector<QPolygonF> &strokes)
{
    QByteArray gcode = "G21 G90\n";
    for (const QPolygonF &stroke : strokes) {
        gcode += "G0 X" + QByteArray::number(stroke.first().x(), 'f', 3) + " Y"
            + QByteArray::number(stroke.first().y(), 'f', 3) + "\nM3\n";
        for (int i = 1; i < stroke.size(); ++i)
            gcode += "G1 X" + QByteArray::number(stroke.at(i).x(), 'f', 3) + " Y"
                + QByteArray::number(stroke.at(i).y(), 'f', 3) + "\n";
        gcode += "M5\n";
    }
    return gcode;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

// The user's path: the file read, the dialog opened, Import pressed.
void importGroup(BenchFigures &figures, const QString &kind, const QString &path, QWidget &window)
{
    DrawingFile file;
    PenDrawing drawing;
    QString error;
    figures.time(kind + ": read the file", SegmentsPerStroke * Strokes, [&] {
        if (!file.load(path, error) || !file.read(0.1, drawing, error))
            qFatal("%s", qPrintable(error));
    });
    if (drawing.segmentCount() != SegmentsPerStroke * Strokes)
        qFatal("%s read %d segments", qPrintable(kind), drawing.segmentCount());
    CDrawingImportDialog *dialog = nullptr;
    figures.time(kind + ": open the dialog", SegmentsPerStroke * Strokes, [&] {
        dialog = new CDrawingImportDialog(file, drawing, 0.1, 20, &window);
        dialog->show();
        QCoreApplication::processEvents();
    });
    BenchTable table(0);
    figures.time(kind + ": rows into the table", SegmentsPerStroke * Strokes, [&] {
        const PlaybackPoints rows = dialog->rows();
        table.view.editRows(QStringLiteral("Import drawing"), 0, 0, rows);
        QCoreApplication::processEvents();
    });
    if (table.rowCount() < SegmentsPerStroke * Strokes)
        qFatal("%s gave %d rows", qPrintable(kind), table.rowCount());
    delete dialog;
}

void pasteGroup(BenchFigures &figures, const QString &text, int rows)
{
    BenchTable table(0);
    QApplication::clipboard()->setText(text);
    figures.time(QStringLiteral("paste the same rows"), SegmentsPerStroke * Strokes,
        [&] { table.run("onRowsPasteActivated"); });
    if (table.rowCount() != rows)
        qFatal("the paste gave %d rows of %d", table.rowCount(), rows);
}

void printPenUpTravel(const QString &name, const QVector<QPolygonF> &strokes)
{
    std::printf("%-28s %5d strokes  pen-up travel %9.1f mm as in the file, %9.1f mm ordered\n",
        qPrintable(name), int(strokes.size()), StrokeOrder::penUpTravel(strokes),
        StrokeOrder::penUpTravel(StrokeOrder::shortened(strokes)));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString examples = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                      : QStringLiteral(ARVEX_SOURCE_DIR "/examples/drawings");

    QTemporaryDir dir;
    const QVector<QPolygonF> strokes = randomStrokes();
    const QString svg = writeFile(dir, QStringLiteral("strokes.svg"), svgOf(strokes));
    const QString gcode = writeFile(dir, QStringLiteral("strokes.gcode"), gcodeOf(strokes));
    QWidget window;
    window.resize(1280, 720);
    window.show();

    // The clipboard text of the rows the import makes, as the table's own copy makes it.
    QString pastedText;
    int pastedRows = 0;
    {
        DrawingFile file;
        PenDrawing drawing;
        QString error;
        if (!file.load(svg, error) || !file.read(0.1, drawing, error))
            qFatal("%s", qPrintable(error));
        CDrawingImportDialog dialog(file, drawing, 0.1, 20, &window);
        BenchTable source(0);
        source.view.setPoints(dialog.rows());
        pastedRows = source.rowCount();
        QMetaObject::invokeMethod(&source.view, "selectAll");
        source.run("onRowsCopyActivated");
        pastedText = QApplication::clipboard()->text();
    }

    BenchFigures figures;
    for (int repetition = 0; repetition < repetitions; ++repetition) {
        importGroup(figures, QStringLiteral("SVG"), svg, window);
        importGroup(figures, QStringLiteral("G-code"), gcode, window);
        pasteGroup(figures, pastedText, pastedRows);
        std::fprintf(stderr, "repetition %d of %d done\n", repetition + 1, repetitions);
    }
    std::printf(
        "%d strokes, %d segments, %d rows\n", Strokes, Strokes * SegmentsPerStroke, pastedRows);
    figures.print();

    printPenUpTravel(QStringLiteral("generated strokes"), strokes);
    for (const QString &name : QDir(examples).entryList(QDir::Files, QDir::Name)) {
        DrawingFile file;
        PenDrawing drawing;
        QString error;
        if (file.load(QDir(examples).filePath(name), error) && file.read(0.1, drawing, error))
            printPenUpTravel(name, drawing.strokes);
    }
    return 0;
}

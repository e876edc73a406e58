// Tests of importing a drawing into the point table through the table's menu and the placement
// dialog, as a user does: the rows' places, their motion styles, and bad files.
#include "mainwindowtesting.h"
#include "modaltesting.h"
#include "tabletesting.h"

#include "drawing/cdrawingimportdialog.h"
#include "playback/cplaybacktableview.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineF>
#include <QMessageBox>
#include <QPainterPath>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QVector3D>
#include <QtTest>

using namespace mainwindowtesting;
using namespace modaltesting;
using namespace tabletesting;

class tst_DrawingImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void drawingBecomesRows_data();
    void drawingBecomesRows();
    void badFileChangesNothing_data();
    void badFileChangesNothing();

private:
    CPlaybackTableView *table() const
    {
        return child<CPlaybackTableView>(playbackPanelOf(*window), "playbackTableView");
    }
    QString writeFile(const QString &name, const QByteArray &content);
    // Chooses "Import drawing..." on an empty part of the table and the file in the file dialog;
    // returns the warning's informative text when the file is refused.
    QString chooseDrawing(const QString &path);
    // Types text into the dialog's number box and commits it with Return.
    static void type(QWidget *dialog, const QString &box, const QString &text);

    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

Q_DECLARE_METATYPE(QPainterPath)

namespace {

// A square of side mm around the origin.
QPainterPath rectangle(double side)
{
    QPainterPath path;
    path.addRect(-side / 2, -side / 2, side, side);
    return path;
}

// The largest distance from any point of `from` to the nearest point of `to`.
double farthestDistance(const QVector<QPolygonF> &from, const QVector<QPolygonF> &to)
{
    double farthest = 0;
    for (const QPolygonF &polyline : from)
        for (int i = 0; i < polyline.size(); ++i) {
            // Along segments too, so that a chord cutting a curve short is seen.
            const int pieces = i == 0 ? 1 : 8;
            for (int k = 0; k < pieces; ++k) {
                const QPointF at = i == 0
                    ? polyline.at(0)
                    : QLineF(polyline.at(i - 1), polyline.at(i)).pointAt((k + 1.0) / pieces);
                double nearest = 1e9;
                for (const QPolygonF &line : to)
                    for (int j = 1; j < line.size(); ++j) {
                        const QPointF a = line.at(j - 1);
                        const QPointF ab = line.at(j) - a;
                        const double length2 = QPointF::dotProduct(ab, ab);
                        const double t = length2 > 0
                            ? std::clamp(QPointF::dotProduct(at - a, ab) / length2, 0.0, 1.0)
                            : 0.0;
                        nearest = std::min(nearest, QLineF(at, a + t * ab).length());
                    }
                farthest = std::max(farthest, nearest);
            }
        }
    return farthest;
}

} // namespace

void tst_DrawingImport::initTestCase()
{
    Q_INIT_RESOURCE(resources);
    prepareProgramFolder();
    QVERIFY(dir.isValid());
}

void tst_DrawingImport::init()
{
    arvexsim::reset();
    window = createWindow();
    QVERIFY(waitUntilConnected(window.get()));
}

void tst_DrawingImport::cleanup()
{
    window.reset();
}

QString tst_DrawingImport::writeFile(const QString &name, const QByteArray &content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return file.fileName();
}

QString tst_DrawingImport::chooseDrawing(const QString &path)
{
    onNextModal<QFileDialog>(
        [&](QFileDialog *dialog) {
            dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        },
        window.get());
    QString refusal;
    onNextModal<QMessageBox>(
        [&](QMessageBox *box) {
            refusal = box->informativeText();
            box->button(QMessageBox::Ok)->click();
        },
        window.get());
    table()->clearSelection();
    chooseFromMenuAt(
        table(), QPoint(10, table()->viewport()->height() - 5), QString("Import drawing..."));
    return refusal;
}

void tst_DrawingImport::type(QWidget *dialog, const QString &box, const QString &text)
{
    auto *spinBox = dialog->findChild<QDoubleSpinBox *>(box);
    QVERIFY(spinBox);
    QTest::mouseClick(spinBox, Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), spinBox);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void tst_DrawingImport::drawingBecomesRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    // The width the user types; empty keeps the size offered.
    QTest::addColumn<QString>("width");
    // The drawing where it lands, relative to its centre in the arm's mm.
    QTest::addColumn<QPainterPath>("expected");
    // J for each JUMP row, M for each MOVL row.
    QTest::addColumn<QString>("styles");
    // Where the pen touched the paper for a tilted surface; none for the level one typed.
    QTest::addColumn<QVector<QVector3D>>("touched");

    // A 100 x 80 mm sheet of 1000 x 800 units, moved by the viewBox: a 50 mm square.
    QTest::newRow("50 mm square, viewBox and mm")
        << "square.svg"
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='80mm' "
                      "viewBox='-100 -100 1000 800'><rect x='150' y='50' width='500' "
                      "height='500' fill='none' stroke='black'/></svg>")
        << "" << rectangle(50) << "JMMMMM" << QVector<QVector3D> {};
    QTest::newRow("square in inches, typed 25 mm wide")
        << "inches.svg"
        << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='2in' height='2in' "
                      "viewBox='0 0 2 2'><path d='M0.5 0.5 h1 v1 h-1 z' fill='none' "
                      "stroke='black' stroke-width='0.01'/></svg>")
        << "25" << rectangle(25) << "JMMMMM"
        << QVector<QVector3D> { { 150, -60, -10 }, { 250, -60, -10 }, { 200, 80, 4 } };
    // A clockwise half circle above its two ends, then a line in a stroke of its own.
    QPainterPath arc;
    arc.moveTo(-15, -5);
    arc.arcTo(QRectF(-15, -15, 20, 20), 180, 180);
    arc.moveTo(10, -5);
    arc.lineTo(15, -5);
    QTest::newRow("G-code arc, pen lifted between strokes")
        << "arc.nc"
        << QByteArray("G21 G90 ; mm, absolute\nG0 X0 Y0\nM3\nG2 X20 Y0 I10 J0\nM5\n"
                      "G0 X25 Y0\nM3\nG1 X30\nM5\n")
        << "" << arc << "JM+JMM" << QVector<QVector3D> {};
}

void tst_DrawingImport::drawingBecomesRows()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, width);
    QFETCH(QPainterPath, expected);
    QFETCH(QString, styles);
    QFETCH(QVector<QVector3D>, touched);

    const QString path = writeFile(name, content);
    QCOMPARE(chooseDrawing(path), QString());
    auto *dialog = qobject_cast<CDrawingImportDialog *>(CDialog::topmostOpen());
    QVERIFY(dialog);
    // The window takes the keyboard back from the closed file dialog, as a click into it would.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    if (!width.isEmpty())
        type(dialog, "widthBox", width);
    type(dialog, "centreXBox", "200");
    type(dialog, "centreYBox", "30");
    // z = a x + b y + c through the touched points, or level at -20 mm.
    QVector3D plane(0, 0, -20);
    if (touched.isEmpty()) {
        type(dialog, "surfaceBox", "-20");
    } else {
        for (int i = 0; i < touched.size(); ++i) {
            const QVector3D &at = touched.at(i);
            arvexsim::setPoseOverride(Pose { at.x(), at.y(), at.z(), 0, 0, 0, 0, 0, 0, 0 });
            QTest::mouseClick(dialog->findChild<QPushButton *>(QString("touchButton%1").arg(i + 1)),
                Qt::LeftButton);
        }
        arvexsim::clearPoseOverride();
        const QVector3D normal
            = QVector3D::crossProduct(touched[1] - touched[0], touched[2] - touched[0]);
        plane = QVector3D(-normal.x() / normal.z(), -normal.y() / normal.z(), 0);
        plane.setZ(touched[0].z() - plane.x() * touched[0].x() - plane.y() * touched[0].y());
    }
    QTest::mouseClick(dialog->findChild<QPushButton *>("importBtn"), Qt::LeftButton);
    QTRY_VERIFY(!CDialog::topmostOpen());

    PlaybackPoints rows;
    table()->getPoints(rows);
    QString shownStyles;
    QVector<QPolygonF> drawn;
    for (int i = 0; i < rows.size(); ++i) {
        const PlaybackPoint &row = rows.at(i);
        shownStyles += row.motionStyle == JUMP ? 'J' : 'M';
        const bool last = i == rows.size() - 1;
        // On the surface, then lifted by the jump height off the paper; the table shows tenths.
        const PlaybackPoint &onPaper = last ? rows.at(i - 1) : row;
        const double surface = plane.x() * onPaper.x + plane.y() * onPaper.y + plane.z();
        QVERIFY2(std::abs(row.z - (last ? 20 : 0) - surface) <= 0.06, qPrintable(shownStyles));
        if (row.motionStyle == JUMP)
            drawn.append(QPolygonF());
        if (!last)
            drawn.last().append(QPointF(row.x - 200, row.y - 30));
    }
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(styles))
                 .match(shownStyles)
                 .hasMatch(),
        qPrintable(shownStyles));
    // The curves' tolerance and the table's tenths of a millimetre.
    // Qt flattens curves to a fraction of a unit: flattened a hundred times larger, they follow
    // the curve far closer than the tolerance.
    QVector<QPolygonF> wanted;
    for (const QPolygonF &polygon : expected.toSubpathPolygons(QTransform::fromScale(100, 100)))
        wanted.append(QTransform::fromScale(0.01, 0.01).map(polygon));
    const double allowed = 0.1 + 0.05 + 1e-3;
    QVERIFY2(farthestDistance(drawn, wanted) <= allowed, qPrintable(shownStyles));
    QVERIFY(farthestDistance(wanted, drawn) <= allowed);

    // One step of the table's undo history.
    QCOMPARE(table()->findChild<QUndoStack *>()->undoText(), QString("Import drawing"));
    table()->setFocus();
    QTest::keyClick(table()->viewport(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(table()->model()->rowCount(), 0);
}

void tst_DrawingImport::badFileChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");

    QTest::newRow("malformed XML") << "broken.svg"
                                   << QByteArray("<svg xmlns='http://www.w3.org/2000/svg'>\n"
                                                 "<rect width='10' height='10'>\n</svg>")
                                   << "not well-formed XML (line 3";
    QByteArray laughs = "<?xml version='1.0'?>\n<!DOCTYPE svg [\n<!ENTITY a 'aaaaaaaaaa'>\n";
    for (char entity = 'b'; entity <= 'j'; ++entity)
        laughs += QByteArray("<!ENTITY ") + entity + " '" + QByteArray("&") + char(entity - 1)
            + ";&" + char(entity - 1) + ";&" + char(entity - 1) + ";'>\n";
    laughs += "]>\n<svg xmlns='http://www.w3.org/2000/svg'><text>&j;</text></svg>";
    QTest::newRow("entities") << "laughs.svg" << laughs << "entities";
    // Each group shows the one before ten times: ten million lines from a few hundred bytes.
    QByteArray uses = "<svg xmlns='http://www.w3.org/2000/svg' "
                      "xmlns:xlink='http://www.w3.org/1999/xlink'><path id='g0' d='M0 0 L1 1'/>";
    for (int level = 1; level <= 7; ++level)
        uses += "<g id='g" + QByteArray::number(level) + "'>"
            + QByteArray("<use xlink:href='#g" + QByteArray::number(level - 1) + "'/>").repeated(10)
            + "</g>";
    QTest::newRow("<use> of <use>") << "uses.svg" << uses + "</svg>"
                                    << "<use> elements";
    QTest::newRow("garbage G-code")
        << "garbage.gcode" << QByteArray("G21\nG1 X10\nhello world\n") << "Line 3 is not G-code";
    QByteArray million = "M3\n";
    for (int i = 0; i < 1000000; ++i)
        million += (i % 2 ? "G1 X1\n" : "G1 X0\n");
    QTest::newRow("too many segments") << "million.nc" << million << "more than 500000 segments";
    QTest::newRow("200 MB") << "huge.svg" << QByteArray() << "200 MB";
    QTest::newRow("nothing drawn")
        << "empty.svg" << QByteArray("<svg xmlns='http://www.w3.org/2000/svg'/>")
        << "no lines, shapes or text";
}

void tst_DrawingImport::badFileChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);

    QString path = writeFile(name, content);
    // Sparse, so that it costs no disk.
    if (content.isEmpty())
        QVERIFY(QFile::resize(path, 200 * 1024 * 1024));
    const PlaybackPoints before { { MOVJ, 0, 200, 0, 50, 0, 0, 0 } };
    table()->importPoints(before);
    const QString undoText = table()->findChild<QUndoStack *>()->undoText();

    const QString refusal = chooseDrawing(path);
    QVERIFY2(refusal.contains(reason), qPrintable(refusal));
    QVERIFY(!CDialog::topmostOpen());
    PlaybackPoints after;
    table()->getPoints(after);
    QCOMPARE(after.size(), 1);
    QCOMPARE(after.first().x, 200.0f);
    QCOMPARE(table()->findChild<QUndoStack *>()->undoText(), undoText);
}

QTEST_MAIN(tst_DrawingImport)
#include "tst_drawingimport.moc"

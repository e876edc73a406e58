// SvgDrawingReader: the outlines of an SVG drawing as pen strokes, at the drawing's real size.
#include "drawing/svgdrawingreader.h"

#include "drawing/curveflattener.h"

#include <QHash>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>
#include <vector>

namespace {

constexpr double MillimetresPerPixel = 25.4 / 96;
// Entities longer than this, or built of other entities, only serve to blow a file up.
constexpr int MaxEntityLength = 1024;
// Elements of the drawing with every <use> replaced by what it shows; more would keep Qt SVG busy
// for minutes, however few segments each gives.
constexpr double MaxExpandedElements = 1000000;

// Records what Qt SVG paints as polylines in the painter's final coordinates, millimetres here.
class PathRecorder : public QPaintEngine
{
public:
    explicit PathRecorder(double tolerance)
        : QPaintEngine(AllFeatures)
        , flattener(tolerance)
    { }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        const QPaintEngine::DirtyFlags flags = state.state();
        if (flags & DirtyTransform)
            transform = state.transform();
        if (flags & DirtyPen)
            hasPen = state.pen().style() != Qt::NoPen;
        if (flags & DirtyBrush)
            hasBrush = state.brush().style() != Qt::NoBrush;
    }

    void drawPath(const QPainterPath &path) override
    {
        if (!hasPen && !hasBrush)
            return;
        QPolygonF stroke;
        for (int i = 0; i < path.elementCount() && !overflowed; ++i) {
            const QPainterPath::Element element = path.elementAt(i);
            const QPointF at = transform.map(QPointF(element));
            if (element.isMoveTo()) {
                addStroke(stroke);
                stroke = QPolygonF(QVector<QPointF> { at });
            } else if (element.isLineTo()) {
                if (at != stroke.last())
                    stroke.append(at);
            } else if (element.isCurveTo() && i + 2 < path.elementCount()) {
                flattener.appendCubic(stroke, at, transform.map(QPointF(path.elementAt(i + 1))),
                    transform.map(QPointF(path.elementAt(i + 2))));
                i += 2;
            }
            // One path of many curves could otherwise grow without bound before it ends.
            if (segments + stroke.size() - 1 > PenDrawing::MaxSegments) {
                overflowed = true;
                return;
            }
        }
        addStroke(stroke);
    }

    void drawPolygon(const QPointF *points, int pointCount, PolygonDrawMode mode) override
    {
        QPainterPath path;
        if (pointCount <= 0)
            return;
        path.moveTo(points[0]);
        for (int i = 1; i < pointCount; ++i)
            path.lineTo(points[i]);
        if (mode != PolylineMode)
            path.closeSubpath();
        drawPath(path);
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { ++images; }
    void drawImage(
        const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        ++images;
    }
    void drawPoints(const QPointF *, int) override { }

    PenDrawing drawing;
    int images = 0;
    bool overflowed = false;

private:
    void addStroke(const QPolygonF &stroke)
    {
        if (stroke.size() < 2 || overflowed)
            return;
        segments += stroke.size() - 1;
        overflowed = segments > PenDrawing::MaxSegments;
        if (!overflowed)
            drawing.addStroke(stroke);
    }

    CurveFlattener flattener;
    QTransform transform;
    bool hasPen = true;
    bool hasBrush = true;
    int segments = 0;
};

// A paint device as large as any drawing, painted by a PathRecorder.
class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(PathRecorder *recorder)
        : recorder(recorder)
    { }

    QPaintEngine *paintEngine() const override { return recorder; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 1 << 24;
        case PdmWidthMM:
        case PdmHeightMM:
            return int((1 << 24) * MillimetresPerPixel);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    PathRecorder *recorder;
};

// A length of the root element in millimetres; none for a relative one (%, em, ex) or no number.
std::optional<double> lengthInMillimetres(const QStringRef &text)
{
    const QString trimmed = text.trimmed().toString();
    int numberEnd = 0;
    while (numberEnd < trimmed.size()
        && (trimmed.at(numberEnd).isDigit()
            || QStringLiteral("+-.eE").contains(trimmed.at(numberEnd))))
        ++numberEnd;
    // An exponent's e belongs to the number only when a digit follows; "em" is a unit.
    if (numberEnd > 0 && trimmed.at(numberEnd - 1).toLower() == QLatin1Char('e'))
        --numberEnd;
    bool ok = false;
    const double value = trimmed.leftRef(numberEnd).toDouble(&ok);
    if (!ok || !(value > 0) || !std::isfinite(value))
        return std::nullopt;
    const QString unit = trimmed.mid(numberEnd).trimmed().toLower();
    static const QHash<QString, double> millimetresPer {
        { QString(), MillimetresPerPixel },
        { QStringLiteral("px"), MillimetresPerPixel },
        { QStringLiteral("mm"), 1.0 },
        { QStringLiteral("cm"), 10.0 },
        { QStringLiteral("in"), 25.4 },
        { QStringLiteral("pt"), 25.4 / 72 },
        { QStringLiteral("pc"), 25.4 / 6 },
    };
    const auto found = millimetresPer.constFind(unit);
    if (found == millimetresPer.cend())
        return std::nullopt;
    return value * found.value();
}

std::optional<QRectF> parseViewBox(const QStringRef &text)
{
    QString spaced = text.toString();
    spaced.replace(QLatin1Char(','), QLatin1Char(' '));
    const QStringList parts = spaced.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    double values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts.at(i).toDouble(&ok);
        if (!ok || !std::isfinite(values[i]))
            return std::nullopt;
    }
    if (!(values[2] > 0 && values[3] > 0))
        return std::nullopt;
    return QRectF(values[0], values[1], values[2], values[3]);
}

// Where the viewBox lands in a viewport of the given size (mm), as preserveAspectRatio says: by
// default scaled evenly to fit and centred.
QRectF placeViewBox(const QRectF &viewBox, const QSizeF &viewport, const QString &aspect)
{
    const QStringList words = aspect.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString align = words.value(words.value(0) == QLatin1String("defer") ? 1 : 0);
    if (align == QLatin1String("none"))
        return QRectF(QPointF(), viewport);
    const double sx = viewport.width() / viewBox.width();
    const double sy = viewport.height() / viewBox.height();
    const double scale
        = words.contains(QLatin1String("slice")) ? std::max(sx, sy) : std::min(sx, sy);
    const QSizeF size = viewBox.size() * scale;
    const auto offset = [](const QString &where, double room) {
        return where == QLatin1String("Min") ? 0.0
            : where == QLatin1String("Max")  ? room
                                             : room / 2;
    };
    const QString xAlign = align.mid(1, 3);
    const QString yAlign = align.mid(5, 3);
    return QRectF(QPointF(offset(xAlign, viewport.width() - size.width()),
                      offset(yAlign, viewport.height() - size.height())),
        size);
}

// The drawing's elements as a tree, with what each <use> shows, to count what rendering visits.
class ElementTree
{
public:
    // False once the file holds more elements than MaxExpandedElements.
    bool open(const QStringRef &id)
    {
        const int index = int(nodes.size());
        if (index >= MaxExpandedElements)
            return false;
        nodes.push_back(Node {});
        if (!openNodes.isEmpty()) {
            Node &parent = nodes[openNodes.last()];
            if (parent.lastChild >= 0)
                nodes[parent.lastChild].nextSibling = index;
            else
                parent.firstChild = index;
            parent.lastChild = index;
        }
        if (!id.isEmpty())
            ids.insert(id.toString(), index);
        openNodes.append(index);
        return true;
    }
    void uses(const QStringRef &href)
    {
        if (href.startsWith(QLatin1Char('#')))
            useTargets.insert(openNodes.last(), href.mid(1).toString());
    }
    void close()
    {
        if (!openNodes.isEmpty())
            openNodes.removeLast();
    }

    // The elements rendering the root visits, a <use> that leads back to itself counted once.
    double expandedCount() const
    {
        if (nodes.empty())
            return 0;
        QVector<double> count(int(nodes.size()), 0);
        enum State : char { Unvisited, Open, Counted };
        QVector<State> state(int(nodes.size()), Unvisited);
        const auto target = [&](int index) {
            const auto found = useTargets.constFind(index);
            return found == useTargets.cend() ? -1 : ids.value(found.value(), -1);
        };
        // Depth first without recursion: a deep file must not overflow the stack.
        QVector<int> stack { 0 };
        while (!stack.isEmpty()) {
            const int index = stack.last();
            const Node &node = nodes[index];
            if (state[index] == Counted) {
                stack.removeLast();
            } else if (state[index] == Unvisited) {
                state[index] = Open;
                for (int child = node.firstChild; child >= 0; child = nodes[child].nextSibling)
                    if (state[child] == Unvisited)
                        stack.append(child);
                if (const int shown = target(index); shown >= 0 && state[shown] == Unvisited)
                    stack.append(shown);
            } else {
                double total = 1;
                for (int child = node.firstChild; child >= 0; child = nodes[child].nextSibling)
                    total += count[child];
                if (const int shown = target(index); shown >= 0)
                    total += count[shown];
                count[index] = std::min(total, 2 * MaxExpandedElements);
                state[index] = Counted;
                stack.removeLast();
            }
        }
        return count[0];
    }

private:
    struct Node
    {
        int firstChild = -1;
        int lastChild = -1;
        int nextSibling = -1;
    };
    std::vector<Node> nodes;
    QVector<int> openNodes;
    QHash<QString, int> ids;
    QHash<int, QString> useTargets;
};

struct RootSize
{
    std::optional<double> width;
    std::optional<double> height;
    std::optional<QRectF> viewBox;
    QString aspect;
};

} // namespace

bool SvgDrawingReader::read(
    const QByteArray &data, double tolerance, PenDrawing &drawing, QString &error)
{
    // One pass of our own first: Qt SVG says no more than that a file failed, and the root's
    // size is read here with 96 pixels to the inch, where Qt SVG takes 90.
    QXmlStreamReader xml(data);
    std::optional<RootSize> root;
    ElementTree elements;
    const auto tooManyElements = [&error] {
        error = tr("The drawing has more than %1 elements once its <use> elements are replaced "
                   "by what they show: such a file is not read.")
                    .arg(int(MaxExpandedElements));
        return false;
    };
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.tokenType() == QXmlStreamReader::DTD) {
            for (const QXmlStreamEntityDeclaration &entity : xml.entityDeclarations()) {
                if (entity.value().size() > MaxEntityLength
                    || entity.value().contains(QLatin1Char('&'))) {
                    error = tr("The file's XML entities are too long or made of other entities: "
                               "such a file is not read.");
                    return false;
                }
            }
        } else if (xml.tokenType() == QXmlStreamReader::EndElement) {
            elements.close();
        } else if (xml.tokenType() == QXmlStreamReader::StartElement) {
            const QXmlStreamAttributes attributes = xml.attributes();
            if (!elements.open(attributes.value(QLatin1String("id"))))
                return tooManyElements();
            if (xml.name() == QLatin1String("use")) {
                const QStringRef href = attributes.value(QLatin1String("href"));
                elements.uses(href.isEmpty()
                        ? attributes.value(
                            QLatin1String("http://www.w3.org/1999/xlink"), QLatin1String("href"))
                        : href);
            }
            if (root)
                continue;
            if (xml.name() != QLatin1String("svg")) {
                error = tr("The file is not an SVG drawing.");
                return false;
            }
            root = RootSize { lengthInMillimetres(attributes.value(QLatin1String("width"))),
                lengthInMillimetres(attributes.value(QLatin1String("height"))),
                parseViewBox(attributes.value(QLatin1String("viewBox"))),
                attributes.value(QLatin1String("preserveAspectRatio")).toString() };
        }
    }
    if (xml.hasError()) {
        error = tr("The file is not well-formed XML (line %1: %2).")
                    .arg(xml.lineNumber())
                    .arg(xml.errorString());
        return false;
    }
    if (!root) {
        error = tr("The file is not an SVG drawing.");
        return false;
    }
    if (elements.expandedCount() > MaxExpandedElements)
        return tooManyElements();

    QSvgRenderer renderer;
    if (!renderer.load(data)) {
        error = tr("Qt SVG could not read the drawing.");
        return false;
    }
    PenDrawing read;
    // The user units' rectangle and where it lands on paper, mm.
    QRectF viewBox;
    QRectF paper;
    if (root->viewBox) {
        viewBox = *root->viewBox;
        const double ratio = viewBox.height() / viewBox.width();
        double width = root->width.value_or(0);
        double height = root->height.value_or(0);
        if (!root->width && !root->height) {
            width = viewBox.width() * MillimetresPerPixel;
            height = viewBox.height() * MillimetresPerPixel;
            read.warnings << tr("The drawing gives no width and height: its units are taken as "
                                "pixels, 96 to the inch.");
        } else if (!root->width) {
            width = height / ratio;
        } else if (!root->height) {
            height = width * ratio;
        }
        paper = placeViewBox(viewBox, QSizeF(width, height), root->aspect);
    } else {
        if (!root->width || !root->height)
            read.warnings << tr("The drawing gives no width and height: its units are taken as "
                                "pixels, 96 to the inch.");
        // Without a viewBox a user unit is a pixel whatever the size.
        viewBox = QRectF(0, 0, 1000, 1000);
        paper = QRectF(0, 0, 1000 * MillimetresPerPixel, 1000 * MillimetresPerPixel);
    }
    renderer.setViewBox(viewBox);

    PathRecorder recorder(tolerance);
    RecordingDevice device(&recorder);
    {
        QPainter painter(&device);
        renderer.render(&painter, paper);
    }
    if (recorder.overflowed) {
        error = tr(
            "The drawing has more than %1 segments, more than a point table can hold for a run.")
                    .arg(PenDrawing::MaxSegments);
        return false;
    }
    if (recorder.drawing.isEmpty()) {
        error = recorder.images > 0 ? tr("The drawing holds only images, which a pen cannot draw.")
                                    : tr("The drawing holds no lines, shapes or text to draw.");
        return false;
    }
    // Paper's y grows downwards; the drawing's grows away from the reader.
    read.strokes = recorder.drawing.strokes;
    for (QPolygonF &stroke : read.strokes)
        for (QPointF &point : stroke)
            point.setY(-point.y());
    if (recorder.images > 0)
        read.warnings << tr("%n image(s) left out: a pen draws only lines, shapes and text.",
            nullptr, recorder.images);
    drawing = read;
    return true;
}

// GcodeDrawingReader: the pen strokes of plotter and laser G-code.
#include "drawing/gcodedrawingreader.h"

#include "drawing/curveflattener.h"

#include <QMap>

#include <cmath>
#include <optional>

namespace {

// Lines longer than this are not G-code a plotter program writes.
constexpr int MaxLineLength = 1024;
// Coordinates beyond a kilometre are a broken file, not a drawing.
constexpr double MaxCoordinate = 1e6;
constexpr double MillimetresPerInch = 25.4;

struct Word
{
    char letter;
    double value;
    QByteArray text;
};

// The words of one line without its comments: a letter and a number each, spaces allowed
// between them and after the letter, as in "G 1 X 10". Empty when the line holds something else.
std::optional<QVector<Word>> parseWords(const QByteArray &line)
{
    QVector<Word> words;
    int i = 0;
    const int size = line.size();
    const auto skipSpaces = [&] {
        while (i < size && (line.at(i) == ' ' || line.at(i) == '\t'))
            ++i;
    };
    while (true) {
        skipSpaces();
        if (i == size)
            return words;
        const char c = line.at(i);
        // A line's comments: to the end of the line, or between parentheses.
        if (c == ';')
            return words;
        if (c == '(') {
            const int close = line.indexOf(')', i);
            if (close < 0)
                return words;
            i = close + 1;
            continue;
        }
        // A checksum ends the line.
        if (c == '*')
            return words;
        if (!std::isalpha(static_cast<unsigned char>(c)))
            return std::nullopt;
        ++i;
        skipSpaces();
        QByteArray number;
        if (i < size && (line.at(i) == '-' || line.at(i) == '+'))
            number.append(line.at(i++));
        bool digits = false;
        bool point = false;
        while (i < size) {
            const char d = line.at(i);
            if (d >= '0' && d <= '9') {
                digits = true;
            } else if (d == '.' && !point) {
                point = true;
            } else {
                break;
            }
            number.append(d);
            ++i;
        }
        if (!digits)
            return std::nullopt;
        bool ok = false;
        const double value = number.toDouble(&ok);
        if (!ok)
            return std::nullopt;
        const char letter = char(std::toupper(static_cast<unsigned char>(c)));
        words.append({ letter, value, QByteArray(1, letter) + number });
    }
}

// What a line shows of itself in a message: its start, printable.
QString quoted(const QByteArray &line)
{
    QString text = QString::fromLatin1(line.left(40));
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return text + (line.size() > 40 ? QStringLiteral("...") : QString());
}

class Interpreter
{
    Q_DECLARE_TR_FUNCTIONS(GcodeDrawingReader)

public:
    explicit Interpreter(double tolerance)
        : flattener(tolerance)
    { }

    // False, with the reason in error, for a line that cannot be followed.
    bool run(const QVector<Word> &words, int lineNumber, QString &error);
    // Closes the open stroke; false when the drawing has grown too large.
    bool finish(QString &error);

    PenDrawing drawing;
    QMap<QString, int> unknownWords;
    bool ended = false;
    bool penEverDown = false;
    int zWords = 0;

private:
    void endStroke();
    bool addSegmentsUpTo(int points, QString &error);

    CurveFlattener flattener;
    QPointF position;
    QPolygonF stroke;
    int motion = 0;
    bool relative = false;
    bool inches = false;
    bool penDown = false;
    int segments = 0;
};

void Interpreter::endStroke()
{
    drawing.addStroke(stroke);
    stroke.clear();
}

bool Interpreter::addSegmentsUpTo(int points, QString &error)
{
    segments += points;
    if (segments <= PenDrawing::MaxSegments)
        return true;
    error = tr("The drawing has more than %1 segments, more than a point table can hold for a run.")
                .arg(PenDrawing::MaxSegments);
    return false;
}

bool Interpreter::finish(QString &error)
{
    endStroke();
    if (segments > PenDrawing::MaxSegments)
        return addSegmentsUpTo(0, error);
    return true;
}

bool Interpreter::run(const QVector<Word> &words, int lineNumber, QString &error)
{
    std::optional<double> x, y, i, j, r;
    for (const Word &word : words) {
        const double value = word.value;
        if (!(std::abs(value) <= MaxCoordinate)) {
            error = tr("Line %1: %2 is out of range.")
                        .arg(lineNumber)
                        .arg(QString::fromLatin1(word.text));
            return false;
        }
        const bool whole = value == std::floor(value);
        switch (word.letter) {
        case 'G':
            if (whole && value >= 0 && value <= 3) {
                motion = int(value);
            } else if (value == 20 || value == 21) {
                inches = value == 20;
            } else if (value == 90 || value == 91) {
                relative = value == 91;
            } else if (value == 17) {
                // The XY plane, the only one a drawing has.
            } else {
                ++unknownWords[QStringLiteral("G%1").arg(value)];
            }
            break;
        case 'M':
            if (value == 3) {
                penDown = penEverDown = true;
            } else if (value == 5) {
                penDown = false;
                endStroke();
            } else if (value == 2 || value == 30) {
                ended = true;
            } else {
                ++unknownWords[QStringLiteral("M%1").arg(value)];
            }
            break;
        case 'X':
            x = value;
            break;
        case 'Y':
            y = value;
            break;
        case 'I':
            i = value;
            break;
        case 'J':
            j = value;
            break;
        case 'R':
            r = value;
            break;
        // The feed rate, the laser's power and line numbers change nothing on paper.
        case 'F':
        case 'S':
        case 'N':
            break;
        case 'Z':
            ++zWords;
            break;
        default:
            ++unknownWords[QString(QLatin1Char(word.letter))];
            break;
        }
    }
    // A line without coordinates only sets modes.
    if (ended || !(x || y || i || j || r))
        return true;

    const double unit = inches ? MillimetresPerInch : 1.0;
    QPointF target = relative ? position : QPointF();
    if (relative) {
        target += QPointF(x.value_or(0), y.value_or(0)) * unit;
    } else {
        target.setX(x ? *x * unit : position.x());
        target.setY(y ? *y * unit : position.y());
    }
    if (motion == 0 || !penDown) {
        endStroke();
        position = target;
        return true;
    }
    if (stroke.isEmpty())
        stroke.append(position);
    const int before = stroke.size();
    if (motion == 1) {
        if (target != position)
            stroke.append(target);
    } else {
        const bool clockwise = motion == 2;
        QPointF centre;
        if (r) {
            // The centre on the side of the chord that the direction and the radius's sign choose.
            const QPointF chord = target - position;
            const double d = std::hypot(chord.x(), chord.y());
            const double radius = *r * unit;
            const double h2 = radius * radius - d * d / 4;
            if (d == 0 || h2 < -1e-6 * radius * radius) {
                error = tr("Line %1: no arc of radius %2 joins its two ends.")
                            .arg(lineNumber)
                            .arg(*r);
                return false;
            }
            double h = std::sqrt(std::max(h2, 0.0)) / d;
            if (clockwise != (radius < 0))
                h = -h;
            centre = position + chord / 2 + QPointF(-chord.y(), chord.x()) * h;
        } else {
            centre = position + QPointF(i.value_or(0), j.value_or(0)) * unit;
            const double startRadius
                = std::hypot(position.x() - centre.x(), position.y() - centre.y());
            const double endRadius = std::hypot(target.x() - centre.x(), target.y() - centre.y());
            const double off = std::abs(startRadius - endRadius);
            if (startRadius == 0 || (off > 0.005 && off > 0.001 * startRadius)) {
                error = tr("Line %1: the arc's end is not on its circle.").arg(lineNumber);
                return false;
            }
        }
        flattener.appendArc(stroke, centre, target, clockwise);
    }
    position = target;
    return addSegmentsUpTo(stroke.size() - before, error);
}

} // namespace

bool GcodeDrawingReader::read(
    const QByteArray &data, double tolerance, PenDrawing &drawing, QString &error)
{
    Interpreter interpreter(tolerance);
    int lineNumber = 0;
    const int byteOrderMark = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    for (int start = byteOrderMark; start < data.size() && !interpreter.ended;) {
        int end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        ++lineNumber;
        QByteArray line = data.mid(start, end - start);
        start = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > MaxLineLength) {
            error = tr("Line %1 is longer than %2 characters: this is not G-code.")
                        .arg(lineNumber)
                        .arg(MaxLineLength);
            return false;
        }
        // Program start and end marks.
        if (line.trimmed() == "%")
            continue;
        const std::optional<QVector<Word>> words = parseWords(line);
        if (!words) {
            error = tr("Line %1 is not G-code: %2").arg(lineNumber).arg(quoted(line));
            return false;
        }
        if (!interpreter.run(*words, lineNumber, error))
            return false;
    }
    if (!interpreter.finish(error))
        return false;
    if (interpreter.drawing.isEmpty()) {
        error = interpreter.penEverDown
            ? tr("The file draws nothing: no G1, G2 or G3 move with the pen down.")
            : tr("The file draws nothing: it never lowers the pen with M3.");
        return false;
    }
    if (interpreter.zWords > 0)
        interpreter.drawing.warnings
            << tr("Heights (Z) left out: the drawing surface sets the pen's height.");
    if (!interpreter.unknownWords.isEmpty()) {
        QStringList listed;
        for (auto word = interpreter.unknownWords.cbegin(); word != interpreter.unknownWords.cend();
             ++word)
            listed << tr("%1 (%n time(s))", nullptr, word.value()).arg(word.key());
        interpreter.drawing.warnings
            << tr("Left out, not understood: %1.").arg(listed.join(QStringLiteral(", ")));
    }
    drawing = interpreter.drawing;
    return true;
}

#include "drawing/drawingfile.h"

#include "drawing/gcodedrawingreader.h"
#include "drawing/svgdrawingreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

DrawingFile::Kind kindOf(const QFileInfo &info, const QByteArray &data)
{
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return DrawingFile::Kind::Svg;
    static const QStringList gcodeSuffixes { "gcode", "nc", "ngc", "gc", "g", "tap", "txt" };
    if (gcodeSuffixes.contains(suffix))
        return DrawingFile::Kind::Gcode;
    // Any other name: XML starts with a tag, G-code never does.
    return data.trimmed().startsWith('<') || data.startsWith("\xEF\xBB\xBF<")
        ? DrawingFile::Kind::Svg
        : DrawingFile::Kind::Gcode;
}

} // namespace

bool DrawingFile::load(const QString &path, QString &error)
{
    const QFileInfo info(path);
    // A pipe or a device would block the window or never end.
    if (!info.isFile()) {
        error = tr("%1 is not a file.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    const qint64 limitMb = PenDrawing::MaxFileBytes / (1024 * 1024);
    const auto tooLarge = [&](qint64 bytes) {
        error = tr("%1 is %2 MB; drawings larger than %3 MB are not read.")
                    .arg(info.fileName(), QLocale().toString(bytes / (1024.0 * 1024.0), 'f', 0))
                    .arg(limitMb);
        return false;
    };
    if (info.size() > PenDrawing::MaxFileBytes)
        return tooLarge(info.size());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = tr("%1 cannot be read: %2").arg(info.fileName(), file.errorString());
        return false;
    }
    // The file may have grown since it was measured.
    QByteArray bytes = file.read(PenDrawing::MaxFileBytes + 1);
    if (bytes.size() > PenDrawing::MaxFileBytes)
        return tooLarge(bytes.size());
    if (file.error() != QFileDevice::NoError) {
        error = tr("%1 cannot be read: %2").arg(info.fileName(), file.errorString());
        return false;
    }
    fileKind = kindOf(info, bytes);
    data = std::move(bytes);
    name = info.fileName();
    return true;
}

bool DrawingFile::read(double tolerance, PenDrawing &drawing, QString &error) const
{
    return fileKind == Kind::Svg ? SvgDrawingReader::read(data, tolerance, drawing, error)
                                 : GcodeDrawingReader::read(data, tolerance, drawing, error);
}

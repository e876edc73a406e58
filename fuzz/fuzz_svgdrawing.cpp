// Fuzzes the SVG drawing reader, Qt SVG's parser and renderer included: no crash, no hang, no
// undefined behaviour, and either a clear refusal or a sound drawing.
#include "drawing/svgdrawingreader.h"
#include "drawingproperties.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    // Text is drawn as the outlines of a font, which needs the platform's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_svgdrawing";
    static char *argv[] = { name, nullptr };
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::readDrawing(&SvgDrawingReader::read, data, size);
    return 0;
}

// Fuzzes the G-code drawing reader: no crash, no hang, no undefined behaviour, and either a clear
// refusal or a sound drawing.
#include "drawing/gcodedrawingreader.h"
#include "drawingproperties.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::readDrawing(&GcodeDrawingReader::read, data, size);
    return 0;
}

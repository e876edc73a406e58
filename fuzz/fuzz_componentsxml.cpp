// Fuzzes the reader of the installer's components.xml: no crash, no hang, no undefined behaviour.
#include "componentversion.h"
#include "fuzzsupport.h"

#include <QBuffer>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    getComponentVersion(&buffer, QStringLiteral("ArvexClient"));
    return 0;
}

// Fuzzes the reader of the maintenance tool's update check output: no crash, no undefined
// behaviour, only its two parse failures, and updates it accepts written out again read back the
// same.
#include "fuzzsupport.h"
#include "invalidxmlexception.h"
#include "noupdatesxmlexception.h"
#include "updater.h"

#include <QXmlStreamWriter>

namespace {

using FuzzSupport::require;
using UpdateKit::Updater;

// The updates as the tool prints them, around some text of its own.
QByteArray toolOutputOf(const QList<Updater::UpdateInfo> &updates)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.writeStartElement(QStringLiteral("updates"));
    for (const Updater::UpdateInfo &update : updates) {
        writer.writeEmptyElement(QStringLiteral("update"));
        writer.writeAttribute(QStringLiteral("name"), update.name);
        writer.writeAttribute(QStringLiteral("version"), update.version.toString());
        writer.writeAttribute(QStringLiteral("size"), QString::number(update.size));
    }
    // Text inside keeps the block from closing as <updates/>, which the tool never prints.
    writer.writeCharacters(QStringLiteral("\n"));
    writer.writeEndElement();
    return "Fetching meta information...\n" + xml + "\n";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceMessages();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray output
        = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QList<Updater::UpdateInfo> updates;
    try {
        updates = Updater::parseResult(output);
    } catch (const UpdateKit::NoUpdatesXmlException &) {
        return 0;
    } catch (const UpdateKit::InvalidXmlException &) {
        return 0;
    }
    for (const Updater::UpdateInfo &update : updates)
        require(!update.name.isEmpty() && !update.version.isNull(),
            "an accepted update has a name and a version");
    require(Updater::parseResult(output) == updates, "the same output reads the same");
    require(Updater::parseResult(toolOutputOf(updates)) == updates,
        "accepted updates written out read back the same");
    return 0;
}

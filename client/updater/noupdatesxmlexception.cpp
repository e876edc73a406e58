// NoUpdatesXmlException: the tool's output holds no complete <updates> block.
#include "noupdatesxmlexception.h"

namespace UpdateKit {

NoUpdatesXmlException::NoUpdatesXmlException()
    : UpdateParseException("The <updates> node could not be found")
{ }

} // namespace UpdateKit

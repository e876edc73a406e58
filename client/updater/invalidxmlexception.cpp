// InvalidXmlException: the <updates> block is there but not in the expected form.
#include "invalidxmlexception.h"

namespace UpdateKit {

InvalidXmlException::InvalidXmlException()
    : UpdateParseException("The found XML-part is not of a valid updates-XML-format")
{ }

} // namespace UpdateKit

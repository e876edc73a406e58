// InvalidXmlException: the <updates> block is there but not in the expected form.
#pragma once

#include "updateparseexception.h"

namespace UpdateKit {

class InvalidXmlException : public UpdateParseException
{
public:
    InvalidXmlException();
};

} // namespace UpdateKit

// NoUpdatesXmlException: the tool's output holds no complete <updates> block.
#pragma once

#include "updateparseexception.h"

namespace UpdateKit {

class NoUpdatesXmlException : public UpdateParseException
{
public:
    NoUpdatesXmlException();
};

} // namespace UpdateKit

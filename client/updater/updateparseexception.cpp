// UpdateParseException: the base of the tool output's parse failures.
#include "updateparseexception.h"

namespace UpdateKit {

UpdateParseException::UpdateParseException(const QByteArray &text)
    : text(text)
{ }

const char *UpdateParseException::what() const noexcept
{
    return text.constData();
}

} // namespace UpdateKit

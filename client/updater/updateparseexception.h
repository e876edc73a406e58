// UpdateParseException: the base of the tool output's parse failures.
#pragma once

#include <QByteArray>

#include <exception>

namespace UpdateKit {

class UpdateParseException : public std::exception
{
public:
    const char *what() const noexcept override;

protected:
    explicit UpdateParseException(const QByteArray &text);

private:
    QByteArray text;
};

} // namespace UpdateKit

#include "exceptions.h"

namespace vcl {

Exception::Exception(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

EAbort::EAbort() : Exception(QStringLiteral("Operation aborted")) {}

EListError::EListError(int index)
    : Exception(QStringLiteral("List index out of bounds (%1)").arg(index))
{
}

EInvalidOperation EInvalidOperation::cannotFocus()
{
    return EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
}

EJPEG::EJPEG(int code) : Exception(QStringLiteral("JPEG error #%1").arg(code)) {}

EOutOfMemory::EOutOfMemory() : Exception(QStringLiteral("Out of memory")) {}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

} // namespace vcl

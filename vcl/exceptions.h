#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The error classes of the class library. Failures are raised, never returned;
// the application reports whatever escapes an event handler (TApplication).
namespace vcl {

class Exception : public std::exception
{
public:
    explicit Exception(QString message);

    const QString &Message() const { return m_message; }
    // The class name shown in the fatal "Application Error" box.
    virtual const char *ClassName() const { return "Exception"; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The silent error: it unwinds like any other but is never shown.
class EAbort : public Exception
{
public:
    EAbort();
    const char *ClassName() const override { return "EAbort"; }
};

// "List index out of bounds (%d)"
class EListError : public Exception
{
public:
    explicit EListError(int index);
    const char *ClassName() const override { return "EListError"; }
};

// "Cannot focus a disabled or invisible window"
class EInvalidOperation : public Exception
{
public:
    using Exception::Exception;
    static EInvalidOperation cannotFocus();
    const char *ClassName() const override { return "EInvalidOperation"; }
};

// "JPEG error #%d", with the decoder's message code.
class EJPEG : public Exception
{
public:
    explicit EJPEG(int code);
    const char *ClassName() const override { return "EJPEG"; }
};

class EOutOfMemory : public Exception
{
public:
    EOutOfMemory();
    const char *ClassName() const override { return "EOutOfMemory"; }
};

// The text of the error box: the message, with a "." appended when it is not
// empty and its last character's code is above that of ".".
QString errorBoxText(const QString &message);

} // namespace vcl

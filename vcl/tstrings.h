#pragma once

#include <QString>
#include <QStringList>

// An ordered list of strings as the controls hand it out (a list box's
// items, a memo's lines). Reading outside 0..Count()-1 raises EListError.
namespace vcl {

class TStrings
{
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    virtual QString Strings(int index) const = 0;
    virtual void Add(const QString &text) = 0;
    virtual void Clear() = 0;
    virtual void Assign(const QStringList &items);

    QString operator[](int index) const { return Strings(index); }

protected:
    // Raises EListError unless 0 <= index < Count().
    void checkIndex(int index) const;
};

} // namespace vcl

#include "tstrings.h"

#include "exceptions.h"

namespace vcl {

void TStrings::Assign(const QStringList &items)
{
    Clear();
    for (const QString &item : items)
        Add(item);
}

void TStrings::checkIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(index);
}

} // namespace vcl

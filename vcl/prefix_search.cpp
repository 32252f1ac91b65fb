#include "prefix_search.h"

#include "windows1252.h"

namespace vcl {

int findItemWithPrefix(const QStringList &items, const QString &text, int start)
{
    QStringList keys;
    keys.reserve(items.size());
    for (const QString &item : items)
        keys << caseFoldKey(item);
    return findKeyWithPrefix(keys, caseFoldKey(text), start);
}

int findKeyWithPrefix(const QStringList &itemKeys, const QString &textKey, int start)
{
    const int count = int(itemKeys.size());
    if (start < 0 || start >= count)
        start = -1;
    for (int step = 1; step <= count; ++step) {
        const int i = (start + step) % count;
        if (itemKeys[i].startsWith(textKey))
            return i;
    }
    return -1;
}

} // namespace vcl

#include "dictionary.h"

#include "windows1252.h"

#include <cstddef>

extern const unsigned char tavoreno_dictionary_data[];
extern const std::size_t tavoreno_dictionary_size;

namespace content {

Dictionary parseDictionary(const QString &table)
{
    Dictionary d;
    qsizetype start = 0;
    while (start < table.size()) {
        qsizetype end = table.indexOf(u'\n', start);
        if (end < 0)
            end = table.size();
        const qsizetype tab = table.indexOf(u'\t', start);
        if (tab > start && tab < end) {
            d.headwords << table.mid(start, tab - start);
            d.definitions << table.mid(tab + 1, end - tab - 1);
        }
        start = end + 1;
    }
    return d;
}

Dictionary loadDictionary()
{
    return parseDictionary(vcl::fromWindows1252(reinterpret_cast<const char *>(tavoreno_dictionary_data),
                                                qsizetype(tavoreno_dictionary_size)));
}

} // namespace content

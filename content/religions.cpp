#include "religions.h"

#include "text_table.h"

extern const unsigned char tavoreno_summary_data[];
extern const std::size_t tavoreno_summary_size;
extern const unsigned char tavoreno_religion_captions_data[];
extern const std::size_t tavoreno_religion_captions_size;

namespace content {

QStringList loadSummaryLines() { return linesOf(tavoreno_summary_data, tavoreno_summary_size); }

QStringList loadReligionCaptions()
{
    return linesOf(tavoreno_religion_captions_data, tavoreno_religion_captions_size);
}

} // namespace content

#include "page_texts.h"

#include "text_table.h"

extern const unsigned char tavoreno_page_weights_data[];
extern const std::size_t tavoreno_page_weights_size;
extern const unsigned char tavoreno_page_apostles_data[];
extern const std::size_t tavoreno_page_apostles_size;
extern const unsigned char tavoreno_page_calendar_data[];
extern const std::size_t tavoreno_page_calendar_size;
extern const unsigned char tavoreno_page_about_data[];
extern const std::size_t tavoreno_page_about_size;

namespace content {

QStringList loadPageText(PageText page)
{
    switch (page) {
    case PageText::WeightsAndMeasures:
        return linesOf(tavoreno_page_weights_data, tavoreno_page_weights_size);
    case PageText::Apostles:
        return linesOf(tavoreno_page_apostles_data, tavoreno_page_apostles_size);
    case PageText::JewishCalendar:
        return linesOf(tavoreno_page_calendar_data, tavoreno_page_calendar_size);
    case PageText::About:
        return linesOf(tavoreno_page_about_data, tavoreno_page_about_size);
    }
    return {};
}

} // namespace content

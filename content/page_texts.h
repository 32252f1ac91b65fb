#pragma once

#include <QStringList>

namespace content {

// The fixed texts of the four reference pages, line by line (lines may hold
// tabs, which line up the tables).
enum class PageText {
    WeightsAndMeasures, // "Pesos e Medidas": 73 lines
    Apostles,           // "Apóstolos": 32 lines
    JewishCalendar,     // "Calendário Judáico": 31 lines
    About,              // "Sobre": 24 lines
};

QStringList loadPageText(PageText page);

} // namespace content

#pragma once

#include <QString>

// The religion range table as the tests know it: selector caption, heading
// line (never shown), and the first and last line shown.
struct ReligionRange
{
    const char *caption;
    const char *heading;
    int first;
    int last;
};

inline const ReligionRange kReligionRanges[20] = {
    {"Cristianismo", "CRISTIANISMO", 1, 40},
    {"Islamismo", "ISLAMISMO", 43, 75},
    {"Fé Mundia Bahaí", "FÉ MUNDIAL BAHAÍ", 78, 109},
    {"Budismo", "BUDISMO", 112, 139},
    {"Hinduísmo", "HINDUÍSMO", 142, 172},
    {"Judaísmo", "JUDAÍSMO", 175, 207},
    {"Cientologia", "CIENTOLOGIA", 210, 235},
    {"Ordem Rosa Cruz", "ORDEM ROSA CRUZ", 238, 264},
    {"Mormonismo", "MORMONISMO", 267, 302},
    {"Testemunhas de Jeová", "TESTEMUNHAS DE JEOVÁ", 305, 339},
    {"Adventista do 7º dia", "ADVENTISTA", 342, 369},
    {"Espiritismo", "ESPIRITISMO", 372, 403},
    {"Legião da Boa Vontade", "LBV", 406, 435},
    {"Hare-Krishna", "HARE KRISHNA", 438, 471},
    {"Meditação Transcedental", "MEDITAÇÃO TRANSCEDENTAL", 474, 505},
    {"Igreja da Unificação", "IGREJA DA UNIFICAÇÃO", 508, 540},
    {"Pentecostais Unicistas", "PENTECOSTAIS UNICISTAS", 543, 575},
    {"Igreja Voz da Verdade", "IGREJA VOZ DA VERDADE", 578, 605},
    {"Igreja Local de Vandrel Qel", "IGREJA LOCAL DE VANDREL", 608, 635},
    {"Movimento Nova Era", "MOVIMENTO NOVA ERA", 638, 672},
};

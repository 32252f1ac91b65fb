#include "windows1252.h"

#include <array>

namespace vcl {
namespace {

// Bytes 0x80-0x9F; 0 marks the undefined ones.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The small letter for a Windows-1252 character, or the character itself.
char16_t lowerCase1252(char16_t ch)
{
    if (ch >= u'A' && ch <= u'Z')
        return char16_t(ch + 32);
    if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) // À..Þ except ×
        return char16_t(ch + 32);
    switch (ch) {
    case 0x0160: return 0x0161; // Š
    case 0x0152: return 0x0153; // Œ
    case 0x017D: return 0x017E; // Ž
    case 0x0178: return 0x00FF; // Ÿ
    default: return ch;
    }
}

} // namespace

std::optional<char16_t> windows1252ToUnicode(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0)
        return char16_t(byte);
    const char16_t ch = kHighControls[byte - 0x80];
    if (ch == 0)
        return std::nullopt;
    return ch;
}

std::optional<unsigned char> unicodeToWindows1252(char32_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    if (ch < 0x152)
        return std::nullopt;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

QString fromWindows1252(const char *data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto ch = windows1252ToUnicode(static_cast<unsigned char>(data[i]));
        dst[i] = QChar(ch.value_or(0xFFFD));
    }
    return out;
}

bool sameLetterIgnoringCase(QChar a, QChar b)
{
    if (a == b)
        return true;
    if (!unicodeToWindows1252(a.unicode()) || !unicodeToWindows1252(b.unicode()))
        return false;
    return lowerCase1252(a.unicode()) == lowerCase1252(b.unicode());
}

QString caseFoldKey(const QString &text)
{
    QString key(text.size(), Qt::Uninitialized);
    QChar *out = key.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < 0x80)
            out[i] = QChar(ch >= u'A' && ch <= u'Z' ? char16_t(ch + 32) : ch);
        else
            out[i] = unicodeToWindows1252(ch) ? QChar(lowerCase1252(ch)) : QChar(0xFFFF);
    }
    return key;
}

} // namespace vcl

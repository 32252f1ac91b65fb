#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The program's text is Windows-1252, the character set of the desktop it was
// written for. Content is stored in it and converted to QString once, at load.
namespace vcl {

// The Unicode character that a Windows-1252 byte stands for; nullopt for the
// five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::optional<char16_t> windows1252ToUnicode(unsigned char byte);

// The Windows-1252 byte for a Unicode character, nullopt when it has none.
std::optional<unsigned char> unicodeToWindows1252(char32_t ch);

QString fromWindows1252(const char *data, qsizetype size);
inline QString fromWindows1252(const QByteArray &bytes)
{
    return fromWindows1252(bytes.constData(), bytes.size());
}

// Case-insensitive equality of two characters as the Windows list box and
// combo box compare ANSI text: capital and small forms of a Windows-1252
// letter are the same letter; an accented letter differs from its base
// letter; a character outside Windows-1252 equals only itself.
bool sameLetterIgnoringCase(QChar a, QChar b);

// The text as that comparison sees it: every Windows-1252 letter small, and
// every character outside Windows-1252 replaced by U+FFFF, which no text of
// the program holds. Two texts compare equal ignoring case exactly when their
// keys are equal, so a search can compare keys made once.
QString caseFoldKey(const QString &text);

} // namespace vcl

#pragma once

#include <QFont>

namespace vcl {

// A font given as the class library gives it: a face name and a character
// height in pixels (the height without internal leading, which is what a
// pixel size means to Qt).
inline QFont makeFont(const QString &family, int characterHeight, bool bold = false,
                      bool italic = false)
{
    QFont font(family);
    font.setPixelSize(characterHeight);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace vcl

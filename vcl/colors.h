#pragma once

#include <QColor>

// The named colours of the class library, and the system colours of the
// standard Windows scheme.
namespace vcl {

inline const QColor clBlack{0, 0, 0};
inline const QColor clWhite{255, 255, 255};
inline const QColor clSilver{192, 192, 192};
inline const QColor clGray{128, 128, 128};
inline const QColor clNavy{0, 0, 128};
inline const QColor clRed{255, 0, 0};
inline const QColor clGreen{0, 128, 0};
inline const QColor clBlue{0, 0, 255};
inline const QColor clCream{255, 251, 240};

inline const QColor clWindow = clWhite;
inline const QColor clWindowText = clBlack;
inline const QColor clWindowFrame = clBlack;

} // namespace vcl

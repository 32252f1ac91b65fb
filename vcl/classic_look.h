#pragma once

class QApplication;
class QPalette;

namespace vcl {

// The window system's classic look, without visual styles: Qt's "Windows"
// style with the colours of the standard Windows scheme (3D faces silver).
QPalette classicPalette();
void applyClassicLook(QApplication &app);

} // namespace vcl

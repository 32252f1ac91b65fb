#pragma once

class QWidget;

namespace vcl {

// Gives a control the keyboard focus as the program does (the control selects
// what it selects when entered by the program). Raises EInvalidOperation,
// "Cannot focus a disabled or invisible window", when the control or any
// control containing it is hidden or disabled.
void focusControl(QWidget *control);

} // namespace vcl

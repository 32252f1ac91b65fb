#pragma once

#include <QRect>

class QWidget;

// Layout scaling: a form laid out for one text height is adapted to another.
namespace vcl {

// The form's design: laid out at 96 pixels per inch for a window font in
// which the text "0" is 14 pixels high.
constexpr int kDesignTextHeight = 14;

// value * numerator / denominator, rounded to the nearest integer, halves
// away from zero (as the platform's MulDiv).
int mulDiv(int value, int numerator, int denominator);

// A control's geometry scaled by numerator / denominator: left and top are
// scaled; the width is the scaled right edge less the new left, and the
// height likewise.
QRect scaleGeometry(const QRect &geometry, int numerator, int denominator);

// The height of "0" in the window's font that decides the scaling. Where the
// design font ("MS Sans Serif") is not installed, a substitute's metrics say
// nothing about the screen, so the design height stands: the layout stays as
// designed, in logical pixels, and Qt's device pixel ratio carries it to a
// screen of higher resolution.
int measuredTextHeight(const QWidget *form);

// Scales every control in the form, each font a control has of its own, and
// the client area, by textHeight / kDesignTextHeight. Nothing when equal.
void scaleLayout(QWidget *form, int textHeight);

} // namespace vcl

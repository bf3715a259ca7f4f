#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace platform {

class Form;

// Draws the form's background and its visible controls back to front,
// within the clip rectangle (client pixels).
void paintForm(QPainter& painter, const Form& form, const QRect& clip);

// The client area as it would be drawn, at the given device scale.
QImage renderForm(const Form& form, double scale = 1.0);

}  // namespace platform

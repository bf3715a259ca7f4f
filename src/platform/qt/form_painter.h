#pragma once

#include <QImage>
#include <QRect>

class QPainter;

namespace platform {

class Form;
class PictureStore;

// Draws the form's background and its visible controls back to front,
// within the clip rectangle (client pixels).
void paintForm(QPainter& painter, const Form& form, const PictureStore& pictures,
               const QRect& clip);

// A loaded form's client area as its window would draw it, at the given
// device scale.
QImage renderForm(const Form& form, double scale = 1.0);

}  // namespace platform

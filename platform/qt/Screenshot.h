// The window's picture without a window: the same painting into an image,
// for tests and screenshots.
#pragma once

#include <QImage>

class TForm;

// The whole control tree at the form's client size (1024 x 768). A form shown
// in a window is drawn with that window's composition and caret.
QImage Qt_RenderForm(TForm& form);

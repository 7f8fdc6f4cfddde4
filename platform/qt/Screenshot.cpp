#include "platform/qt/Screenshot.h"

#include <QPainter>

#include "platform/Form.h"
#include "platform/qt/Paint.h"
#include "platform/qt/Window.h"

QImage Qt_RenderForm(TForm& form) {
    QImage image(form.ClientWidth, form.ClientHeight, QImage::Format_RGB32);
    TPaintState state;
    if (const auto* window = dynamic_cast<const TQtWindow*>(form.Host())) state = window->PaintState();
    state.caretOn = true;
    QPainter painter(&image);
    Qt_PaintForm(painter, form, state, image.rect());
    return image;
}

#include "main_window/svg_picture.h"

#include <QPainter>

namespace kvo {

SvgPicture::SvgPicture(const QString& file, QWidget* parent) : QWidget(parent), renderer_(file) {
  renderer_.setAspectRatioMode(Qt::KeepAspectRatio);
}

void SvgPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderer_.render(&painter, rect());
}

}  // namespace kvo

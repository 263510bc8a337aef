// A picture control that draws an SVG file filling its box, with the aspect ratio kept.
// It paints through QSvgRenderer alone, so the program does not load QtSvgWidgets at start.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace kvo {

class SvgPicture : public QWidget {
  Q_OBJECT

 public:
  SvgPicture(const QString& file, QWidget* parent);

  const QSvgRenderer& renderer() const { return renderer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
};

}  // namespace kvo

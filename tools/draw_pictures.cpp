// Draws the program's icon (packaging/icons) and the two speaker pictures (data/).
// Usage: draw_pictures REPOSITORY_ROOT
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdio>

namespace {

// The Fusion style's window colour: pixels around the speaker show it, since the picture is drawn opaque.
const QColor kFaceColour(239, 239, 239);

void drawMetronome(QPainter& p) {
  // Designed on a 256 x 256 canvas.
  QPainterPath body;
  body.moveTo(96, 20);
  body.lineTo(160, 20);
  body.lineTo(212, 236);
  body.lineTo(44, 236);
  body.closeSubpath();
  p.setPen(QPen(QColor(74, 38, 16), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(176, 98, 44));
  p.drawPath(body);

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(245, 226, 190));
  p.drawRect(QRectF(70, 176, 116, 44));  // the base plate under the pendulum

  p.setPen(QPen(QColor(40, 40, 40), 12, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(128, 200), QPointF(170, 44));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(212, 175, 55));
  p.drawEllipse(QPointF(156, 96), 18, 18);  // the sliding weight
}

QImage icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  drawMetronome(p);
  return image;
}

QImage speaker(bool sounding) {
  QImage image(32, 32, QImage::Format_RGB32);
  image.fill(kFaceColour);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  const QColor body = sounding ? QColor(30, 30, 30) : QColor(110, 110, 110);
  QPainterPath cone;
  cone.moveTo(3, 11);
  cone.lineTo(9, 11);
  cone.lineTo(17, 4);
  cone.lineTo(17, 28);
  cone.lineTo(9, 21);
  cone.lineTo(3, 21);
  cone.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawPath(cone);

  if (sounding) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 128, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (const int radius : {5, 9, 13}) {
      p.drawArc(QRectF(17 - radius, 16 - radius, 2 * radius, 2 * radius), -50 * 16, 100 * 16);
    }
  } else {
    p.setPen(QPen(QColor(110, 110, 110), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 12), QPointF(29, 20));
    p.drawLine(QPointF(29, 12), QPointF(21, 20));
  }
  return image;
}

bool save(const QImage& image, const QString& path) {
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_pictures REPOSITORY_ROOT\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  const QString root = QString::fromLocal8Bit(argv[1]);
  bool ok = true;
  for (const int size : {16, 32, 48, 256}) {
    ok &= save(icon(size), QStringLiteral("%1/packaging/icons/tickwell-%2.png").arg(root).arg(size));
  }
  ok &= save(speaker(true), root + QStringLiteral("/data/speakeron.png"));
  ok &= save(speaker(false), root + QStringLiteral("/data/speakeroff.png"));
  return ok ? 0 : 1;
}

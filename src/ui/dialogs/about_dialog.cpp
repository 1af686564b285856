#include "ui/dialogs/about_dialog.h"

#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QSysInfo>
#include <algorithm>

#include "ui/dialogs/dialog_parts.h"

namespace quantivo::ui {
namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(left, top);
  label->adjustSize();
  return label;
}

// A value beside its caption, in bold.
QLabel* AddBoldLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
  QLabel* label = AddLabel(parent, name, text, left, top);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  label->adjustSize();
  return label;
}

}  // namespace

void ProgramPicture::paintEvent(QPaintEvent*) {
  // Two scales, one above the other, and the arrow that converts between them.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = rect();
  QLinearGradient sky(r.topLeft(), r.bottomLeft());
  sky.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
  sky.setColorAt(1, QColor(0x0b, 0x23, 0x45));
  p.fillRect(r, sky);

  const qreal w = r.width();
  const qreal h = r.height();
  const auto drawScale = [&](qreal top, int ticks, const QColor& colour) {
    const QRectF bar(w * 0.08, top, w * 0.84, h * 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(bar, h * 0.02, h * 0.02);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), qMax<qreal>(1.0, w / 180)));
    for (int i = 0; i <= ticks; ++i) {
      const qreal x = bar.left() + bar.width() * (0.04 + 0.92 * i / ticks);
      const qreal length = (i % 5 == 0) ? bar.height() * 0.6 : bar.height() * 0.3;
      p.drawLine(QPointF(x, bar.top()), QPointF(x, bar.top() + length));
    }
  };
  drawScale(h * 0.14, 20, QColor(0xf2, 0xc1, 0x4e));
  drawScale(h * 0.70, 16, QColor(0x9f, 0xd8, 0x6b));

  QPainterPath arrow;
  const qreal cx = w * 0.5;
  arrow.moveTo(cx - w * 0.06, h * 0.34);
  arrow.lineTo(cx + w * 0.06, h * 0.34);
  arrow.lineTo(cx + w * 0.06, h * 0.48);
  arrow.lineTo(cx + w * 0.13, h * 0.48);
  arrow.lineTo(cx, h * 0.64);
  arrow.lineTo(cx - w * 0.13, h * 0.48);
  arrow.lineTo(cx - w * 0.06, h * 0.48);
  arrow.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(arrow);
}

QString Tfrm_About::VersionPlatform() {
  return tr("%1-bit").arg(QSysInfo::WordSize);
}

Tfrm_About::Tfrm_About(int totalUnits, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_About"));
  SetUpDialog(this, tr("About"), 474, 227);
  CreatePicture();
  CreateTitle();
  CreateFacts(totalUnits);
  QPushButton* ok = AddButton(this, "OKButton", tr("OK"), 191, 194, 90, 27, true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();
}

void Tfrm_About::CreatePicture() {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 227, 177);
  auto* picture = new ProgramPicture(panel);
  picture->setObjectName(QStringLiteral("Image1"));
  picture->setGeometry(panel->contentsRect());
}

void Tfrm_About::CreateTitle() {
  QFont titleFont(QStringLiteral("Times New Roman"));
  titleFont.setBold(true);
  titleFont.setItalic(true);
  titleFont.setPixelSize(29);
  // One label, so that a screen reader reads the title once; its white shadow one
  // pixel right of and below it is an effect drawn under the text, not a second label.
  auto* title = new QLabel(QStringLiteral("Quantivo"), this);
  title->setObjectName(QStringLiteral("Label1"));
  title->setGeometry(252, 8, 210, 33);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);
  auto* shadow = new QGraphicsDropShadowEffect(title);
  shadow->setBlurRadius(0);
  shadow->setOffset(1, 1);
  shadow->setColor(Qt::white);
  title->setGraphicsEffect(shadow);

  auto* version = new QLabel(tr("Version 1.81 - Jun 29, 1997"), this);
  version->setObjectName(QStringLiteral("Label3"));
  version->setGeometry(248, 48, 217, 17);
  version->setAlignment(Qt::AlignCenter);
  auto* rule = new QFrame(this);
  rule->setObjectName(QStringLiteral("Bevel1"));
  rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  rule->setGeometry(248, 93, 217, 2);
}

void Tfrm_About::CreateFacts(int totalUnits) {
  QLabel* unitsCaption = AddLabel(this, "Label8", tr("Total Units Supported: "), 8, 200);
  QLabel* units = AddBoldLabel(this, "Label9", QString::number(totalUnits), 120, 200);
  QLabel* platformCaption = AddLabel(this, "Label10", tr("Version Platform:"), 344, 200);
  QLabel* platform = AddBoldLabel(this, "Label11", VersionPlatform(), 430, 200);
  // A wider system font than the design's must not run a caption into its value.
  units->move(std::max(units->x(), unitsCaption->geometry().right() + 4), units->y());
  const int overhang = platformCaption->width() + 4 + platform->width() - (width() - 8 - 344);
  if (overhang > 0) platformCaption->move(344 - overhang, platformCaption->y());
  platform->move(std::max(platform->x(), platformCaption->geometry().right() + 4), platform->y());
}

}  // namespace quantivo::ui

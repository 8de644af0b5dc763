#include "ProfileCheckDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "QImageCanvas.h"
#include "cable/ProfileCheckForm.h"
#include "seams/Ui.h"

namespace skyrig::gui {

ProfilePictureArea::ProfilePictureArea(ProfileCheckForm& form, const QImageCanvas& picture,
                                       Ui& ui, QWidget* parent)
    : QWidget(parent), form_(form), picture_(picture), ui_(ui) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setCursor(Qt::CrossCursor);
}

QSize ProfilePictureArea::sizeHint() const { return picture_.image().size(); }

QPoint ProfilePictureArea::pointPosition(int k) const {
  const QPoint device = picture_.toDevice(form_.pointX(k), 0);
  return {device.x(), height() / 2};
}

void ProfilePictureArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_.image());
  // The units of the axes, beside the picture's own numbers.
  painter.setPen(QColor(60, 60, 60));
  QFont font = painter.font();
  font.setPointSizeF(font.pointSizeF() * 0.9);
  painter.setFont(font);
  painter.drawText(QRect(0, height() - 20, width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
                   QStringLiteral("horizontal distance from the landing (m)"));
  painter.save();
  painter.translate(12, height() / 2);
  painter.rotate(-90);
  painter.drawText(QRect(-100, -10, 200, 18), Qt::AlignCenter, QStringLiteral("elevation (m)"));
  painter.restore();
}

int ProfilePictureArea::pictureX(const QMouseEvent* event) const {
  return static_cast<int>(std::lround(event->position().x() / picture_.scale()));
}

void ProfilePictureArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  form_.mouseDown(pictureX(event), ui_);
  update();
}

void ProfilePictureArea::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  form_.mouseMove(pictureX(event));
  update();
}

void ProfilePictureArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  form_.mouseUp();
  update();
  if (onEdited) onEdited();
}

ProfileCheckDialog::ProfileCheckDialog(ProfileCheckForm& form, const QImageCanvas& picture,
                                       Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setWindowTitle(profileCheckTitle(form_));
  area_ = new ProfilePictureArea(form_, picture, ui_, this);
  area_->onEdited = [this] { updateSupports(); };
  supports_ = new QLabel(this);
  supports_->setObjectName(QStringLiteral("supports"));
  supports_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  // OK and Cancel at the left, then the two button groups.
  auto* okCancel = new QVBoxLayout;
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  okCancel->addWidget(ok);
  okCancel->addWidget(cancel);
  okCancel->addStretch(1);

  auto* payload = new QGroupBox(QStringLiteral("Payload Analysis"), this);
  auto* payloadRow = new QHBoxLayout(payload);
  payloadRow->addWidget(addFormButton(kPayloadAnalysisButton, payload));
  payloadRow->addWidget(addFormButton(kDrawGroundProfileButton, payload));

  auto* supports = new QGroupBox(QStringLiteral("Intermediate Support"), this);
  auto* supportRow = new QHBoxLayout(supports);
  supportRow->addWidget(addFormButton(kGenerateIntsButton, supports));
  supportRow->addWidget(addFormButton(kLocateOrMoveButton, supports));
  supportRow->addWidget(addFormButton(kRemoveButton, supports));

  auto* controls = new QHBoxLayout;
  controls->addLayout(okCancel);
  controls->addSpacing(16);
  controls->addWidget(payload);
  controls->addWidget(supports);
  controls->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(area_, 0, Qt::AlignHCenter);
  layout->addWidget(supports_);
  layout->addLayout(controls);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  updateSupports();
}

void ProfileCheckDialog::updateSupports() { supports_->setText(supportList(form_)); }

QString ProfileCheckDialog::supportsText() const { return supports_->text(); }

QString profileCheckTitle(const ProfileCheckForm& form) {
  const ProfileCheckData& d = form.data();
  return QStringLiteral("Profile check: landing %1, cable road %2 (system %3)")
      .arg(d.landing)
      .arg(d.road)
      .arg(d.system);
}

QString supportList(const ProfileCheckForm& form) {
  const ProfileCheckData& d = form.data();
  const int tail = d.tailPoint();
  QStringList lines;
  const auto bar = [&](const QString& what, int k, float height) {
    const ProfilePoint& p = d.work.profile[static_cast<std::size_t>(k)];
    lines << QStringLiteral("%1 at point %2: %3 m from the landing, ground %4 m, %5 m high")
                 .arg(what)
                 .arg(k)
                 .arg(static_cast<double>(p.horDist), 0, 'f', 0)
                 .arg(p.z)
                 .arg(static_cast<double>(height), 0, 'f', 1);
  };
  if (tail < 1 || tail > kMaxProfileCount) return {};
  bar(QStringLiteral("Tower"), 1, d.params.towerHeight);
  for (int k = 2; k < tail; ++k)
    if (d.work.supportMarks[static_cast<std::size_t>(k)]) bar(QStringLiteral("Support"), k, d.params.intSupportHeight);
  if (tail > 1) bar(QStringLiteral("Tail spar"), tail, d.tailSparHeight);
  return lines.join(QLatin1Char('\n'));
}

QPushButton* ProfileCheckDialog::addFormButton(const char* text, QWidget* box) {
  auto* button = new QPushButton(QString::fromLatin1(text), box);
  button->setAutoDefault(false);
  const std::string name = text;
  connect(button, &QPushButton::clicked, this, [this, name] {
    form_.pressButton(name, ui_);
    area_->update();
    updateSupports();
  });
  return button;
}

QPushButton* ProfileCheckDialog::button(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace skyrig::gui

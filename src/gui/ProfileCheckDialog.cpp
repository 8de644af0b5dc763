#include "ProfileCheckDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
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
}

ProfileCheckDialog::ProfileCheckDialog(ProfileCheckForm& form, const QImageCanvas& picture,
                                       Ui& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setWindowTitle(QString::fromStdString(form_.title()));
  area_ = new ProfilePictureArea(form_, picture, ui_, this);

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
  layout->addLayout(controls);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* ProfileCheckDialog::addFormButton(const char* text, QWidget* box) {
  auto* button = new QPushButton(QString::fromLatin1(text), box);
  button->setAutoDefault(false);
  const std::string name = text;
  connect(button, &QPushButton::clicked, this, [this, name] {
    form_.pressButton(name, ui_);
    area_->update();
  });
  return button;
}

QPushButton* ProfileCheckDialog::button(const QString& text) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace skyrig::gui

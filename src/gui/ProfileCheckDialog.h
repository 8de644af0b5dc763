// The profile check dialog ("Dialog"): one cable road's profile picture above the buttons of
// the payload analysis and of the intermediate supports, with supports and the tail spar
// edited by mouse in the picture. Everything it does runs in the core's profile check form.
#pragma once

#include <QDialog>
#include <QWidget>

class QPushButton;

namespace skyrig {
class ProfileCheckForm;
class QImageCanvas;
class Ui;
}  // namespace skyrig

namespace skyrig::gui {

// The picture area: shows the profile picture and passes left-button editing to the form as
// picture x positions (logical units).
class ProfilePictureArea : public QWidget {
  Q_OBJECT

 public:
  ProfilePictureArea(ProfileCheckForm& form, const QImageCanvas& picture, Ui& ui,
                     QWidget* parent = nullptr);
  QSize sizeHint() const override;
  // Where profile point k is drawn, in widget pixels (x only; y at the picture's middle).
  QPoint pointPosition(int k) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int pictureX(const QMouseEvent* event) const;

  ProfileCheckForm& form_;
  const QImageCanvas& picture_;
  Ui& ui_;
};

class ProfileCheckDialog : public QDialog {
  Q_OBJECT

 public:
  ProfileCheckDialog(ProfileCheckForm& form, const QImageCanvas& picture, Ui& ui,
                     QWidget* parent = nullptr);

  ProfilePictureArea* pictureArea() const { return area_; }
  ProfileCheckForm& form() const { return form_; }
  // A button by its text: the five form buttons, "OK" and "Cancel".
  QPushButton* button(const QString& text) const;

 private:
  QPushButton* addFormButton(const char* text, QWidget* box);

  ProfileCheckForm& form_;
  Ui& ui_;
  ProfilePictureArea* area_ = nullptr;
};

}  // namespace skyrig::gui

// The profile check dialog, titled with its landing and road: one cable road's profile picture above the buttons of
// the payload analysis and of the intermediate supports, with supports and the tail spar
// edited by mouse in the picture. Everything it does runs in the core's profile check form.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

class QLabel;
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

 public:
  // Called after the mouse changed the supports or the tail spar.
  std::function<void()> onEdited;

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
  // The tower, supports and tail spar: where they stand and how high they are.
  QString supportsText() const;

 private:
  QPushButton* addFormButton(const char* text, QWidget* box);
  void updateSupports();

  ProfileCheckForm& form_;
  Ui& ui_;
  ProfilePictureArea* area_ = nullptr;
  QLabel* supports_ = nullptr;
};

// "Profile check: landing 3, cable road 12 (system 2)".
QString profileCheckTitle(const ProfileCheckForm& form);
// One line per bar from the landing outwards: "Tower at point 1: 0 m from the landing, 12.0 m
// high".
QString supportList(const ProfileCheckForm& form);

}  // namespace skyrig::gui

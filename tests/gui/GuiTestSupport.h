// Helpers of the desktop tests: private settings, and acting on modal dialogs that a call
// under test opens and waits for.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QWidget;

namespace skyrig::gui::testing {

// Points the settings store at a fresh temporary folder for the rest of the process.
void usePrivateSettings();

// Runs `action` on the next modal window that is on top (a dialog or message box opened by the
// code under test). Polls every 10 ms; gives up after 10 s.
void whenModal(std::function<void(QWidget*)> action);
// Like whenModal, waiting for a modal window whose title is `title`.
void whenModalTitled(const QString& title, std::function<void(QWidget*)> action);

// The text and icon of a message box; empty when `widget` is not one.
QString messageText(QWidget* widget);
// Presses OK (or accepts) on a dialog or message box.
void accept(QWidget* widget);

// A copy of the sample project in a temporary folder, so that what a session writes (analysis
// timing, profile reports) stays out of the source tree. Removed with the returned folder.
std::unique_ptr<QTemporaryDir> sampleCopy();

}  // namespace skyrig::gui::testing

#pragma once

#include <QString>
#include <functional>

class QAction;
class QObject;
class QWidget;

namespace varnox {

// Runs `loader` at once and again whenever the interface language changes,
// for as long as `window` lives. A window's loader puts the catalogue text of
// each control on it with setCaption, so all open windows follow a change at once.
void loadCaptions(QWidget* window, std::function<void()> loader);

// Puts `text` on a widget or action as its caption (button and label text,
// group-box and window title, check box text, action text). An empty text
// keeps the caption the control was built with.
void setCaption(QObject* control, const QString& text);
void setToolTip(QObject* control, const QString& text);

}  // namespace varnox

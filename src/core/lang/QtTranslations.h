#pragma once

namespace varnox {

// Keeps Qt's own texts (standard buttons, file dialogs, context menus) in the
// interface language: from the first call on, the application carries Qt's
// translation of the current language and swaps it on every change.
// Needs the application object; later calls do nothing.
void followLanguageWithQtTexts();

}  // namespace varnox

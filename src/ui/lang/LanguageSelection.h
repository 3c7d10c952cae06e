#pragma once

class QAction;
class QWidget;

namespace varnox {

// The first thing the program does once the application object exists, before
// any other window is shown: binds the text catalogues, lets Qt's own texts
// follow the interface language, applies the stored language and brings up
// the language dialog unless the operator turned it off.
void chooseLanguageAtStart();

// The language dialog. At start-up the stored language is applied and the
// dialog is shown only when the operator wants it at every start; asked for
// later, it is always shown. Returns whether it was shown.
bool ShowDialog(bool atStartup, QWidget* parent = nullptr);

// The main window's check item `Sprache`: its check mark is the "show the
// language dialog at start" setting, and choosing the item saves the new
// state (the dialog itself appears at the next start).
void bindLanguageMenuItem(QAction* sprache);
// Sets the check mark from the settings again, as filling the main window does.
void showLanguageMenuCheck(QAction* sprache);

}  // namespace varnox

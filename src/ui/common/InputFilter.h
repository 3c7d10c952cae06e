#pragma once

#include <QString>

class QLineEdit;

namespace varnox {

// Lets a field take only characters of `characterClass` (a regular
// expression class body such as "0-9"). Whatever arrives by typing, pasting
// from the context menu or the keyboard, or dropping is refused as a whole
// when it holds anything else; texts the program sets itself are not filtered.
void acceptOnly(QLineEdit* edit, const QString& characterClass);

}  // namespace varnox

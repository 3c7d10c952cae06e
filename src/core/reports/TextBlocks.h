#pragma once

#include "core/shell/Message.h"

namespace varnox {

// The two freely configurable text blocks of the handover protocol, plain
// text files in Texte/ of the program folder, one per language:
// ProTxt01_dt.txt, ProTxt01_fr.txt, ProTxt01_en.txt and ProTxt02_... .
enum class TextBlock { First = 1, Second = 2 };

// German and Luxembourg German take "_dt", French "_fr", every other language "_en".
QString textBlockSuffix(int languageId);
QString textBlockPath(TextBlock block, int languageId);

// The block's lines joined with "\r\n". Files are read as UTF-8; a file that
// is not valid UTF-8 (written by an editor in Latin-1) is read as Latin-1.
// A file that cannot be read gives the message that names it.
Outcome readTextBlock(TextBlock block, int languageId, QString* text);

// At the first start, when Texte/ does not exist yet, it is made and filled
// with the program's own blocks in every language. An existing folder is
// left as the operator keeps it, and no file is ever overwritten. False when
// the folder or a file cannot be written.
bool seedTextBlocks();

} // namespace varnox

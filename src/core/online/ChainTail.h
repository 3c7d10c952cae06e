#pragma once

#include "core/online/LineCipher.h"

class QIODevice;

namespace varnox {

// The last authentic record of an enciphered day file, found by reading the
// file backwards from its end, so that the writer can continue the chain of
// a file it did not write itself (an earlier run of the program). The zero
// link when the file holds no authentic record.
ChainLink lastChainLink(QIODevice& file, const LineCipher& cipher, const QDate& day);

}  // namespace varnox

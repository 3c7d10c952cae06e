#pragma once

#include "core/shell/Session.h"

#include <QString>

namespace varnox {

class ConfigFile;

// The password of each mode, in section [Berechtigungen] of the
// configuration file under "<mode number>LEVEL". A password is kept as an
// Argon2id hash, so that reading the file does not reveal it. Files written
// before hold the password reversibly scrambled with the program's key
// text; such an entry is still accepted and is replaced by a hash as soon
// as it has been matched once. A mode without an entry has the empty
// password.
class PasswordStore {
public:
    explicit PasswordStore(ConfigFile& config) : m_config(config) { }

    // Whether `typed` is the password of `mode` (case counts).
    bool verify(Mode mode, const QString& typed);

    // Stores the hash of `password` for `mode`; false when it could not be
    // made or written, and the entry is then as it was.
    bool store(Mode mode, const QString& password);

    static QString key(Mode mode);
    static bool isHash(const QString& stored);
    // The hash of a password in the text form the entry keeps; empty when
    // the hashing failed (it needs memory).
    static QString hash(const QString& password);

    // What a new hash costs in rounds and bytes of memory. The program
    // always hashes at the interactive cost; tests of the stores and windows
    // lower it, since the strength of a hash is not what they check.
    struct HashCost {
        unsigned long long rounds;
        size_t memory;
    };
    static HashCost interactiveCost();
    static HashCost leastCost();
    static void setHashCostForTests(HashCost cost);

private:
    ConfigFile& m_config;
};

}  // namespace varnox

#include "core/shell/PasswordStore.h"

#include "core/shell/ConfigFile.h"
#include "core/shell/Scramble.h"

#include <sodium.h>

namespace varnox {
namespace {

const QString kSection = QStringLiteral("Berechtigungen");
const QLatin1String kHashPrefix("$argon2id$");

PasswordStore::HashCost g_cost = PasswordStore::interactiveCost();

bool sodiumReady() { return sodium_init() >= 0; }

bool verifyHash(const QString& stored, const QString& typed)
{
    const QByteArray hashed = stored.toLatin1();
    const QByteArray password = typed.toUtf8();
    return sodiumReady()
        && crypto_pwhash_str_verify(hashed.constData(), password.constData(), size_t(password.size())) == 0;
}

}  // namespace

QString PasswordStore::key(Mode mode) { return QString::number(int(mode)) + QStringLiteral("LEVEL"); }

PasswordStore::HashCost PasswordStore::interactiveCost()
{
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

PasswordStore::HashCost PasswordStore::leastCost() { return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN}; }

void PasswordStore::setHashCostForTests(HashCost cost) { g_cost = cost; }

bool PasswordStore::isHash(const QString& stored) { return stored.startsWith(kHashPrefix); }

QString PasswordStore::hash(const QString& password)
{
    if (!sodiumReady())
        return {};
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), size_t(bytes.size()), g_cost.rounds, g_cost.memory) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool PasswordStore::verify(Mode mode, const QString& typed)
{
    const QString stored = m_config.readValue(kSection, key(mode));
    if (isHash(stored))
        return verifyHash(stored, typed);
    if (Unscramble(stored, programKeyText()) != typed)
        return false;
    // A missing entry stays missing: the empty password needs no hash.
    if (!stored.isEmpty() && !store(mode, typed))
        qWarning("the password of mode %d is still kept in the old form", int(mode));
    return true;
}

bool PasswordStore::store(Mode mode, const QString& password)
{
    const QString hashed = hash(password);
    return !hashed.isEmpty() && m_config.writeValue(kSection, key(mode), hashed);
}

}  // namespace varnox

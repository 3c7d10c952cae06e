#include "core/lang/LanguageNotifier.h"

namespace varnox {

LanguageNotifier& LanguageNotifier::instance()
{
    static LanguageNotifier notifier;
    return notifier;
}

}  // namespace varnox

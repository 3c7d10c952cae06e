#include "ui/main/PageCaptions.h"

#include "core/lang/Texts.h"

namespace varnox {

QString pageCaption(int index)
{
    switch (index) {
    case 0: return GetText(2434, "Willkommen");
    case 1: return GetText(2422, "Leser");
    case 2: return GetText(2423, "Zutrittsprofile");
    case 3: return GetText(2424, "Funktionen");
    case 4: return GetText(2425, "Zeitzonen");
    case 5: return GetText(346, "Leserzuordnung");
    case 6: return GetText(2426, "Schlüssel");
    case 7: return GetText(2427, "Verbindungen");
    case 8: return GetText(2428, "Datenübertragung");
    case 9: return GetText(2421, "Monitoring");
    default: return {};
    }
}

}  // namespace varnox

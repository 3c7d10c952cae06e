#pragma once

namespace varnox {

class Clock;
class ConfigFile;
class DailyProtocol;
class EventSink;
struct Session;

// The long-lived objects of one program run, handed to the windows and pages
// that forward to the core. The application owns them.
struct AppServices {
    Session& session;
    ConfigFile& config;
    DailyProtocol& protocol;
    const Clock& clock;
    EventSink& events;
};

}  // namespace varnox

#pragma once

#include <QObject>

namespace varnox {

// Tells every open window that the interface language changed, so that all
// of them reload their captions at once.
class LanguageNotifier : public QObject {
    Q_OBJECT
public:
    static LanguageNotifier& instance();

    void announce(int languageId) { emit languageChanged(languageId); }

signals:
    void languageChanged(int languageId);
};

}  // namespace varnox

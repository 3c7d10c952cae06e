#pragma once

#include "core/project/ProjectHost.h"

#include <QStringList>

namespace varnox::test {

// A host that records what the project procedures asked of the windows, in
// order, as short texts such as "fillMainWindow" or "showProjectDialog(1)".
class RecordingHost final : public ProjectHost {
public:
    QStringList calls;

    void showProjectDialog(bool newProjectAllowed) override { record("showProjectDialog", newProjectAllowed); }
    void showNewProjectDialog(bool atStart) override { record("showNewProjectDialog", atStart); }
    void hideLoginDialog() override { calls << QStringLiteral("hideLoginDialog"); }
    void closeLoginDialog() override { calls << QStringLiteral("closeLoginDialog"); }
    void fillMainWindow() override { calls << QStringLiteral("fillMainWindow"); }
    void terminate() override { calls << QStringLiteral("terminate"); }
    void startSupervision() override { calls << QStringLiteral("startSupervision"); }
    void additionalSave(const QString& workCopyName) override
    {
        calls << QStringLiteral("additionalSave(%1)").arg(workCopyName);
    }

private:
    void record(const char* what, bool flag)
    {
        calls << QStringLiteral("%1(%2)").arg(QLatin1String(what)).arg(int(flag));
    }
};

}  // namespace varnox::test

#include "core/lang/LanguageSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <functional>

namespace varnox {
namespace {

const QString kSection = QStringLiteral("MultiLang");

QString configHome()
{
    // Relative values are invalid for this variable and must be ignored.
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

bool store(const std::function<void(QSettings&)>& change)
{
    const QString file = LanguageSettings::path();
    QDir().mkpath(QFileInfo(file).path());
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(kSection);
    change(settings);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

QString LanguageSettings::path() { return configHome() + QStringLiteral("/varnox/varnox.ini"); }

LanguageSettings LanguageSettings::read()
{
    LanguageSettings result;
    QSettings settings(path(), QSettings::IniFormat);
    settings.beginGroup(kSection);
    bool numeric = false;
    const int id = settings.value(QStringLiteral("LangId")).toString().trimmed().toInt(&numeric);
    if (numeric)
        result.langId = id;
    result.langName = settings.value(QStringLiteral("LangName")).toString();
    const QVariant show = settings.value(QStringLiteral("ShowDialog"));
    if (show.isValid() && !show.toString().trimmed().isEmpty())
        result.showDialog = show.toBool();
    return result;
}

bool LanguageSettings::write(const LanguageSettings& values)
{
    return store([&values](QSettings& settings) {
        settings.setValue(QStringLiteral("LangId"), values.langId);
        settings.setValue(QStringLiteral("LangName"), values.langName);
        settings.setValue(QStringLiteral("ShowDialog"), values.showDialog);
    });
}

bool LanguageSettings::writeShowDialog(bool showDialog)
{
    return store([showDialog](QSettings& settings) { settings.setValue(QStringLiteral("ShowDialog"), showDialog); });
}

}  // namespace varnox

#pragma once

// Pictures of windows for looking at their layout after a change: saved
// into screenshots/ of the build folder (header only: it needs the widgets).
#include <QCoreApplication>
#include <QDir>
#include <QTest>
#include <QWidget>

namespace varnox::test {

inline QString screenshotFolder() { return QStringLiteral(VARNOX_BINARY_DIR "/screenshots"); }

// Grabs the widget as it would show on the screen into `name`.png.
inline void saveScreenshot(QWidget* widget, const QString& name)
{
    // Layouts settle through posted events, as they would on the screen.
    QCoreApplication::processEvents();
    const QImage image = widget->grab().toImage();
    QVERIFY(!image.isNull());
    QVERIFY(QDir().mkpath(screenshotFolder()));
    QVERIFY(image.save(screenshotFolder() + QLatin1Char('/') + name + QStringLiteral(".png")));
}

}  // namespace varnox::test

#pragma once
// A picture of a window for a person to look at: written to $KOLBRIN_SHOT_DIR/<name>.png when that
// variable is set (run the test on a virtual display), nothing otherwise. Never an assertion.
#include <QString>
#include <QWidget>

namespace uitest {

inline void Shot(QWidget* window, const QString& name) {
    if (!qEnvironmentVariableIsSet("KOLBRIN_SHOT_DIR")) return;
    window->grab().save(qEnvironmentVariable("KOLBRIN_SHOT_DIR") + "/" + name + ".png");
}

} // namespace uitest

#pragma once
// Helpers of the money and coach window tests: the human club of a seeded career, money as the windows
// write it, and a modal dialog driven from inside its own event loop (window_shot.h takes pictures).
#include "foundation/money_format.h"
#include "ui/common/qt_text.h"
#include "window_shot.h"
#include "world/team.h"
#include "world/world.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>

namespace uitest {

inline TTeam& HumanClub(TWorld& world) {
    for (TTeam* club : world.AllTeams)
        if (club != nullptr && club->IsHumanRun()) return *club;
    throw std::runtime_error("no human club");
}

inline QString Money(const TWorld& world, std::int64_t amount) {
    return ToQString(FormatMoney(amount, world.CurrencyRecord.suffix));
}

// `open` shows a modal dialog; once it is up, `act` works on it, and then it is closed with Escape if it is
// still open, so that a failed check inside `act` never leaves it waiting. The test fails when `open`
// showed no dialog of the type `Dlg`.
template <class Dlg> void WithModal(const std::function<void()>& open, const std::function<void(Dlg&)>& act) {
    bool reached = false;
    QTimer timer; // dies with this call: never fires in a later test
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (auto* dlg = qobject_cast<Dlg*>(shown)) {
            reached = true;
            act(*dlg);
        }
        if (shown != nullptr && shown->isVisible()) QTest::keyClick(shown, Qt::Key_Escape);
    });
    timer.start(0);
    open();
    QVERIFY2(reached, "the dialog was not shown");
}

} // namespace uitest

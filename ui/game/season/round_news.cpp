#include "ui/game/season/round_news.h"

#include "ui/common/print_list_dlg.h"

#include <QGuiApplication>
#include <QScreen>

void ShowRoundNewsDialog(const std::vector<TKolObject*>& news, const std::string& title, QWidget* parent) {
    std::vector<TKolObject*> rows;
    for (TKolObject* item : news)
        if (item != nullptr) rows.push_back(item);
    if (rows.empty()) return;
    TPrintListDlg dialog(std::move(rows), title, 0, 0, 0, parent);
    dialog.setObjectName("TRoundNewsDlg");
    // A few lines of news: half the screen is room enough.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        dialog.resize(screen->availableGeometry().size() / 2);
    dialog.Execute();
}

#pragma once
// The news of a round (coach changes and the like) in the generic list dialog, painted by the row painter,
// under the title the rules give. Nothing is shown for a round without news.
#include <string>
#include <vector>

class QWidget;
class TKolObject;

void ShowRoundNewsDialog(const std::vector<TKolObject*>& news, const std::string& title, QWidget* parent);

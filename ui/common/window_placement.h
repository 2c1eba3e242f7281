#pragma once
// Where a window opens: every dialog of both programs opens centred over the window it belongs to, kept
// inside that screen's free area, and made smaller when it is larger than that area (as far as its least
// size allows); a window without a parent is centred on its screen.
class QWidget;

void CenterOverParent(QWidget* window);

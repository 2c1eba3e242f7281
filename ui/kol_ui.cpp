// Keeps the ui library non-empty while it has no dialogs yet.
namespace kolbrin_ui_unit {}

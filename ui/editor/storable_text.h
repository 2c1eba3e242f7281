#pragma once
// Every name the editor writes to a file is stored in Windows-1252. A character that code page cannot hold
// would be stored as "?", so a field holding one is refused with a message that names the character.
#include <QString>
#include <initializer_list>

class QLineEdit;
class QWidget;

// The message naming the first character of `text` the files cannot hold; empty when every one fits.
QString UnstorableCharacterMessage(const QString& text);

// Refuses the first field whose text holds such a character: a warning over `parent`, then the field gets
// the focus with the character selected. True when every field can be stored as it is.
bool CheckStorableTexts(QWidget* parent, std::initializer_list<QLineEdit*> fields);

// A field for the name part of a team file (without extension): it takes only the characters a team file
// name may hold, and its tooltip says which.
void SetFileNameRules(QLineEdit* field);

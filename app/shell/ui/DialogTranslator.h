#pragma once

#include <QString>

class QAction;
class QMenuBar;
class QWidget;

namespace mienlore {

class CLang;

// Dynamic properties that tie widgets and actions to the ids the language
// files use.
inline constexpr char kCtrlIdProperty[] = "ctrlId";     // int: a control's id
inline constexpr char kDialogIdProperty[] = "dialogId"; // int: a dialog or page id
inline constexpr char kCmdIdProperty[] = "cmdId";       // int: a menu command's id

// Marks a widget as the control with the given id.
void SetControlId(QWidget* widget, int controlId);
// Marks a label as a static text without an id of its own: all of them in a
// dialog share the key 65535. Labels that show changing content get no id (or
// an id of their own) and are never translated.
void SetStaticTextId(QWidget* widget);
// Marks a widget as the dialog (or property page) with the given id.
void SetDialogId(QWidget* widget, int dialogId);
// Marks an action as the menu command with the given id.
void SetCommandId(QAction* action, int commandId);

// Translates a dialog: the window title from the caption key, then every
// control of the dialog that shows a non-empty text (labels, buttons, group
// boxes, line edits) from the key of its control id; widgets without an id
// are left alone. Widgets inside a nested
// widget that carries its own dialog id belong to that dialog and are left
// alone. Returns the number of controls looked up.
int TranslateDialog(const CLang& lang, QWidget* dialog, int dialogId);

// The tab title of a property page, or the fallback when the language file
// gives none.
QString TranslatedPageTitle(const CLang& lang, int dialogId, const QString& fallback);

// An interface string through the language file, as a QString (see
// CLang::LoadString).
QString TranslatedString(const CLang& lang, unsigned id);

// Translates the main menu: each top-level menu by its position, each item of
// its submenu that carries a command id by that id; separators are skipped.
void TranslateMenuBar(const CLang& lang, QMenuBar* menuBar);

} // namespace mienlore

#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

// Alt letters of the buttons of a window. When a window is first shown, every push button,
// check box and radio button on it whose text has no "&" of its own gets one: a letter or digit
// of its text that no other control that can be seen at the same time uses (controls on
// different pages of one tab control can share a letter), nor any menu of the window's bar.
// Common captions get the same letter in every window ("OK" O, "Cancel" C, "Close" C, "Set" S,
// "Refresh" R, ...); the others take the first free letter of a word start, else the first
// free letter of the text. A text that already holds "&" keeps it and takes its letter first.
//
// The text a program or a user reads (Caption) stays without the added "&": only the shown
// text carries it.
namespace TMnemonics {

// Gives the buttons of `window` their letters; later caption changes keep one (SetText).
void Assign(QWidget* window);

// Sets a button's text; on a window that has its letters, the button gets one again.
void SetText(QAbstractButton* button, const QString& text);

// A button's text without the "&" added here.
QString PlainText(const QAbstractButton* button);

// The letter (lower case) a text's "&" marks; a null character when it has none ("&&" is a
// plain "&").
QChar MnemonicOf(const QString& text);

} // namespace TMnemonics

#pragma once

#include <string>

class QWidget;
class TCheckBox;
class TEdit;

// Masks a field that holds a secret (a key, a password) and puts a "Show" box beside it that
// shows the text while it is ticked. The text itself is read and written as before.
TCheckBox* MaskSecret(TEdit* edit, QWidget* parent, const char* name, int left, int top);

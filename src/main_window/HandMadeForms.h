#pragma once

#include <memory>
#include <string>

class QWidget;
class TForm;

// Creates the hand-made window a menu entry names by its class, owned by `owner`, ready to be
// shown modally; none for a class that opens differently (the settings dialog and the
// spanning-tree window, which the main window opens itself) or that this build lacks.
std::unique_ptr<TForm> CreateHandMadeForm(const std::string& className, QWidget* owner);
// Whether CreateHandMadeForm knows the class.
bool HasHandMadeForm(const std::string& className);

#pragma once

#include "shell/QxError.h"
#include "shell/QxMessages.h"

// The errors of the bindings, -517 to -522 (bad part syntax, bad part value, bit or byte out
// of range, no option list, bad control type, too few controls), carry the framework texts of
// their meaning, which stand two entries before their numbers in the framework table.
inline QxError BindingError(int n) {
    return QxError(QxMessages::Framework(n - 2), QxMessages::FrameworkCode(n));
}

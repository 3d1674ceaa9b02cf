#include "vocab/QxOptionTables.h"

#pragma once

#include "vocab/QxOptionList.h"

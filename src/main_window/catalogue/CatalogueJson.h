#pragma once

#include <string>

// The whole menu catalogue as one JSON array (UTF-8), for scripts that check or document the
// pages: one object per visible leaf entry in menu order, with its menu path, handler, caption
// prefix, shape, hand-made form and form size, and for generated pages every page with its
// list parameters, row status, adjustments (as the catalogue writes them) and descriptor rows.
// The option lists are built during static initialisation: call it from `main` or later.
std::string CatalogueJson();

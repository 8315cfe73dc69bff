#pragma once
// The disc check moved into the library; the catalog tool still names it here.
#include "author/DiscCheck.h"

#pragma once
// Sorting and the search filter, for files that include both through this one header.

#include "catalogue/search.h"
#include "catalogue/sorting.h"

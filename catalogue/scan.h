#pragma once
// The refresh: rebuilding the whole catalogue from the working folder.

#include "catalogue/tree_scan.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

class CatalogueModel;
class UiHooks;

// Rebuilds `list` from the working folder `folder` (an absolute path): releases every row, walks the tree
// depth first on worker threads reading every catalogue file (a folder already entered during
// the same walk, through a link say, is not entered again; a folder that cannot be read is
// skipped), fills the list as the rows come, sorts, selects and focuses row 0 and updates the
// status through `window`. Esc (through the window's hooks) ends the walk early; the rows found
// stay. Returns the working folder: `folder`, normalised.
QString RefreshCatalogue(CatalogueModel& list, UiHooks& window, const QString& folder);

// The start of every refill of the list, the refill guard held: releases every row, turns the
// filter off, empties the panel and shows "Press [Esc] to abort". Returns `folder` normalised.
QString BeginRefill(CatalogueModel& list, UiHooks& window, const QString& folder);
// The closing sort of a refill (rows equal in it keep the order `walkOrder` gives them, or
// the order they stand in), worked out beside this thread and applied in slices while the
// window is looked after.
void SortRefilledList(CatalogueModel& list, UiHooks& window,
                      const std::vector<std::uint64_t>* walkOrder);

// The refresh's reading of one file the walk found: its row, read on a reader thread into that
// thread's own summary; no row when the file vanished or the scan was stopped during the read.
std::optional<Entry> ReadFoundFileRow(NativeFile& file, const FoundFile& found,
                                      const std::atomic<bool>& stop);

// 1 when the name has at least three characters and ends in "zuf" or "tab" (any case), else 0.
int IsCatalogueFile(QStringView name);

#pragma once
// The refresh: rebuilding the whole catalogue from the working folder.

#include <QString>
#include <QStringView>

// Rebuilds the catalogue from the process's current directory: releases every row, walks the
// tree depth first reading every catalogue file, sorts, selects and focuses row 0 and updates
// the status. Esc (through the window's hooks) ends the walk early; the rows found stay.
// Returns 1.
int RefreshCatalogue();

// Visits one folder and, depth first, every folder below it, appending a row for each
// catalogue file. A folder already entered during the same walk (through a link, say) is not
// entered again; a folder that cannot be read is skipped.
void ScanFolder(const QString& folder);

// 1 when the name has at least three characters and ends in "zuf" or "tab" (any case), else 0.
int IsCatalogueFile(QStringView name);

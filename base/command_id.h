#pragma once
// The commands of the program, one number each, shared by the window's command table and the
// file operations. The numbers are the old program's command numbers: the tooltips and the
// verbs of the file operations are the string table's texts at (command - 100).

enum class CommandId : int {
    None = 0, // a separator in the toolbar's and the drop-down's lists
    FolderBox = 13,
    BrowseFolders = 101,
    MoveFiles = 102,
    CopyFiles = 103,
    RenameFiles = 104,
    DeleteFiles = 105,
    CreateReport = 106,
    EditInformation = 107,
    RunEditor = 108,
    Search = 109,
    Filter = 110,
    Exit = 111,
    About = 112,
    Undo = 113,              // take back the last batch (Ctrl+Z)
    DeletePermanently = 114, // Delete Files without the trash (Shift+Delete in the list)
    RenameByPattern = 115,   // rename and file the selected files by a pattern
    InformationFromNames = 116, // the information of the selected files from their names
    FindDuplicates = 119,       // the listed files that are the same piece
    ExportList = 120,           // the list to a CSV table, a web page or JSON
    RunViewer = 132,
    Options = 200,
};

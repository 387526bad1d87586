<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ZUF File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZUF File Manager v%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogues, searches and tidies folder trees of
ZUF tablature files of both generations.
Written with C++ and Qt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Matches the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Does not match the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad or unreadable file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the program&apos;s name and version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZUF File Manager: lists, searches, renames and tidies folder trees of ZUF tablature files.
Without an argument it opens on the working folder of the last run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder to open, or a file to open selected in its folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[FILE|FOLDER]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one file or folder can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;zuffile --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Browse Folders...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name by Pattern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create re&amp;port...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit ZUF Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Information from Names...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &amp;Strumlex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ZUF File Manager...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &amp;ZUF View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZUF File &amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Strumlex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit ZUF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename by Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information from Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZUF File Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Dup&amp;licates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfirmationDialog</name>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>To &amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same &amp;title and author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same &amp;content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All but the &amp;Newest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All but the &amp;Oldest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All but the &amp;Largest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparing titles and authors...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n group(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n file(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 groups are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZUF files</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) written to
%1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1
has NOT been written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected rows (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;All rows shown (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Byte-order mark (for spreadsheet programs on Windows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBatch</name>
    <message>
        <source>%1 to %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Can&apos;t copy: %2
To: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The original stays: %2
The copy was made: %3
The list shows both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 permanently?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: it is on another drive than the trash (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
This file cannot be moved to the trash%2
Delete it permanently?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message numerus="yes">
        <source>%n file(s) could not be renamed or moved:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileReader</name>
    <message>
        <source>Can&apos;t open file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty ZUF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad ZUF File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoBatch</name>
    <message numerus="yes">
        <source>(different in %n files)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoBatchDialog</name>
    <message>
        <source>ABC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty this field in every file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear in Every File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Each File&apos;s Own Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty in every file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each file&apos;s own text, then %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will not be written:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoEdit</name>
    <message>
        <source>%1
The information has not been saved: the file is not an intact ZUF file of the older generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>newer generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad or empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoEditDialog</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>File information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>No program is set for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
A Windows program is started through wine, which is not installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Set the program&apos;s path in the menu under &quot;ZUF File Options...&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select new working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>The pattern is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pattern names no field to fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two fields need text between them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 appears twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamesInfoDialog</name>
    <message>
        <source>Information from Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) do not match the pattern.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) cannot be written.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesPreviewModel</name>
    <message>
        <source>does not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewFolderDialog</name>
    <message>
        <source>Create Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>ZUF File Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List &amp;Preferences:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strumlex + ZUFView &amp;Paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for ZufView</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Strumlex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executable files (*.exe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Executable files (*.exe);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid &amp;Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Track Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Header Drag and Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full &amp;Row Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat &amp;Scrollbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ooltips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu&amp;ning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Module %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format
Measures
Time Signature
Key Signature</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatternRenameDialog</name>
    <message>
        <source>Rename by Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;umber files that would get the same name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove folders the renaming leaves &amp;empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders go below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To rename: %1, to move: %2, unchanged: %3, cannot be done: %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefusedFilesModel</name>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why not</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Rename</name>
    <message>
        <source>%1
A new name must not contain &quot;%2&quot;: renaming never moves a file to another folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
already exists in
%2
Rename anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenameFileDialog</name>
    <message>
        <source>Rename File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>abc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move First &amp;Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check duplicated names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenamePattern</name>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another selected file gets the same name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file of that name exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name would be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path would be too long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A field is missing: the file is bad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pattern is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional parts in [ ] cannot be nested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This ] closes no optional part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This [ has no ] to close it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RenamePreviewModel</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1
already exists.
Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is too long for the clipboard:
%1 of %2 rows have been left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
has been successfully created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
has NOT been created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Path (Path+Name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First module T&amp;uning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to &amp;Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <source>Found: %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press [Esc] to abort</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search in Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case Sensitivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Focused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found: %1 file(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total: %1 file(s)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBarWidget</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focused row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File count</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Undo left these files as they are:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not restorable here: restore it from the Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed after the batch (size or last-write time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is taken by another file now; the file stays in the trash: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is taken by another file now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

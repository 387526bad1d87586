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
    <name>InfoPanel</name>
    <message>
        <source>File information</source>
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
    <name>StatusBarWidget</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

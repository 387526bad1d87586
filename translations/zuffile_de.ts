<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ZUF File Manager</source>
        <translation>Über ZUF File Manager</translation>
    </message>
    <message>
        <source>ZUF File Manager v%1</source>
        <translation>ZUF File Manager v%1</translation>
    </message>
    <message>
        <source>Catalogues, searches and tidies folder trees of
ZUF tablature files of both generations.
Written with C++ and Qt.</source>
        <translation>Katalogisiert, durchsucht und ordnet Ordnerbäume
mit ZUF-Tabulaturdateien beider Generationen.
Geschrieben mit C++ und Qt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Matches the search</source>
        <translation>Entspricht der Suche</translation>
    </message>
    <message>
        <source>Does not match the search</source>
        <translation>Entspricht nicht der Suche</translation>
    </message>
    <message>
        <source>Bad or unreadable file</source>
        <translation>Fehlerhafte oder unlesbare Datei</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Stimmung</translation>
    </message>
</context>
<context>
    <name>CommandKeys</name>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Strg+R</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Strg+Umschalt+R</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Strg+F</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints this help and exits.</source>
        <translation>Gibt diese Hilfe aus und beendet das Programm.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s name and version and exits.</source>
        <translation>Gibt Namen und Version des Programms aus und beendet es.</translation>
    </message>
    <message>
        <source>ZUF File Manager: lists, searches, renames and tidies folder trees of ZUF tablature files.
Without an argument it opens on the working folder of the last run.</source>
        <translation>ZUF File Manager: listet, durchsucht, benennt um und ordnet Ordnerbäume mit ZUF-Tabulaturdateien.
Ohne Argument öffnet er den Arbeitsordner des letzten Laufs.</translation>
    </message>
    <message>
        <source>A folder to open, or a file to open selected in its folder.</source>
        <translation>Ein zu öffnender Ordner oder eine Datei, die in ihrem Ordner ausgewählt geöffnet wird.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]</source>
        <translation>[DATEI|ORDNER]</translation>
    </message>
    <message>
        <source>Only one file or folder can be opened.</source>
        <translation>Es kann nur eine Datei oder ein Ordner geöffnet werden.</translation>
    </message>
    <message>
        <source>Try &apos;zuffile --help&apos;.</source>
        <translation>„zuffile --help“ gibt weitere Informationen.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Browse Folders...</source>
        <translation>Ordner &amp;auswählen...</translation>
    </message>
    <message>
        <source>&amp;Move Files...</source>
        <translation>Dateien &amp;verschieben...</translation>
    </message>
    <message>
        <source>&amp;Copy Files...</source>
        <translation>Dateien &amp;kopieren...</translation>
    </message>
    <message>
        <source>&amp;Rename Files...</source>
        <translation>Dateien &amp;umbenennen...</translation>
    </message>
    <message>
        <source>Re&amp;name by Pattern...</source>
        <translation>Nach &amp;Muster umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete Files</source>
        <translation>Dateien &amp;löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Create re&amp;port...</source>
        <translation>&amp;Bericht erstellen...</translation>
    </message>
    <message>
        <source>Edit ZUF Information</source>
        <translation>ZUF-Informationen bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Information from Names...</source>
        <translation>&amp;Informationen aus Namen...</translation>
    </message>
    <message>
        <source>Run &amp;Strumlex</source>
        <translation>&amp;Strumlex starten</translation>
    </message>
    <message>
        <source>&amp;Search Files...</source>
        <translation>Dateien such&amp;en...</translation>
    </message>
    <message>
        <source>&amp;Filter on/off</source>
        <translation>&amp;Filter ein/aus</translation>
    </message>
    <message>
        <source>&amp;About ZUF File Manager...</source>
        <translation>&amp;Über ZUF File Manager...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Run &amp;ZUF View</source>
        <translation>&amp;ZUF View starten</translation>
    </message>
    <message>
        <source>ZUF File &amp;Options...</source>
        <translation>&amp;Optionen von ZUF File...</translation>
    </message>
    <message>
        <source>Browse Folders</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Create report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Run Strumlex</source>
        <translation>Strumlex starten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Filter on/off</source>
        <translation>Filter ein/aus</translation>
    </message>
    <message>
        <source>Exit ZUF File</source>
        <translation>ZUF File beenden</translation>
    </message>
    <message>
        <source>Rename by Pattern</source>
        <translation>Nach Muster umbenennen</translation>
    </message>
    <message>
        <source>Information from Names</source>
        <translation>Informationen aus Namen</translation>
    </message>
    <message>
        <source>ZUF File Options</source>
        <translation>Optionen von ZUF File</translation>
    </message>
    <message>
        <source>Find Dup&amp;licates...</source>
        <translation>&amp;Doppelte Dateien finden...</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>Liste e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Doppelte Dateien finden</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
</context>
<context>
    <name>ConfirmationDialog</name>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>To &amp;Folder:</source>
        <translation>In &amp;Ordner:</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Neuer Ordner...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FileBatch</name>
    <message>
        <source>%1 to %2?</source>
        <translation>%1 nach %2?</translation>
    </message>
    <message>
        <source>%1
Can&apos;t copy: %2
To: %3</source>
        <translation>%1
Kopieren nicht möglich: %2
Nach: %3</translation>
    </message>
    <message>
        <source>%1
The original stays: %2
The copy was made: %3
The list shows both.</source>
        <translation>%1
Das Original bleibt erhalten: %2
Die Kopie wurde angelegt: %3
Die Liste zeigt beide.</translation>
    </message>
    <message>
        <source>%1 permanently?</source>
        <translation>%1 – endgültig?</translation>
    </message>
    <message>
        <source>: it is on another drive than the trash (%1)</source>
        <translation>: sie liegt auf einem anderen Laufwerk als der Papierkorb (%1)</translation>
    </message>
    <message>
        <source>%1
This file cannot be moved to the trash%2
Delete it permanently?</source>
        <translation>%1
Diese Datei kann nicht in den Papierkorb verschoben werden%2
Endgültig löschen?</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message numerus="yes">
        <source>%n file(s) could not be renamed or moved:</source>
        <translation>
            <numerusform>%n Datei konnte nicht umbenannt oder verschoben werden:</numerusform>
            <numerusform>%n Dateien konnten nicht umbenannt oder verschoben werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy the %n dropped file(s) into %1, or move them there?</source>
        <translation>
            <numerusform>Die %n abgelegte Datei nach %1 kopieren oder dorthin verschieben?</numerusform>
            <numerusform>Die %n abgelegten Dateien nach %1 kopieren oder dorthin verschieben?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Here</source>
        <translation>Hierher &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>Hierher &amp;verschieben</translation>
    </message>
</context>
<context>
    <name>FileReader</name>
    <message>
        <source>Can&apos;t open file</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Empty ZUF File</source>
        <translation>Leere ZUF-Datei</translation>
    </message>
    <message>
        <source>Bad ZUF File</source>
        <translation>Fehlerhafte ZUF-Datei</translation>
    </message>
</context>
<context>
    <name>InfoBatch</name>
    <message numerus="yes">
        <source>(different in %n files)</source>
        <translation>
            <numerusform>(verschieden in %n Datei)</numerusform>
            <numerusform>(verschieden in %n Dateien)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written:</source>
        <translation>
            <numerusform>%n Datei konnte nicht geschrieben werden:</numerusform>
            <numerusform>%n Dateien konnten nicht geschrieben werden:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoBatchDialog</name>
    <message>
        <source>ABC</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>abc</source>
        <translation>abc</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message>
        <source>(&quot;)</source>
        <translation>(&quot;)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation>&amp;Untertitel:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Kommentare:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation>In Dateien speichern</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Empty this field in every file</source>
        <translation>Dieses Feld in jeder Datei leeren</translation>
    </message>
    <message>
        <source>&amp;Clear in Every File</source>
        <translation>In jeder Datei &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Keep Each File&apos;s Own Text</source>
        <translation>&amp;Eigenen Text jeder Datei behalten</translation>
    </message>
    <message>
        <source>(empty in every file)</source>
        <translation>(in jeder Datei leer)</translation>
    </message>
    <message>
        <source>each file&apos;s own text, then %1</source>
        <translation>eigener Text jeder Datei, dann %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation>
            <numerusform>%n Datei wird geschrieben.</numerusform>
            <numerusform>%n Dateien werden geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation>Dateien werden geprüft: %1 von %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will not be written:</source>
        <translation>
            <numerusform>%n Datei wird nicht geschrieben:</numerusform>
            <numerusform>%n Dateien werden nicht geschrieben:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoEdit</name>
    <message>
        <source>%1
The information has not been saved: the file is not an intact ZUF file of the older generation.</source>
        <translation>%1
Die Informationen wurden nicht gespeichert: Die Datei ist keine intakte ZUF-Datei der älteren Generation.</translation>
    </message>
    <message>
        <source>writable</source>
        <translation>beschreibbar</translation>
    </message>
    <message>
        <source>newer generation</source>
        <translation>neuere Generation</translation>
    </message>
    <message>
        <source>bad or empty</source>
        <translation>fehlerhaft oder leer</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
</context>
<context>
    <name>InfoEditDialog</name>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>abc</source>
        <translation>abc</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message>
        <source>(&quot;)</source>
        <translation>(&quot;)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation>&amp;Untertitel:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Kommentare:</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>No program is set for %1.</source>
        <translation>Für %1 ist kein Programm eingestellt.</translation>
    </message>
    <message>
        <source>%1 was not found:
%2</source>
        <translation>%1 wurde nicht gefunden:
%2</translation>
    </message>
    <message>
        <source>
A Windows program is started through wine, which is not installed.</source>
        <translation>
Ein Windows-Programm wird über wine gestartet, und wine ist nicht installiert.</translation>
    </message>
    <message>
        <source>

Set the program&apos;s path in the menu under &quot;ZUF File Options...&quot;.</source>
        <translation>

Legen Sie den Pfad des Programms im Menü unter „Optionen von ZUF File...“ fest.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Working folder</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <source>Select new working folder</source>
        <translation>Neuen Arbeitsordner auswählen</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>The pattern is empty</source>
        <translation>Das Muster ist leer</translation>
    </message>
    <message>
        <source>The pattern names no field to fill</source>
        <translation>Das Muster nennt kein Feld, das gefüllt werden soll</translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation>Diesem Feld fehlt das abschließende %</translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation>Unbekanntes Feld %1</translation>
    </message>
    <message>
        <source>Two fields need text between them</source>
        <translation>Zwischen zwei Feldern muss Text stehen</translation>
    </message>
    <message>
        <source>The field %1 appears twice</source>
        <translation>Das Feld %1 kommt zweimal vor</translation>
    </message>
</context>
<context>
    <name>NamesInfoDialog</name>
    <message>
        <source>Information from Names</source>
        <translation>Informationen aus Namen</translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation>&amp;Feld einfügen</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation>In Dateien speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (bei Zeichen %2)</translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation>Dateien werden geprüft: %1 von %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation>
            <numerusform>%n Datei wird geschrieben.</numerusform>
            <numerusform>%n Dateien werden geschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) do not match the pattern.</source>
        <translation>
            <numerusform>%n Name passt nicht zum Muster.</numerusform>
            <numerusform>%n Namen passen nicht zum Muster.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) cannot be written.</source>
        <translation>
            <numerusform>%n Datei kann nicht geschrieben werden.</numerusform>
            <numerusform>%n Dateien können nicht geschrieben werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesPreviewModel</name>
    <message>
        <source>does not match</source>
        <translation>passt nicht</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>Not written</source>
        <translation>Nicht geschrieben</translation>
    </message>
</context>
<context>
    <name>NewFolderDialog</name>
    <message>
        <source>Create Directory</source>
        <translation>Ordner erstellen</translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation>&amp;Stammordner:</translation>
    </message>
    <message>
        <source>&amp;New Folder:</source>
        <translation>&amp;Neuer Ordner:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>ZUF File Options</source>
        <translation>Optionen von ZUF File</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>Spalt&amp;en:</translation>
    </message>
    <message>
        <source>List &amp;Preferences:</source>
        <translation>Listen-Ei&amp;nstellungen:</translation>
    </message>
    <message>
        <source>Strumlex + ZUFView &amp;Paths</source>
        <translation>Pfade zu Strumlex + ZUF&amp;View</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Standard&amp;werte</translation>
    </message>
    <message>
        <source>Search for ZufView</source>
        <translation>ZufView suchen</translation>
    </message>
    <message>
        <source>Search for Strumlex</source>
        <translation>Strumlex suchen</translation>
    </message>
    <message>
        <source>Executable files (*.exe)</source>
        <translation>Ausführbare Dateien (*.exe)</translation>
    </message>
    <message>
        <source>Executable files (*.exe);;All files (*)</source>
        <translation>Ausführbare Dateien (*.exe);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Grid &amp;Lines</source>
        <translation>Gitter&amp;linien</translation>
    </message>
    <message>
        <source>&amp;Track Select</source>
        <translation>Auswahl unter der &amp;Maus</translation>
    </message>
    <message>
        <source>&amp;Header Drag and Drop</source>
        <translation>Spalten&amp;köpfe verschieben</translation>
    </message>
    <message>
        <source>Full &amp;Row Select</source>
        <translation>Ganze &amp;Zeile auswählen</translation>
    </message>
    <message>
        <source>Flat &amp;Scrollbar</source>
        <translation>&amp;Flache Bildlaufleisten</translation>
    </message>
    <message>
        <source>T&amp;ooltips</source>
        <translation>&amp;Tooltips</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <translation>&amp;Pfad</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>T&amp;itel</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>Tu&amp;ning</source>
        <translation>Stimm&amp;ung</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Module %1</source>
        <translation>Modul %1</translation>
    </message>
    <message>
        <source>Format
Measures
Time Signature
Key Signature</source>
        <translation>Format
Takte
Taktart
Tonart</translation>
    </message>
</context>
<context>
    <name>PatternRenameDialog</name>
    <message>
        <source>Rename by Pattern</source>
        <translation>Nach Muster umbenennen</translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation>&amp;Feld einfügen</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Wählen...</translation>
    </message>
    <message>
        <source>As is</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>N&amp;umber files that would get the same name</source>
        <translation>Dateien, die denselben Namen bekämen, &amp;nummerieren</translation>
    </message>
    <message>
        <source>Remove folders the renaming leaves &amp;empty</source>
        <translation>Ordner entfernen, die durch das Umbenennen &amp;leer werden</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>Folders go below:</source>
        <translation>Ordner entstehen unter:</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>&amp;Groß-/Kleinschreibung:</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (bei Zeichen %2)</translation>
    </message>
    <message>
        <source>To rename: %1, to move: %2, unchanged: %3, cannot be done: %4</source>
        <translation>Umzubenennen: %1, zu verschieben: %2, unverändert: %3, nicht möglich: %4</translation>
    </message>
</context>
<context>
    <name>RefusedFilesModel</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Why not</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>Rename</name>
    <message>
        <source>%1
A new name must not contain &quot;%2&quot;: renaming never moves a file to another folder.</source>
        <translation>%1
Ein neuer Name darf „%2“ nicht enthalten: Umbenennen verschiebt eine Datei nie in einen anderen Ordner.</translation>
    </message>
    <message>
        <source>%1
already exists in
%2
Rename anyway?</source>
        <translation>%1
existiert bereits in
%2
Trotzdem umbenennen?</translation>
    </message>
</context>
<context>
    <name>RenameFileDialog</name>
    <message>
        <source>Rename File</source>
        <translation>Datei umbenennen</translation>
    </message>
    <message>
        <source>ABC</source>
        <translation>ABC</translation>
    </message>
    <message>
        <source>abc</source>
        <translation>abc</translation>
    </message>
    <message>
        <source>Abc</source>
        <translation>Abc</translation>
    </message>
    <message>
        <source>Move First &amp;Word</source>
        <translation>Erstes &amp;Wort verschieben</translation>
    </message>
    <message>
        <source>Check duplicated names</source>
        <translation>Doppelte Namen prüfen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Über&amp;springen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RenamePattern</name>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Another selected file gets the same name</source>
        <translation>Eine andere ausgewählte Datei erhält denselben Namen</translation>
    </message>
    <message>
        <source>A file of that name exists</source>
        <translation>Eine Datei dieses Namens existiert</translation>
    </message>
    <message>
        <source>The name would be empty</source>
        <translation>Der Name wäre leer</translation>
    </message>
    <message>
        <source>The path would be too long</source>
        <translation>Der Pfad wäre zu lang</translation>
    </message>
    <message>
        <source>A field is missing: the file is bad</source>
        <translation>Ein Feld fehlt: Die Datei ist fehlerhaft</translation>
    </message>
    <message>
        <source>The pattern is empty</source>
        <translation>Das Muster ist leer</translation>
    </message>
    <message>
        <source>Optional parts in [ ] cannot be nested</source>
        <translation>Optionale Teile in [ ] können nicht verschachtelt werden</translation>
    </message>
    <message>
        <source>This ] closes no optional part</source>
        <translation>Dieses ] schließt keinen optionalen Teil</translation>
    </message>
    <message>
        <source>This [ has no ] to close it</source>
        <translation>Diesem [ fehlt das schließende ]</translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation>Diesem Feld fehlt das abschließende %</translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation>Unbekanntes Feld %1</translation>
    </message>
</context>
<context>
    <name>RenamePreviewModel</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Was geschieht</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1
already exists.
Replace it?</source>
        <translation>%1
existiert bereits.
Ersetzen?</translation>
    </message>
    <message>
        <source>The report is too long for the clipboard:
%1 of %2 rows have been left out.</source>
        <translation>Der Bericht ist zu lang für die Zwischenablage:
%1 von %2 Zeilen wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1
has been successfully created</source>
        <translation>%1
wurde erfolgreich erstellt</translation>
    </message>
    <message>
        <source>%1
has NOT been created</source>
        <translation>%1
wurde NICHT erstellt</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation>Datei&amp;pfad</translation>
    </message>
    <message>
        <source>File &amp;Name</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <source>&amp;Full Path (Path+Name)</source>
        <translation>&amp;Vollständiger Pfad (Pfad+Name)</translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation>Datei&amp;größe</translation>
    </message>
    <message>
        <source>File &amp;Date</source>
        <translation>Datei&amp;datum</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>First module T&amp;uning</source>
        <translation>St&amp;immung des ersten Moduls</translation>
    </message>
    <message>
        <source>Copy to &amp;Clipboard</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save to &amp;File</source>
        <translation>Als Datei &amp;speichern</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <source>Found: %1 files</source>
        <translation>Gefunden: %1 Dateien</translation>
    </message>
    <message>
        <source>Press [Esc] to abort</source>
        <translation>Abbrechen mit [Esc]</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search in Information</source>
        <translation>In Informationen suchen</translation>
    </message>
    <message>
        <source>&amp;Case Sensitivity</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Focused: %1</source>
        <translation>Fokus: %1</translation>
    </message>
    <message>
        <source>Selected: %1 file</source>
        <translation>Auswahl: %1 Datei</translation>
    </message>
    <message>
        <source>Selected: %1 files</source>
        <translation>Auswahl: %1 Dateien</translation>
    </message>
    <message>
        <source>Found: %1 file(s)</source>
        <translation>Treffer: %1 Datei(en)</translation>
    </message>
    <message>
        <source>Total: %1 file(s)</source>
        <translation>Gesamt: %1 Datei(en)</translation>
    </message>
    <message>
        <source>Shown: %1 of %2</source>
        <translation>Sichtbar: %1 von %2</translation>
    </message>
</context>
<context>
    <name>StatusBarWidget</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Arbeitsordner</translation>
    </message>
    <message>
        <source>Focused row</source>
        <translation>Zeile mit Fokus</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>File count</source>
        <translation>Anzahl der Dateien</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Undo left these files as they are:
</source>
        <translation>Rückgängig hat diese Dateien unverändert gelassen:
</translation>
    </message>
    <message>
        <source>not restorable here: restore it from the Recycle Bin</source>
        <translation>hier nicht wiederherstellbar: Stellen Sie sie aus dem Papierkorb wieder her</translation>
    </message>
    <message>
        <source>changed after the batch (size or last-write time)</source>
        <translation>nach dem Vorgang geändert (Größe oder Zeit des letzten Schreibens)</translation>
    </message>
    <message>
        <source>the name is taken by another file now; the file stays in the trash: %1</source>
        <translation>der Name gehört jetzt einer anderen Datei; die Datei bleibt im Papierkorb: %1</translation>
    </message>
    <message>
        <source>%1 is taken by another file now</source>
        <translation>%1 gehört jetzt einer anderen Datei</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Doppelte Dateien finden</translation>
    </message>
    <message>
        <source>Same &amp;title and author</source>
        <translation>Gleicher &amp;Titel und Autor</translation>
    </message>
    <message>
        <source>Same &amp;content</source>
        <translation>Gleicher &amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Select All but the &amp;Newest</source>
        <translation>Alle außer der &amp;neuesten auswählen</translation>
    </message>
    <message>
        <source>Select All but the &amp;Oldest</source>
        <translation>Alle außer der &amp;ältesten auswählen</translation>
    </message>
    <message>
        <source>Select All but the &amp;Largest</source>
        <translation>Alle außer der &amp;größten auswählen</translation>
    </message>
    <message>
        <source>Reading the files...</source>
        <translation>Dateien werden gelesen...</translation>
    </message>
    <message>
        <source>Comparing titles and authors...</source>
        <translation>Titel und Autoren werden verglichen...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Keine Duplikate gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s)</source>
        <translation>
            <numerusform>%n Gruppe</numerusform>
            <numerusform>%n Gruppen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n file(s).</source>
        <translation>
            <numerusform>aus %n Datei.</numerusform>
            <numerusform>aus %n Dateien.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 groups are listed.</source>
        <translation>Die ersten %1 Gruppen werden angezeigt.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden.</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Comments</source>
        <translation>Kommentare</translation>
    </message>
    <message>
        <source>ZUF files</source>
        <translation>ZUF-Dateien</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) written to
%1</source>
        <translation>
            <numerusform>%n Zeile geschrieben nach
%1</numerusform>
            <numerusform>%n Zeilen geschrieben nach
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
has NOT been written:
%2</source>
        <translation>%1
wurde NICHT geschrieben:
%2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>&amp;Selected rows (%1)</source>
        <translation>&amp;Ausgewählte Zeilen (%1)</translation>
    </message>
    <message>
        <source>&amp;All rows shown (%1)</source>
        <translation>A&amp;lle angezeigten Zeilen (%1)</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Zeilen:</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Byte-order mark (for spreadsheet programs on Windows)</source>
        <translation>&amp;Byte-Order-Mark (für Tabellenkalkulationen unter Windows)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exporting the list</source>
        <translation>Die Liste wird exportiert</translation>
    </message>
</context>
</TS>

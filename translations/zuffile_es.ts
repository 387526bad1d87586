<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ZUF File Manager</source>
        <translation>Acerca de ZUF File Manager</translation>
    </message>
    <message>
        <source>ZUF File Manager v%1</source>
        <translation>ZUF File Manager v%1</translation>
    </message>
    <message>
        <source>Catalogues, searches and tidies folder trees of
ZUF tablature files of both generations.
Written with C++ and Qt.</source>
        <translation>Cataloga, busca y ordena árboles de carpetas
con archivos de tablatura ZUF de ambas generaciones.
Escrito en C++ con Qt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Matches the search</source>
        <translation>Coincide con la búsqueda</translation>
    </message>
    <message>
        <source>Does not match the search</source>
        <translation>No coincide con la búsqueda</translation>
    </message>
    <message>
        <source>Bad or unreadable file</source>
        <translation>Archivo dañado o ilegible</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Afinación</translation>
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
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Mayús+R</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints this help and exits.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s name and version and exits.</source>
        <translation>Muestra el nombre y la versión del programa y termina.</translation>
    </message>
    <message>
        <source>ZUF File Manager: lists, searches, renames and tidies folder trees of ZUF tablature files.
Without an argument it opens on the working folder of the last run.</source>
        <translation>ZUF File Manager: lista, busca, renombra y ordena árboles de carpetas con archivos de tablatura ZUF.
Sin argumentos se abre en la carpeta de trabajo de la última ejecución.</translation>
    </message>
    <message>
        <source>A folder to open, or a file to open selected in its folder.</source>
        <translation>Una carpeta que abrir, o un archivo que abrir seleccionado en su carpeta.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]</source>
        <translation>[ARCHIVO|CARPETA]</translation>
    </message>
    <message>
        <source>Only one file or folder can be opened.</source>
        <translation>Solo se puede abrir un archivo o una carpeta.</translation>
    </message>
    <message>
        <source>Try &apos;zuffile --help&apos;.</source>
        <translation>Pruebe &apos;zuffile --help&apos; para más información.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Browse Folders...</source>
        <translation>&amp;Examinar carpetas...</translation>
    </message>
    <message>
        <source>&amp;Move Files...</source>
        <translation>&amp;Mover archivos...</translation>
    </message>
    <message>
        <source>&amp;Copy Files...</source>
        <translation>&amp;Copiar archivos...</translation>
    </message>
    <message>
        <source>&amp;Rename Files...</source>
        <translation>&amp;Renombrar archivos...</translation>
    </message>
    <message>
        <source>Re&amp;name by Pattern...</source>
        <translation>Renombrar según &amp;patrón...</translation>
    </message>
    <message>
        <source>&amp;Delete Files</source>
        <translation>E&amp;liminar archivos</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Create re&amp;port...</source>
        <translation>Crear &amp;informe...</translation>
    </message>
    <message>
        <source>Edit ZUF Information</source>
        <translation>Editar información ZUF</translation>
    </message>
    <message>
        <source>&amp;Information from Names...</source>
        <translation>Información a partir de los nom&amp;bres...</translation>
    </message>
    <message>
        <source>Run &amp;Strumlex</source>
        <translation>Ejecutar &amp;Strumlex</translation>
    </message>
    <message>
        <source>&amp;Search Files...</source>
        <translation>B&amp;uscar archivos...</translation>
    </message>
    <message>
        <source>&amp;Filter on/off</source>
        <translation>&amp;Filtro activado/desactivado</translation>
    </message>
    <message>
        <source>&amp;About ZUF File Manager...</source>
        <translation>&amp;Acerca de ZUF File Manager...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>Run &amp;ZUF View</source>
        <translation>Ejecutar &amp;ZUF View</translation>
    </message>
    <message>
        <source>ZUF File &amp;Options...</source>
        <translation>&amp;Opciones de ZUF File...</translation>
    </message>
    <message>
        <source>Browse Folders</source>
        <translation>Examinar carpetas</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Create report</source>
        <translation>Crear informe</translation>
    </message>
    <message>
        <source>Run Strumlex</source>
        <translation>Ejecutar Strumlex</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Filter on/off</source>
        <translation>Filtro activado/desactivado</translation>
    </message>
    <message>
        <source>Exit ZUF File</source>
        <translation>Salir de ZUF File</translation>
    </message>
    <message>
        <source>Rename by Pattern</source>
        <translation>Renombrar según patrón</translation>
    </message>
    <message>
        <source>Information from Names</source>
        <translation>Información a partir de los nombres</translation>
    </message>
    <message>
        <source>ZUF File Options</source>
        <translation>Opciones de ZUF File</translation>
    </message>
    <message>
        <source>Find Dup&amp;licates...</source>
        <translation>Buscar &amp;duplicados...</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>E&amp;xportar lista...</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exportar lista</translation>
    </message>
</context>
<context>
    <name>ConfirmationDialog</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todos</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>To &amp;Folder:</source>
        <translation>A la &amp;carpeta:</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Nueva carpeta...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>FileBatch</name>
    <message>
        <source>%1 to %2?</source>
        <translation>¿%1 a %2?</translation>
    </message>
    <message>
        <source>%1
Can&apos;t copy: %2
To: %3</source>
        <translation>%1
No se puede copiar: %2
A: %3</translation>
    </message>
    <message>
        <source>%1
The original stays: %2
The copy was made: %3
The list shows both.</source>
        <translation>%1
El original se conserva: %2
Se ha hecho la copia: %3
La lista muestra ambos.</translation>
    </message>
    <message>
        <source>%1 permanently?</source>
        <translation>¿%1 definitivamente?</translation>
    </message>
    <message>
        <source>: it is on another drive than the trash (%1)</source>
        <translation>: está en otra unidad que la papelera (%1)</translation>
    </message>
    <message>
        <source>%1
This file cannot be moved to the trash%2
Delete it permanently?</source>
        <translation>%1
Este archivo no se puede mover a la papelera%2
¿Eliminarlo definitivamente?</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message numerus="yes">
        <source>%n file(s) could not be renamed or moved:</source>
        <translation>
            <numerusform>No se ha podido renombrar ni mover %n archivo:</numerusform>
            <numerusform>No se han podido renombrar ni mover %n archivos:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy the %n dropped file(s) into %1, or move them there?</source>
        <translation>
            <numerusform>¿Copiar el archivo soltado (%n) en %1 o moverlo allí?</numerusform>
            <numerusform>¿Copiar los %n archivos soltados en %1 o moverlos allí?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Copiar aquí</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Mover aquí</translation>
    </message>
</context>
<context>
    <name>FileReader</name>
    <message>
        <source>Can&apos;t open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Empty ZUF File</source>
        <translation>Archivo ZUF vacío</translation>
    </message>
    <message>
        <source>Bad ZUF File</source>
        <translation>Archivo ZUF dañado</translation>
    </message>
</context>
<context>
    <name>InfoBatch</name>
    <message numerus="yes">
        <source>(different in %n files)</source>
        <translation>
            <numerusform>(distinto en %n archivo)</numerusform>
            <numerusform>(distinto en %n archivos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written:</source>
        <translation>
            <numerusform>No se ha podido escribir %n archivo:</numerusform>
            <numerusform>No se han podido escribir %n archivos:</numerusform>
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
        <translation>Información</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation>&amp;Subtítulo:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Comentarios:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation>Guardar en los archivos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Empty this field in every file</source>
        <translation>Vaciar este campo en cada archivo</translation>
    </message>
    <message>
        <source>&amp;Clear in Every File</source>
        <translation>&amp;Vaciar en cada archivo</translation>
    </message>
    <message>
        <source>&amp;Keep Each File&apos;s Own Text</source>
        <translation>&amp;Mantener el texto propio de cada archivo</translation>
    </message>
    <message>
        <source>(empty in every file)</source>
        <translation>(vacío en cada archivo)</translation>
    </message>
    <message>
        <source>each file&apos;s own text, then %1</source>
        <translation>texto propio de cada archivo, luego %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation>
            <numerusform>Se escribirá %n archivo.</numerusform>
            <numerusform>Se escribirán %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation>Comprobando los archivos: %1 de %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will not be written:</source>
        <translation>
            <numerusform>No se escribirá %n archivo:</numerusform>
            <numerusform>No se escribirán %n archivos:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoEdit</name>
    <message>
        <source>%1
The information has not been saved: the file is not an intact ZUF file of the older generation.</source>
        <translation>%1
La información no se ha guardado: el archivo no es un archivo ZUF intacto de la generación anterior.</translation>
    </message>
    <message>
        <source>writable</source>
        <translation>modificable</translation>
    </message>
    <message>
        <source>newer generation</source>
        <translation>generación nueva</translation>
    </message>
    <message>
        <source>bad or empty</source>
        <translation>dañado o vacío</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>solo lectura</translation>
    </message>
    <message>
        <source>written</source>
        <translation>escrito</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
</context>
<context>
    <name>InfoEditDialog</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en el archivo</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation>&amp;Subtítulo:</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Comentarios:</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>File information</source>
        <translation>Información del archivo</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>No program is set for %1.</source>
        <translation>No hay ningún programa configurado para %1.</translation>
    </message>
    <message>
        <source>%1 was not found:
%2</source>
        <translation>No se ha encontrado %1:
%2</translation>
    </message>
    <message>
        <source>
A Windows program is started through wine, which is not installed.</source>
        <translation>
Un programa de Windows se ejecuta mediante wine, que no está instalado.</translation>
    </message>
    <message>
        <source>

Set the program&apos;s path in the menu under &quot;ZUF File Options...&quot;.</source>
        <translation>

Indique la ruta del programa en el menú, en «Opciones de ZUF File...».</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Working folder</source>
        <translation>Carpeta de trabajo</translation>
    </message>
    <message>
        <source>Select new working folder</source>
        <translation>Seleccionar una nueva carpeta de trabajo</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Seleccionar la carpeta de destino</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>The pattern is empty</source>
        <translation>El patrón está vacío</translation>
    </message>
    <message>
        <source>The pattern names no field to fill</source>
        <translation>El patrón no nombra ningún campo que rellenar</translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation>A este campo le falta el % que lo cierra</translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation>Campo desconocido %1</translation>
    </message>
    <message>
        <source>Two fields need text between them</source>
        <translation>Entre dos campos tiene que haber texto</translation>
    </message>
    <message>
        <source>The field %1 appears twice</source>
        <translation>El campo %1 aparece dos veces</translation>
    </message>
</context>
<context>
    <name>NamesInfoDialog</name>
    <message>
        <source>Information from Names</source>
        <translation>Información a partir de los nombres</translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation>Insertar &amp;campo</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Patrón:</translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation>Guardar en los archivos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (en el carácter %2)</translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation>Comprobando los archivos: %1 de %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation>
            <numerusform>Se escribirá %n archivo.</numerusform>
            <numerusform>Se escribirán %n archivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) do not match the pattern.</source>
        <translation>
            <numerusform>%n nombre no coincide con el patrón.</numerusform>
            <numerusform>%n nombres no coinciden con el patrón.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) cannot be written.</source>
        <translation>
            <numerusform>No se puede escribir %n archivo.</numerusform>
            <numerusform>No se pueden escribir %n archivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesPreviewModel</name>
    <message>
        <source>does not match</source>
        <translation>no coincide</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Not written</source>
        <translation>No se escribe</translation>
    </message>
</context>
<context>
    <name>NewFolderDialog</name>
    <message>
        <source>Create Directory</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation>&amp;Raíz:</translation>
    </message>
    <message>
        <source>&amp;New Folder:</source>
        <translation>&amp;Nueva carpeta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>ZUF File Options</source>
        <translation>Opciones de ZUF File</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>&amp;Columnas:</translation>
    </message>
    <message>
        <source>List &amp;Preferences:</source>
        <translation>Preferencias &amp;de la lista:</translation>
    </message>
    <message>
        <source>Strumlex + ZUFView &amp;Paths</source>
        <translation>Rutas de Strumlex + ZUF&amp;View</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>Valores predeterm&amp;inados</translation>
    </message>
    <message>
        <source>Search for ZufView</source>
        <translation>Buscar ZufView</translation>
    </message>
    <message>
        <source>Search for Strumlex</source>
        <translation>Buscar Strumlex</translation>
    </message>
    <message>
        <source>Executable files (*.exe)</source>
        <translation>Archivos ejecutables (*.exe)</translation>
    </message>
    <message>
        <source>Executable files (*.exe);;All files (*)</source>
        <translation>Archivos ejecutables (*.exe);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Grid &amp;Lines</source>
        <translation>&amp;Líneas de cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Track Select</source>
        <translation>Seleccionar al &amp;pasar el ratón</translation>
    </message>
    <message>
        <source>&amp;Header Drag and Drop</source>
        <translation>Arrastrar y soltar &amp;encabezados</translation>
    </message>
    <message>
        <source>Full &amp;Row Select</source>
        <translation>Seleccionar fila co&amp;mpleta</translation>
    </message>
    <message>
        <source>Flat &amp;Scrollbar</source>
        <translation>&amp;Barras de desplazamiento planas</translation>
    </message>
    <message>
        <source>T&amp;ooltips</source>
        <translation>Información sobre &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <translation>&amp;Ruta</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Tít&amp;ulo</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>Tu&amp;ning</source>
        <translation>Afi&amp;nación</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Module %1</source>
        <translation>Módulo %1</translation>
    </message>
    <message>
        <source>Format
Measures
Time Signature
Key Signature</source>
        <translation>Formato
Compases
Compás
Armadura</translation>
    </message>
</context>
<context>
    <name>PatternRenameDialog</name>
    <message>
        <source>Rename by Pattern</source>
        <translation>Renombrar según patrón</translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation>Insertar &amp;campo</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>As is</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>N&amp;umber files that would get the same name</source>
        <translation>&amp;Numerar los archivos que tendrían el mismo nombre</translation>
    </message>
    <message>
        <source>Remove folders the renaming leaves &amp;empty</source>
        <translation>Eliminar las carpetas que el cambio de nombre deje &amp;vacías</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Patrón:</translation>
    </message>
    <message>
        <source>Folders go below:</source>
        <translation>Las carpetas van bajo:</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>&amp;Mayúsculas:</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Seleccionar la carpeta de destino</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (en el carácter %2)</translation>
    </message>
    <message>
        <source>To rename: %1, to move: %2, unchanged: %3, cannot be done: %4</source>
        <translation>Para renombrar: %1, para mover: %2, sin cambios: %3, imposibles: %4</translation>
    </message>
</context>
<context>
    <name>RefusedFilesModel</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Why not</source>
        <translation>Motivo</translation>
    </message>
</context>
<context>
    <name>Rename</name>
    <message>
        <source>%1
A new name must not contain &quot;%2&quot;: renaming never moves a file to another folder.</source>
        <translation>%1
Un nombre nuevo no debe contener «%2»: renombrar nunca mueve un archivo a otra carpeta.</translation>
    </message>
    <message>
        <source>%1
already exists in
%2
Rename anyway?</source>
        <translation>%1
ya existe en
%2
¿Renombrar de todos modos?</translation>
    </message>
</context>
<context>
    <name>RenameFileDialog</name>
    <message>
        <source>Rename File</source>
        <translation>Renombrar archivo</translation>
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
        <translation>Mover la primera &amp;palabra</translation>
    </message>
    <message>
        <source>Check duplicated names</source>
        <translation>Comprobar nombres duplicados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RenamePattern</name>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Another selected file gets the same name</source>
        <translation>Otro archivo seleccionado recibe el mismo nombre</translation>
    </message>
    <message>
        <source>A file of that name exists</source>
        <translation>Ya existe un archivo con ese nombre</translation>
    </message>
    <message>
        <source>The name would be empty</source>
        <translation>El nombre quedaría vacío</translation>
    </message>
    <message>
        <source>The path would be too long</source>
        <translation>La ruta sería demasiado larga</translation>
    </message>
    <message>
        <source>A field is missing: the file is bad</source>
        <translation>Falta un campo: el archivo está dañado</translation>
    </message>
    <message>
        <source>The pattern is empty</source>
        <translation>El patrón está vacío</translation>
    </message>
    <message>
        <source>Optional parts in [ ] cannot be nested</source>
        <translation>Las partes opcionales entre [ ] no se pueden anidar</translation>
    </message>
    <message>
        <source>This ] closes no optional part</source>
        <translation>Este ] no cierra ninguna parte opcional</translation>
    </message>
    <message>
        <source>This [ has no ] to close it</source>
        <translation>A este [ le falta el ] que lo cierra</translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation>A este campo le falta el % que lo cierra</translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation>Campo desconocido %1</translation>
    </message>
</context>
<context>
    <name>RenamePreviewModel</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1
already exists.
Replace it?</source>
        <translation>%1
ya existe.
¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>The report is too long for the clipboard:
%1 of %2 rows have been left out.</source>
        <translation>El informe es demasiado largo para el portapapeles:
se han omitido %1 de %2 filas.</translation>
    </message>
    <message>
        <source>%1
has been successfully created</source>
        <translation>%1
se ha creado correctamente</translation>
    </message>
    <message>
        <source>%1
has NOT been created</source>
        <translation>%1
NO se ha creado</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation>&amp;Ruta del archivo</translation>
    </message>
    <message>
        <source>File &amp;Name</source>
        <translation>&amp;Nombre del archivo</translation>
    </message>
    <message>
        <source>&amp;Full Path (Path+Name)</source>
        <translation>Ruta &amp;completa (ruta+nombre)</translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation>&amp;Tamaño del archivo</translation>
    </message>
    <message>
        <source>File &amp;Date</source>
        <translation>&amp;Fecha del archivo</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Tít&amp;ulo</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Autor</translation>
    </message>
    <message>
        <source>First module T&amp;uning</source>
        <translation>Afinación del primer &amp;módulo</translation>
    </message>
    <message>
        <source>Copy to &amp;Clipboard</source>
        <translation>Copiar al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Save to &amp;File</source>
        <translation>Guardar en arc&amp;hivo</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <source>Found: %1 files</source>
        <translation>Encontrados: %1 archivos</translation>
    </message>
    <message>
        <source>Press [Esc] to abort</source>
        <translation>Pulse [Esc] para cancelar</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search in Information</source>
        <translation>Buscar en la información</translation>
    </message>
    <message>
        <source>&amp;Case Sensitivity</source>
        <translation>Distinguir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Focused: %1</source>
        <translation>Fila activa: %1</translation>
    </message>
    <message>
        <source>Selected: %1 file</source>
        <translation>Selección: %1 archivo</translation>
    </message>
    <message>
        <source>Selected: %1 files</source>
        <translation>Selección: %1 archivos</translation>
    </message>
    <message>
        <source>Found: %1 file(s)</source>
        <translation>Hallados: %1 archivo(s)</translation>
    </message>
    <message>
        <source>Total: %1 file(s)</source>
        <translation>Total: %1 archivo(s)</translation>
    </message>
    <message>
        <source>Shown: %1 of %2</source>
        <translation>Mostrados: %1 de %2</translation>
    </message>
</context>
<context>
    <name>StatusBarWidget</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Carpeta de trabajo</translation>
    </message>
    <message>
        <source>Focused row</source>
        <translation>Fila activa</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>File count</source>
        <translation>Número de archivos</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Undo left these files as they are:
</source>
        <translation>Deshacer ha dejado estos archivos como estaban:
</translation>
    </message>
    <message>
        <source>not restorable here: restore it from the Recycle Bin</source>
        <translation>no se puede restaurar aquí: restáurelo desde la Papelera de reciclaje</translation>
    </message>
    <message>
        <source>changed after the batch (size or last-write time)</source>
        <translation>modificado después de la operación (tamaño u hora de la última escritura)</translation>
    </message>
    <message>
        <source>the name is taken by another file now; the file stays in the trash: %1</source>
        <translation>el nombre lo tiene ahora otro archivo; el archivo se queda en la papelera: %1</translation>
    </message>
    <message>
        <source>%1 is taken by another file now</source>
        <translation>%1 lo tiene ahora otro archivo</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Buscar duplicados</translation>
    </message>
    <message>
        <source>Same &amp;title and author</source>
        <translation>Mismo &amp;título y autor</translation>
    </message>
    <message>
        <source>Same &amp;content</source>
        <translation>Mismo &amp;contenido</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Select All but the &amp;Newest</source>
        <translation>Seleccionar todos salvo el más &amp;reciente</translation>
    </message>
    <message>
        <source>Select All but the &amp;Oldest</source>
        <translation>Seleccionar todos salvo el más &amp;antiguo</translation>
    </message>
    <message>
        <source>Select All but the &amp;Largest</source>
        <translation>Seleccionar todos salvo el más &amp;grande</translation>
    </message>
    <message>
        <source>Reading the files...</source>
        <translation>Leyendo los archivos...</translation>
    </message>
    <message>
        <source>Comparing titles and authors...</source>
        <translation>Comparando títulos y autores...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>No se han encontrado duplicados.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s)</source>
        <translation>
            <numerusform>%n grupo</numerusform>
            <numerusform>%n grupos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n file(s).</source>
        <translation>
            <numerusform>de %n archivo.</numerusform>
            <numerusform>de %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 groups are listed.</source>
        <translation>Se muestran los %1 primeros grupos.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>No se ha podido leer %n archivo.</numerusform>
            <numerusform>No se han podido leer %n archivos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Comments</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>ZUF files</source>
        <translation>Archivos ZUF</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) written to
%1</source>
        <translation>
            <numerusform>%n fila escrita en
%1</numerusform>
            <numerusform>%n filas escritas en
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
has NOT been written:
%2</source>
        <translation>%1
NO se ha escrito:
%2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export List</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>&amp;Selected rows (%1)</source>
        <translation>Filas &amp;seleccionadas (%1)</translation>
    </message>
    <message>
        <source>&amp;All rows shown (%1)</source>
        <translation>&amp;Todas las filas mostradas (%1)</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Filas:</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Página web (*.html)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Byte-order mark (for spreadsheet programs on Windows)</source>
        <translation>&amp;Marca de orden de bytes (para hojas de cálculo en Windows)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>Arch&amp;ivo:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exporting the list</source>
        <translation>Exportando la lista</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ZUF File Manager</source>
        <translation>À propos de ZUF File Manager</translation>
    </message>
    <message>
        <source>ZUF File Manager v%1</source>
        <translation>ZUF File Manager v%1</translation>
    </message>
    <message>
        <source>Catalogues, searches and tidies folder trees of
ZUF tablature files of both generations.
Written with C++ and Qt.</source>
        <translation>Catalogue, recherche et range les arborescences
de fichiers de tablature ZUF des deux générations.
Écrit en C++ avec Qt.</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Matches the search</source>
        <translation>Correspond à la recherche</translation>
    </message>
    <message>
        <source>Does not match the search</source>
        <translation>Ne correspond pas à la recherche</translation>
    </message>
    <message>
        <source>Bad or unreadable file</source>
        <translation>Fichier défectueux ou illisible</translation>
    </message>
</context>
<context>
    <name>Columns</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Tuning</source>
        <translation>Accordage</translation>
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
        <translation>Ctrl+Maj+R</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
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
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Prints the program&apos;s name and version and exits.</source>
        <translation>Affiche le nom et la version du programme et quitte.</translation>
    </message>
    <message>
        <source>ZUF File Manager: lists, searches, renames and tidies folder trees of ZUF tablature files.
Without an argument it opens on the working folder of the last run.</source>
        <translation>ZUF File Manager : liste, recherche, renomme et range les arborescences de fichiers de tablature ZUF.
Sans argument, il s&apos;ouvre sur le dossier de travail de la dernière session.</translation>
    </message>
    <message>
        <source>A folder to open, or a file to open selected in its folder.</source>
        <translation>Un dossier à ouvrir, ou un fichier à ouvrir sélectionné dans son dossier.</translation>
    </message>
    <message>
        <source>[FILE|FOLDER]</source>
        <translation>[FICHIER|DOSSIER]</translation>
    </message>
    <message>
        <source>Only one file or folder can be opened.</source>
        <translation>Un seul fichier ou dossier peut être ouvert.</translation>
    </message>
    <message>
        <source>Try &apos;zuffile --help&apos;.</source>
        <translation>Saisissez « zuffile --help » pour plus d&apos;informations.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;Browse Folders...</source>
        <translation>&amp;Parcourir les dossiers...</translation>
    </message>
    <message>
        <source>&amp;Move Files...</source>
        <translation>&amp;Déplacer les fichiers...</translation>
    </message>
    <message>
        <source>&amp;Copy Files...</source>
        <translation>&amp;Copier les fichiers...</translation>
    </message>
    <message>
        <source>&amp;Rename Files...</source>
        <translation>&amp;Renommer les fichiers...</translation>
    </message>
    <message>
        <source>Re&amp;name by Pattern...</source>
        <translation>Renommer selon un &amp;modèle...</translation>
    </message>
    <message>
        <source>&amp;Delete Files</source>
        <translation>&amp;Supprimer les fichiers</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Create re&amp;port...</source>
        <translation>Créer un r&amp;apport...</translation>
    </message>
    <message>
        <source>Edit ZUF Information</source>
        <translation>Modifier les informations ZUF</translation>
    </message>
    <message>
        <source>&amp;Information from Names...</source>
        <translation>&amp;Informations d&apos;après les noms...</translation>
    </message>
    <message>
        <source>Run &amp;Strumlex</source>
        <translation>Lancer Strum&amp;lex</translation>
    </message>
    <message>
        <source>&amp;Search Files...</source>
        <translation>R&amp;echercher des fichiers...</translation>
    </message>
    <message>
        <source>&amp;Filter on/off</source>
        <translation>&amp;Filtre activé/désactivé</translation>
    </message>
    <message>
        <source>&amp;About ZUF File Manager...</source>
        <translation>À pr&amp;opos de ZUF File Manager...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Run &amp;ZUF View</source>
        <translation>Lancer &amp;ZUF View</translation>
    </message>
    <message>
        <source>ZUF File &amp;Options...</source>
        <translation>Op&amp;tions de ZUF File...</translation>
    </message>
    <message>
        <source>Browse Folders</source>
        <translation>Parcourir les dossiers</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Create report</source>
        <translation>Créer un rapport</translation>
    </message>
    <message>
        <source>Run Strumlex</source>
        <translation>Lancer Strumlex</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Filter on/off</source>
        <translation>Filtre activé/désactivé</translation>
    </message>
    <message>
        <source>Exit ZUF File</source>
        <translation>Quitter ZUF File</translation>
    </message>
    <message>
        <source>Rename by Pattern</source>
        <translation>Renommer selon un modèle</translation>
    </message>
    <message>
        <source>Information from Names</source>
        <translation>Informations d&apos;après les noms</translation>
    </message>
    <message>
        <source>ZUF File Options</source>
        <translation>Options de ZUF File</translation>
    </message>
    <message>
        <source>Find Dup&amp;licates...</source>
        <translation>Trouver les dou&amp;blons...</translation>
    </message>
    <message>
        <source>E&amp;xport List...</source>
        <translation>E&amp;xporter la liste...</translation>
    </message>
    <message>
        <source>Find Duplicates</source>
        <translation>Trouver les doublons</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
</context>
<context>
    <name>ConfirmationDialog</name>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
</context>
<context>
    <name>DestinationDialog</name>
    <message>
        <source>To &amp;Folder:</source>
        <translation>Vers le &amp;dossier :</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Nouveau dossier...</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>%1 vers %2 ?</translation>
    </message>
    <message>
        <source>%1
Can&apos;t copy: %2
To: %3</source>
        <translation>%1
Copie impossible : %2
Vers : %3</translation>
    </message>
    <message>
        <source>%1
The original stays: %2
The copy was made: %3
The list shows both.</source>
        <translation>%1
L&apos;original est conservé : %2
La copie a été faite : %3
La liste affiche les deux.</translation>
    </message>
    <message>
        <source>%1 permanently?</source>
        <translation>%1 définitivement ?</translation>
    </message>
    <message>
        <source>: it is on another drive than the trash (%1)</source>
        <translation> : il se trouve sur un autre lecteur que la corbeille (%1)</translation>
    </message>
    <message>
        <source>%1
This file cannot be moved to the trash%2
Delete it permanently?</source>
        <translation>%1
Ce fichier ne peut pas être mis à la corbeille%2
Le supprimer définitivement ?</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message numerus="yes">
        <source>%n file(s) could not be renamed or moved:</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être renommé ou déplacé :</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être renommés ou déplacés :</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy the %n dropped file(s) into %1, or move them there?</source>
        <translation>
            <numerusform>Copier le fichier déposé (%n) dans %1, ou l&apos;y déplacer ?</numerusform>
            <numerusform>Copier les %n fichiers déposés dans %1, ou les y déplacer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Copy Here</source>
        <translation>&amp;Copier ici</translation>
    </message>
    <message>
        <source>&amp;Move Here</source>
        <translation>&amp;Déplacer ici</translation>
    </message>
</context>
<context>
    <name>FileReader</name>
    <message>
        <source>Can&apos;t open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Empty ZUF File</source>
        <translation>Fichier ZUF vide</translation>
    </message>
    <message>
        <source>Bad ZUF File</source>
        <translation>Fichier ZUF défectueux</translation>
    </message>
</context>
<context>
    <name>InfoBatch</name>
    <message numerus="yes">
        <source>(different in %n files)</source>
        <translation>
            <numerusform>(différent dans %n fichier)</numerusform>
            <numerusform>(différent dans %n fichiers)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be written:</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être écrit :</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être écrits :</numerusform>
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
        <translation>Informations</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation>&amp;Sous-titre :</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Commentaires :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation>Enregistrer dans les fichiers</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Empty this field in every file</source>
        <translation>Vider ce champ dans chaque fichier</translation>
    </message>
    <message>
        <source>&amp;Clear in Every File</source>
        <translation>&amp;Effacer dans chaque fichier</translation>
    </message>
    <message>
        <source>&amp;Keep Each File&apos;s Own Text</source>
        <translation>&amp;Garder le texte propre à chaque fichier</translation>
    </message>
    <message>
        <source>(empty in every file)</source>
        <translation>(vide dans chaque fichier)</translation>
    </message>
    <message>
        <source>each file&apos;s own text, then %1</source>
        <translation>texte propre à chaque fichier, puis %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation>
            <numerusform>%n fichier sera écrit.</numerusform>
            <numerusform>%n fichiers seront écrits.</numerusform>
        </translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation>Vérification des fichiers : %1 sur %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will not be written:</source>
        <translation>
            <numerusform>%n fichier ne sera pas écrit :</numerusform>
            <numerusform>%n fichiers ne seront pas écrits :</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InfoEdit</name>
    <message>
        <source>%1
The information has not been saved: the file is not an intact ZUF file of the older generation.</source>
        <translation>%1
Les informations n&apos;ont pas été enregistrées : le fichier n&apos;est pas un fichier ZUF intact de l&apos;ancienne génération.</translation>
    </message>
    <message>
        <source>writable</source>
        <translation>modifiable</translation>
    </message>
    <message>
        <source>newer generation</source>
        <translation>nouvelle génération</translation>
    </message>
    <message>
        <source>bad or empty</source>
        <translation>défectueux ou vide</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>lecture seule</translation>
    </message>
    <message>
        <source>written</source>
        <translation>écrit</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
</context>
<context>
    <name>InfoEditDialog</name>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Enregistrer dans le fichier</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Sub-Title:</source>
        <translation>&amp;Sous-titre :</translation>
    </message>
    <message>
        <source>&amp;Comments:</source>
        <translation>&amp;Commentaires :</translation>
    </message>
</context>
<context>
    <name>InfoPanel</name>
    <message>
        <source>File information</source>
        <translation>Informations du fichier</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>No program is set for %1.</source>
        <translation>Aucun programme n&apos;est défini pour %1.</translation>
    </message>
    <message>
        <source>%1 was not found:
%2</source>
        <translation>%1 est introuvable :
%2</translation>
    </message>
    <message>
        <source>
A Windows program is started through wine, which is not installed.</source>
        <translation>
Un programme Windows est lancé par wine, qui n&apos;est pas installé.</translation>
    </message>
    <message>
        <source>

Set the program&apos;s path in the menu under &quot;ZUF File Options...&quot;.</source>
        <translation>

Indiquez le chemin du programme dans le menu, sous « Options de ZUF File... ».</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Working folder</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <source>Select new working folder</source>
        <translation>Choisir un nouveau dossier de travail</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>The pattern is empty</source>
        <translation>Le modèle est vide</translation>
    </message>
    <message>
        <source>The pattern names no field to fill</source>
        <translation>Le modèle ne nomme aucun champ à remplir</translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation>Ce champ n&apos;a pas de % qui le termine</translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation>Champ inconnu %1</translation>
    </message>
    <message>
        <source>Two fields need text between them</source>
        <translation>Deux champs doivent être séparés par du texte</translation>
    </message>
    <message>
        <source>The field %1 appears twice</source>
        <translation>Le champ %1 apparaît deux fois</translation>
    </message>
</context>
<context>
    <name>NamesInfoDialog</name>
    <message>
        <source>Information from Names</source>
        <translation>Informations d&apos;après les noms</translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation>Insérer un &amp;champ</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>Save to Files</source>
        <translation>Enregistrer dans les fichiers</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (au caractère %2)</translation>
    </message>
    <message>
        <source>Checking the files: %1 of %2...</source>
        <translation>Vérification des fichiers : %1 sur %2...</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be written.</source>
        <translation>
            <numerusform>%n fichier sera écrit.</numerusform>
            <numerusform>%n fichiers seront écrits.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) do not match the pattern.</source>
        <translation>
            <numerusform>%n nom ne correspond pas au modèle.</numerusform>
            <numerusform>%n noms ne correspondent pas au modèle.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) cannot be written.</source>
        <translation>
            <numerusform>%n fichier ne peut pas être écrit.</numerusform>
            <numerusform>%n fichiers ne peuvent pas être écrits.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NamesPreviewModel</name>
    <message>
        <source>does not match</source>
        <translation>ne correspond pas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Not written</source>
        <translation>Non écrit</translation>
    </message>
</context>
<context>
    <name>NewFolderDialog</name>
    <message>
        <source>Create Directory</source>
        <translation>Créer un dossier</translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation>&amp;Racine :</translation>
    </message>
    <message>
        <source>&amp;New Folder:</source>
        <translation>&amp;Nouveau dossier :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>ZUF File Options</source>
        <translation>Options de ZUF File</translation>
    </message>
    <message>
        <source>&amp;Columns:</source>
        <translation>Colo&amp;nnes :</translation>
    </message>
    <message>
        <source>List &amp;Preferences:</source>
        <translation>Pré&amp;férences de la liste :</translation>
    </message>
    <message>
        <source>Strumlex + ZUFView &amp;Paths</source>
        <translation>&amp;Chemins de Strumlex + ZUFView</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Parco&amp;urir...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Valeurs par défaut</translation>
    </message>
    <message>
        <source>Search for ZufView</source>
        <translation>Rechercher ZufView</translation>
    </message>
    <message>
        <source>Search for Strumlex</source>
        <translation>Rechercher Strumlex</translation>
    </message>
    <message>
        <source>Executable files (*.exe)</source>
        <translation>Fichiers exécutables (*.exe)</translation>
    </message>
    <message>
        <source>Executable files (*.exe);;All files (*)</source>
        <translation>Fichiers exécutables (*.exe);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Grid &amp;Lines</source>
        <translation>&amp;Lignes de grille</translation>
    </message>
    <message>
        <source>&amp;Track Select</source>
        <translation>Sélection au &amp;survol</translation>
    </message>
    <message>
        <source>&amp;Header Drag and Drop</source>
        <translation>&amp;Glisser-déposer des en-têtes</translation>
    </message>
    <message>
        <source>Full &amp;Row Select</source>
        <translation>Sélection de la ligne &amp;entière</translation>
    </message>
    <message>
        <source>Flat &amp;Scrollbar</source>
        <translation>Barres de défilement &amp;plates</translation>
    </message>
    <message>
        <source>T&amp;ooltips</source>
        <translation>&amp;Infobulles</translation>
    </message>
    <message>
        <source>&amp;Path</source>
        <translation>C&amp;hemin</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Tit&amp;re</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Auteur</translation>
    </message>
    <message>
        <source>Tu&amp;ning</source>
        <translation>Acc&amp;ordage</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Module %1</source>
        <translation>Module %1</translation>
    </message>
    <message>
        <source>Format
Measures
Time Signature
Key Signature</source>
        <translation>Format
Mesures
Signature rythmique
Armure</translation>
    </message>
</context>
<context>
    <name>PatternRenameDialog</name>
    <message>
        <source>Rename by Pattern</source>
        <translation>Renommer selon un modèle</translation>
    </message>
    <message>
        <source>Insert &amp;Field</source>
        <translation>Insérer un &amp;champ</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>C&amp;hoisir...</translation>
    </message>
    <message>
        <source>As is</source>
        <translation>Telle quelle</translation>
    </message>
    <message>
        <source>N&amp;umber files that would get the same name</source>
        <translation>&amp;Numéroter les fichiers qui auraient le même nom</translation>
    </message>
    <message>
        <source>Remove folders the renaming leaves &amp;empty</source>
        <translation>Supprimer les dossiers que le renommage laisse &amp;vides</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Modèle :</translation>
    </message>
    <message>
        <source>Folders go below:</source>
        <translation>Les dossiers vont sous :</translation>
    </message>
    <message>
        <source>&amp;Case:</source>
        <translation>C&amp;asse :</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>Select destination folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>%1 (at character %2)</source>
        <translation>%1 (au caractère %2)</translation>
    </message>
    <message>
        <source>To rename: %1, to move: %2, unchanged: %3, cannot be done: %4</source>
        <translation>À renommer : %1, à déplacer : %2, inchangés : %3, impossibles : %4</translation>
    </message>
</context>
<context>
    <name>RefusedFilesModel</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Why not</source>
        <translation>Raison</translation>
    </message>
</context>
<context>
    <name>Rename</name>
    <message>
        <source>%1
A new name must not contain &quot;%2&quot;: renaming never moves a file to another folder.</source>
        <translation>%1
Un nouveau nom ne doit pas contenir « %2 » : renommer ne déplace jamais un fichier dans un autre dossier.</translation>
    </message>
    <message>
        <source>%1
already exists in
%2
Rename anyway?</source>
        <translation>%1
existe déjà dans
%2
Renommer quand même ?</translation>
    </message>
</context>
<context>
    <name>RenameFileDialog</name>
    <message>
        <source>Rename File</source>
        <translation>Renommer le fichier</translation>
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
        <translation>Déplacer le premier &amp;mot</translation>
    </message>
    <message>
        <source>Check duplicated names</source>
        <translation>Vérifier les noms en double</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RenamePattern</name>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Another selected file gets the same name</source>
        <translation>Un autre fichier sélectionné reçoit le même nom</translation>
    </message>
    <message>
        <source>A file of that name exists</source>
        <translation>Un fichier de ce nom existe</translation>
    </message>
    <message>
        <source>The name would be empty</source>
        <translation>Le nom serait vide</translation>
    </message>
    <message>
        <source>The path would be too long</source>
        <translation>Le chemin serait trop long</translation>
    </message>
    <message>
        <source>A field is missing: the file is bad</source>
        <translation>Un champ manque : le fichier est défectueux</translation>
    </message>
    <message>
        <source>The pattern is empty</source>
        <translation>Le modèle est vide</translation>
    </message>
    <message>
        <source>Optional parts in [ ] cannot be nested</source>
        <translation>Les parties facultatives entre [ ] ne peuvent pas être imbriquées</translation>
    </message>
    <message>
        <source>This ] closes no optional part</source>
        <translation>Ce ] ne ferme aucune partie facultative</translation>
    </message>
    <message>
        <source>This [ has no ] to close it</source>
        <translation>Ce [ n&apos;a pas de ] qui le ferme</translation>
    </message>
    <message>
        <source>This field has no % to end it</source>
        <translation>Ce champ n&apos;a pas de % qui le termine</translation>
    </message>
    <message>
        <source>Unknown field %1</source>
        <translation>Champ inconnu %1</translation>
    </message>
</context>
<context>
    <name>RenamePreviewModel</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>New folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1
already exists.
Replace it?</source>
        <translation>%1
existe déjà.
Le remplacer ?</translation>
    </message>
    <message>
        <source>The report is too long for the clipboard:
%1 of %2 rows have been left out.</source>
        <translation>Le rapport est trop long pour le presse-papiers :
%1 lignes sur %2 ont été omises.</translation>
    </message>
    <message>
        <source>%1
has been successfully created</source>
        <translation>%1
a été créé avec succès</translation>
    </message>
    <message>
        <source>%1
has NOT been created</source>
        <translation>%1
n&apos;a PAS été créé</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>File &amp;Path</source>
        <translation>&amp;Chemin du fichier</translation>
    </message>
    <message>
        <source>File &amp;Name</source>
        <translation>&amp;Nom du fichier</translation>
    </message>
    <message>
        <source>&amp;Full Path (Path+Name)</source>
        <translation>Chemin comp&amp;let (chemin+nom)</translation>
    </message>
    <message>
        <source>File &amp;Size</source>
        <translation>&amp;Taille du fichier</translation>
    </message>
    <message>
        <source>File &amp;Date</source>
        <translation>&amp;Date du fichier</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>T&amp;itre</translation>
    </message>
    <message>
        <source>&amp;Author</source>
        <translation>&amp;Auteur</translation>
    </message>
    <message>
        <source>First module T&amp;uning</source>
        <translation>Acc&amp;ordage du premier module</translation>
    </message>
    <message>
        <source>Copy to &amp;Clipboard</source>
        <translation>Copier dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Save to &amp;File</source>
        <translation>Enregistrer dans un &amp;fichier</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Scan</name>
    <message>
        <source>Found: %1 files</source>
        <translation>Trouvés : %1 fichiers</translation>
    </message>
    <message>
        <source>Press [Esc] to abort</source>
        <translation>Appuyez sur [Échap] pour interrompre</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Search in Information</source>
        <translation>Rechercher dans les informations</translation>
    </message>
    <message>
        <source>&amp;Case Sensitivity</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Focused: %1</source>
        <translation>Ligne active : %1</translation>
    </message>
    <message>
        <source>Selected: %1 file</source>
        <translation>Sélection : %1 fichier</translation>
    </message>
    <message>
        <source>Selected: %1 files</source>
        <translation>Sélection : %1 fichiers</translation>
    </message>
    <message>
        <source>Found: %1 file(s)</source>
        <translation>Trouvés : %1 fichier(s)</translation>
    </message>
    <message>
        <source>Total: %1 file(s)</source>
        <translation>Total : %1 fichier(s)</translation>
    </message>
    <message>
        <source>Shown: %1 of %2</source>
        <translation>Affichés : %1 sur %2</translation>
    </message>
</context>
<context>
    <name>StatusBarWidget</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Working folder</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <source>Focused row</source>
        <translation>Ligne active</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>File count</source>
        <translation>Nombre de fichiers</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Undo left these files as they are:
</source>
        <translation>L&apos;annulation a laissé ces fichiers tels quels :
</translation>
    </message>
    <message>
        <source>not restorable here: restore it from the Recycle Bin</source>
        <translation>non restaurable ici : restaurez-le depuis la Corbeille</translation>
    </message>
    <message>
        <source>changed after the batch (size or last-write time)</source>
        <translation>modifié après l&apos;opération (taille ou date de dernière écriture)</translation>
    </message>
    <message>
        <source>the name is taken by another file now; the file stays in the trash: %1</source>
        <translation>le nom est désormais pris par un autre fichier ; le fichier reste dans la corbeille : %1</translation>
    </message>
    <message>
        <source>%1 is taken by another file now</source>
        <translation>%1 est désormais pris par un autre fichier</translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Find Duplicates</source>
        <translation>Trouver les doublons</translation>
    </message>
    <message>
        <source>Same &amp;title and author</source>
        <translation>Même &amp;titre et même auteur</translation>
    </message>
    <message>
        <source>Same &amp;content</source>
        <translation>Même &amp;contenu</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>Rec&amp;hercher</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Select All but the &amp;Newest</source>
        <translation>Tout sélectionner sauf le plus &amp;récent</translation>
    </message>
    <message>
        <source>Select All but the &amp;Oldest</source>
        <translation>Tout sélectionner sauf le plus &amp;ancien</translation>
    </message>
    <message>
        <source>Select All but the &amp;Largest</source>
        <translation>Tout sélectionner sauf le plus &amp;gros</translation>
    </message>
    <message>
        <source>Reading the files...</source>
        <translation>Lecture des fichiers...</translation>
    </message>
    <message>
        <source>Comparing titles and authors...</source>
        <translation>Comparaison des titres et des auteurs...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>No duplicates found.</source>
        <translation>Aucun doublon trouvé.</translation>
    </message>
    <message numerus="yes">
        <source>%n group(s)</source>
        <translation>
            <numerusform>%n groupe</numerusform>
            <numerusform>%n groupes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>of %n file(s).</source>
        <translation>
            <numerusform>de %n fichier.</numerusform>
            <numerusform>de %n fichiers.</numerusform>
        </translation>
    </message>
    <message>
        <source>The first %1 groups are listed.</source>
        <translation>Les %1 premiers groupes sont affichés.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read.</source>
        <translation>
            <numerusform>%n fichier n&apos;a pas pu être lu.</numerusform>
            <numerusform>%n fichiers n&apos;ont pas pu être lus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Comments</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>ZUF files</source>
        <translation>Fichiers ZUF</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) written to
%1</source>
        <translation>
            <numerusform>%n ligne écrite dans
%1</numerusform>
            <numerusform>%n lignes écrites dans
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1
has NOT been written:
%2</source>
        <translation>%1
n&apos;a PAS été écrit :
%2</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>&amp;Selected rows (%1)</source>
        <translation>Lignes &amp;sélectionnées (%1)</translation>
    </message>
    <message>
        <source>&amp;All rows shown (%1)</source>
        <translation>&amp;Toutes les lignes affichées (%1)</translation>
    </message>
    <message>
        <source>Rows:</source>
        <translation>Lignes :</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Web page (*.html)</source>
        <translation>Page web (*.html)</translation>
    </message>
    <message>
        <source>JSON (*.json)</source>
        <translation>JSON (*.json)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Byte-order mark (for spreadsheet programs on Windows)</source>
        <translation>&amp;Marque d&apos;ordre des octets (pour les tableurs sous Windows)</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>F&amp;ichier :</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exporting the list</source>
        <translation>Exportation de la liste</translation>
    </message>
</context>
</TS>

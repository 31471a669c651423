<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Quillmint</source>
        <translation>Über Quillmint</translation>
    </message>
    <message>
        <source>Quillmint v1.0.0.0
Dropdown Menu Maker v1.0
Popup Maker v1.0
MouseOver Button Maker v1.0
Slideshow Maker v1.0
JS Editor v1.0</source>
        <translation>Quillmint v1.0.0.0
Dropdown-Menü v1.0
Popup-Fenster v1.0
MouseOver-Schaltflächen v1.0
Diashow v1.0
JS-Editor v1.0</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Quillmint developers.
Generated pages are yours to use as you wish.</source>
        <translation>Copyright © 2026 die Quillmint-Entwickler.
Erzeugte Seiten dürfen Sie nach Belieben verwenden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quillmint Help</source>
        <translation>Quillmint-Hilfe</translation>
    </message>
    <message>
        <source>Open the Quillmint help pages</source>
        <translation>Die Hilfeseiten von Quillmint öffnen</translation>
    </message>
</context>
<context>
    <name>Choices</name>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Groove</source>
        <translation>Rille</translation>
    </message>
    <message>
        <source>Ridge</source>
        <translation>Grat</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Eingelassen</translation>
    </message>
    <message>
        <source>Outset</source>
        <translation>Erhaben</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
»%1 --help« gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>
Commands (no window is opened; errors go to standard error):
  %1 build PROJECT [--tool TOOL] [--classic|--modern] [-o FILE]
      Writes the page Save As HTML would write for each tool of the
      project (a .quillmint file) that has content, as PROJECT-TOOL.html
      beside it, or into the folder -o names; with --tool (dropdown,
      popup, mouseover or slideshow) only that page, to -o FILE when given.
  %1 publish PROJECT FOLDER [--classic|--modern]
          [--optimise-images [--image-size PIXELS]]
      Publishes the project&apos;s slideshow into FOLDER as Publish does: the
      page (named after the project) and a copy of every file it uses.
      --optimise-images (modern output only) writes the slide images
      for the web as Publish&apos;s &quot;Optimise Images for the Web&quot; does:
      fitted into PIXELS (%2 to %3; %4 unless given), WebP with a JPEG
      fallback, without camera metadata.
  --classic and --modern choose the output; without them the project&apos;s
  own choice holds. Exit status: 0 done, 1 failed, 2 wrong usage.
</source>
        <translation>
Befehle (ohne Fenster; Fehler gehen an die Standardfehlerausgabe):
  %1 build PROJEKT [--tool WERKZEUG] [--classic|--modern] [-o DATEI]
      Schreibt für jedes Werkzeug des Projekts (einer .quillmint-Datei), das
      Inhalt hat, die Seite, die Als HTML speichern schreiben würde, als
      PROJEKT-WERKZEUG.html daneben oder in den Ordner, den -o nennt; mit
      --tool (dropdown, popup, mouseover oder slideshow) nur diese Seite,
      nach -o DATEI, wenn angegeben.
  %1 publish PROJEKT ORDNER [--classic|--modern]
          [--optimise-images [--image-size PIXEL]]
      Veröffentlicht die Diashow des Projekts in ORDNER wie Veröffentlichen:
      die Seite (nach dem Projekt benannt) und eine Kopie jeder Datei, die
      sie verwendet. --optimise-images (nur moderne Ausgabe) schreibt die
      Bilder der Diashow für das Web wie »Bilder für das Web optimieren«
      beim Veröffentlichen: eingepasst in PIXEL (%2 bis %3; sonst %4),
      WebP mit JPEG als Ersatz, ohne Kameradaten.
  --classic und --modern wählen die Ausgabe; ohne sie gilt die Wahl des
  Projekts. Rückgabewert: 0 erledigt, 1 fehlgeschlagen, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>build takes one project file.</source>
        <translation>build nimmt eine Projektdatei.</translation>
    </message>
    <message>
        <source>publish takes a project file and a folder.</source>
        <translation>publish nimmt eine Projektdatei und einen Ordner.</translation>
    </message>
    <message>
        <source>--classic and --modern exclude each other.</source>
        <translation>--classic und --modern schließen einander aus.</translation>
    </message>
    <message>
        <source>--tool takes one of %1.</source>
        <translation>--tool nimmt eines von %1.</translation>
    </message>
    <message>
        <source>--image-size goes with --optimise-images.</source>
        <translation>--image-size gehört zu --optimise-images.</translation>
    </message>
    <message>
        <source>--optimise-images needs the modern output.</source>
        <translation>--optimise-images braucht die moderne Ausgabe.</translation>
    </message>
    <message>
        <source>--image-size takes a number of pixels from %1 to %2.</source>
        <translation>--image-size nimmt eine Pixelzahl von %1 bis %2.</translation>
    </message>
    <message>
        <source>Writes the HTML and JavaScript of drop-down menus, popup windows, mouse-over buttons
and slideshows, and edits scripts by hand.</source>
        <translation>Schreibt HTML und JavaScript für Dropdown-Menüs, Popup-Fenster, MouseOver-Schaltflächen
und Diashows und bearbeitet Skripte von Hand.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>A page or script to open in the JS Editor, or a project (.quillmint) to open.</source>
        <translation>Eine Seite oder ein Skript zum Öffnen im JS-Editor oder ein Projekt (.quillmint) zum Öffnen.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Only one file can be opened at a time.</source>
        <translation>Es kann nur eine Datei auf einmal geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1: no tool has anything to build</source>
        <translation>%1: Kein Werkzeug hat etwas zu erzeugen</translation>
    </message>
    <message>
        <source>%1: the %2 page cannot be made: %3</source>
        <translation>%1: Die Seite %2 kann nicht erzeugt werden: %3</translation>
    </message>
    <message>
        <source>%1: the slideshow cannot be published: %2</source>
        <translation>%1: Die Diashow kann nicht veröffentlicht werden: %2</translation>
    </message>
    <message>
        <source>%1: optimised images need the modern output (add --modern)</source>
        <translation>%1: Optimierte Bilder brauchen die moderne Ausgabe (--modern angeben)</translation>
    </message>
</context>
<context>
    <name>ContrastWarning</name>
    <message>
        <source>Low contrast</source>
        <translation>Geringer Kontrast</translation>
    </message>
    <message>
        <source>Text in this colour on its background has a contrast of %1:1, below 4.5:1: visitors may not be able to read it. The page still uses the colours chosen.</source>
        <translation>Text in dieser Farbe hat auf seinem Hintergrund einen Kontrast von %1:1, weniger als 4,5:1: Besucher können ihn womöglich nicht lesen. Die Seite verwendet dennoch die gewählten Farben.</translation>
    </message>
    <message>
        <source>Low contrast: </source>
        <translation>Geringer Kontrast: </translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Printing failed on %1</source>
        <translation>Drucken auf %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Printing is not available: the print library cannot be loaded (%1).</source>
        <translation>Drucken ist nicht verfügbar: Die Druckbibliothek kann nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Sounds cannot be played: the sound library cannot be loaded (%1).</source>
        <translation>Klänge können nicht abgespielt werden: Die Klangbibliothek kann nicht geladen werden (%1).</translation>
    </message>
</context>
<context>
    <name>Dropdown</name>
    <message>
        <source>Make Relevant Code Only</source>
        <translation>Nur relevanten Code erzeugen</translation>
    </message>
    <message>
        <source>Make Relevant HTML Code Only</source>
        <translation>Nur den relevanten HTML-Code erzeugen</translation>
    </message>
    <message>
        <source>Make All HTML Code</source>
        <translation>Gesamten HTML-Code erzeugen</translation>
    </message>
    <message>
        <source> Item Properties </source>
        <translation> Eintragseigenschaften </translation>
    </message>
    <message>
        <source>Menu Item Name:</source>
        <translation>Name des Eintrags:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Current Pos</source>
        <translation>Akt. Position</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>&amp;Add Item</source>
        <translation>Eintrag hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add Item To Menu</source>
        <translation>Eintrag zum Menü hinzufügen</translation>
    </message>
    <message>
        <source>Menu items</source>
        <translation>Menüeinträge</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete Menu Item</source>
        <translation>Menüeintrag löschen</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Sort Menu Items Alphabetically</source>
        <translation>Menüeinträge alphabetisch sortieren</translation>
    </message>
    <message>
        <source>Clear A&amp;ll</source>
        <translation>Alle ent&amp;fernen</translation>
    </message>
    <message>
        <source>Erase All Menu Items</source>
        <translation>Alle Menüeinträge entfernen</translation>
    </message>
    <message>
        <source>&amp;Make Code</source>
        <translation>&amp;Code erzeugen</translation>
    </message>
    <message>
        <source>Generate HTML Code</source>
        <translation>HTML-Code erzeugen</translation>
    </message>
    <message>
        <source> Global Properties </source>
        <translation> Allgemeine Eigenschaften </translation>
    </message>
    <message>
        <source>Menu BG Color:</source>
        <translation>Menühintergrund:</translation>
    </message>
    <message>
        <source>Choose Menu Background Color</source>
        <translation>Hintergrundfarbe des Menüs wählen</translation>
    </message>
    <message>
        <source>Choose menu background colour</source>
        <translation>Hintergrundfarbe des Menüs wählen</translation>
    </message>
    <message>
        <source>Menu Item Color:</source>
        <translation>Eintragsfarbe:</translation>
    </message>
    <message>
        <source>Choose Item Color</source>
        <translation>Farbe der Einträge wählen</translation>
    </message>
    <message>
        <source>Choose menu item colour</source>
        <translation>Farbe der Menüeinträge wählen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>GO! Button Text:</source>
        <translation>Text der GO!-Taste:</translation>
    </message>
    <message>
        <source>Invert Button Colors</source>
        <translation>Farben der Taste umkehren</translation>
    </message>
    <message>
        <source>Border style</source>
        <translation>Rahmenstil</translation>
    </message>
    <message>
        <source>Border width</source>
        <translation>Rahmenbreite</translation>
    </message>
    <message>
        <source>Border:</source>
        <translation>Rahmen:</translation>
    </message>
    <message>
        <source>Generated code</source>
        <translation>Erzeugter Code</translation>
    </message>
    <message>
        <source>The item name or URL may not contain quotation marks or square brackets!</source>
        <translation>Name und URL des Eintrags dürfen keine Anführungszeichen und keine eckigen Klammern enthalten!</translation>
    </message>
    <message>
        <source>Unable to insert a line.</source>
        <translation>Die Zeile kann nicht eingefügt werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected item?</source>
        <translation>Möchten Sie den ausgewählten Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to erase ALL menu items?</source>
        <translation>Möchten Sie wirklich ALLE Menüeinträge entfernen?</translation>
    </message>
    <message>
        <source>This is just a message to inform you that there are no items in your list. The code will be generated anyway.</source>
        <translation>Nur zur Information: Ihre Liste enthält keine Einträge. Der Code wird trotzdem erzeugt.</translation>
    </message>
    <message>
        <source>Are you sure you want to erase all fields and start a new document?</source>
        <translation>Möchten Sie wirklich alle Felder leeren und ein neues Dokument beginnen?</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo|Reverts the last action</source>
        <translation>Rückgängig|Macht die letzte Aktion rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Ausschneiden|Schneidet die Auswahl aus und legt sie in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Kopieren|Kopiert die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Einfügen|Fügt den Inhalt der Zwischenablage ein</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete|Erases the selection</source>
        <translation>Löschen|Löscht die Auswahl</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>Select All|Selects the entire document</source>
        <translation>Alles auswählen|Wählt das ganze Dokument aus</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find|Finds the specified text</source>
        <translation>Suchen|Sucht den angegebenen Text</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Script editor</source>
        <translation>Skript-Editor</translation>
    </message>
    <message>
        <source>Tab indents. Ctrl+Tab, or Esc then Tab, moves the focus out of the editor (Ctrl+Shift+Tab, or Esc then Shift+Tab, moves back). Ctrl+Shift+T goes to the Tag Inspector, Ctrl+Shift+W to the Reserved Words.</source>
        <translation>Tab rückt ein. Strg+Tab oder Esc und dann Tab verlässt den Editor (Strg+Umschalt+Tab oder Esc und dann Umschalt+Tab geht zurück). Strg+Umschalt+T führt zum Tag-Inspektor, Strg+Umschalt+W zu den reservierten Wörtern.</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-Datei (*.html)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>HTML Files (*.html *.htm *.shtml)</source>
        <translation>HTML-Dateien (*.html *.htm *.shtml)</translation>
    </message>
    <message>
        <source>JS Files (*.js)</source>
        <translation>JS-Dateien (*.js)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save as JS</source>
        <translation>Als JS speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to start a new document?</source>
        <translation>Möchten Sie wirklich ein neues Dokument beginnen?</translation>
    </message>
    <message>
        <source>The file %1 is too large for the editor (%2 KB; at most %3 KB).</source>
        <translation>Die Datei %1 ist zu groß für den Editor (%2 KB; höchstens %3 KB).</translation>
    </message>
    <message>
        <source>The file %1 has lines longer than the editor can show (at most %2 characters a line).</source>
        <translation>Die Datei %1 hat Zeilen, die länger sind, als der Editor anzeigen kann (höchstens %2 Zeichen je Zeile).</translation>
    </message>
    <message>
        <source>Opened %1 (read as %2); saves write UTF-8</source>
        <translation>%1 geöffnet (gelesen als %2); gespeichert wird in UTF-8</translation>
    </message>
    <message>
        <source>Opened %1 (%2); saves keep this encoding</source>
        <translation>%1 geöffnet (%2); Speichern behält diese Kodierung bei</translation>
    </message>
    <message>
        <source>a page or script (HTML or JS)</source>
        <translation>eine Seite oder ein Skript (HTML oder JS)</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Only one file can be dropped here.</source>
        <translation>Hier kann nur eine Datei abgelegt werden.</translation>
    </message>
    <message>
        <source>%1 does not fit here: drop %2.</source>
        <translation>%1 passt nicht hierher: Legen Sie %2 ab.</translation>
    </message>
    <message>
        <source>an image (JPEG, GIF, BMP or PNG)</source>
        <translation>ein Bild (JPEG, GIF, BMP oder PNG)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Read beyond end of file: %1</source>
        <translation>Lesen über das Dateiende hinaus: %1</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot write in folder %1</source>
        <translation>Im Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: it is larger than %2 MB.</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: Es ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened: %2.</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>The file %1 is too large to be opened (%2 MB; at most %3 MB).</source>
        <translation>Die Datei %1 ist zu groß zum Öffnen (%2 MB; höchstens %3 MB).</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot publish %1: it is not an image.</source>
        <translation>%1 kann nicht veröffentlicht werden: Es ist kein Bild.</translation>
    </message>
    <message>
        <source>Cannot publish %1: the image is too large (more than %2 megapixels).</source>
        <translation>%1 kann nicht veröffentlicht werden: Das Bild ist zu groß (mehr als %2 Megapixel).</translation>
    </message>
    <message>
        <source>Cannot publish %1: the image is damaged or incomplete.</source>
        <translation>%1 kann nicht veröffentlicht werden: Das Bild ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>Cannot write the web images of %1.</source>
        <translation>Die Webbilder von %1 können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 mit Byte-Order-Mark</translation>
    </message>
    <message>
        <source> … [line shortened: %1 characters]</source>
        <translation> … [Zeile gekürzt: %1 Zeichen]</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Aufwärts</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>A&amp;bwärts</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Nächstes suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Text not found: &quot;%1&quot;</source>
        <translation>Text nicht gefunden: „%1“</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>&amp;Live Preview</source>
        <translation>&amp;Live-Vorschau</translation>
    </message>
    <message>
        <source>Live Preview|Show this tab&apos;s page beside the settings, following every change</source>
        <translation>Live-Vorschau|Zeigt die Seite dieses Reiters neben den Einstellungen und folgt jeder Änderung</translation>
    </message>
    <message>
        <source>Live Preview (not installed)|The live preview plugin (%1) is not installed</source>
        <translation>Live-Vorschau (nicht installiert)|Das Modul der Live-Vorschau (%1) ist nicht installiert</translation>
    </message>
    <message>
        <source>&amp;Live Preview (not installed)</source>
        <translation>&amp;Live-Vorschau (nicht installiert)</translation>
    </message>
    <message>
        <source>The live preview needs its plugin (%1) and Qt WebEngine (the Debian package %2). What is missing: %3</source>
        <translation>Die Live-Vorschau braucht ihr Modul (%1) und Qt WebEngine (das Debian-Paket %2). Es fehlt: %3</translation>
    </message>
    <message>
        <source>Live Preview (not available)|</source>
        <translation>Live-Vorschau (nicht verfügbar)|</translation>
    </message>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>Pane width</source>
        <translation>Breite des Bereichs</translation>
    </message>
    <message>
        <source>Phone (390 px)</source>
        <translation>Telefon (390 px)</translation>
    </message>
    <message>
        <source>Tablet (768 px)</source>
        <translation>Tablet (768 px)</translation>
    </message>
    <message>
        <source>Width|The width the page is laid out for</source>
        <translation>Breite|Die Breite, für die die Seite gesetzt wird</translation>
    </message>
    <message>
        <source>Preview width</source>
        <translation>Breite der Vorschau</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Dark|Show the page as with a dark desktop (prefers-color-scheme: dark)</source>
        <translation>Dunkel|Zeigt die Seite wie auf einem dunklen Desktop (prefers-color-scheme: dark)</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Reload|Load the page again, its scripts starting over</source>
        <translation>Neu laden|Lädt die Seite erneut; ihre Skripte beginnen von vorn</translation>
    </message>
    <message>
        <source>Page errors and notes</source>
        <translation>Fehler und Hinweise der Seite</translation>
    </message>
    <message>
        <source>Not loaded (the preview has no network): %1</source>
        <translation>Nicht geladen (die Vorschau hat kein Netzwerk): %1</translation>
    </message>
    <message>
        <source>The page went to %1; the preview stays on this page.</source>
        <translation>Die Seite wollte zu %1; die Vorschau bleibt auf dieser Seite.</translation>
    </message>
    <message>
        <source>The page opened a window for %1; the preview shows only the page itself.</source>
        <translation>Die Seite hat ein Fenster für %1 geöffnet; die Vorschau zeigt nur die Seite selbst.</translation>
    </message>
    <message>
        <source>confirm (answered Cancel): %1</source>
        <translation>confirm (mit Abbrechen beantwortet): %1</translation>
    </message>
    <message>
        <source>prompt (answered Cancel): %1</source>
        <translation>prompt (mit Abbrechen beantwortet): %1</translation>
    </message>
    <message>
        <source>The page asked for a file; the preview offers none.</source>
        <translation>Die Seite hat nach einer Datei gefragt; die Vorschau bietet keine an.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>alert: %1</source>
        <translation>alert: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New|Start a new page on this tab</source>
        <translation>Neu|Beginnt eine neue Seite auf diesem Reiter</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open|Open a script in the JS Editor</source>
        <translation>Öffnen|Öffnet ein Skript im JS-Editor</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>Als &amp;HTML speichern...</translation>
    </message>
    <message>
        <source>Save As HTML|Save this tab&apos;s code as an HTML file</source>
        <translation>Als HTML speichern|Speichert den Code dieses Reiters als HTML-Datei</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Preview|Show this tab&apos;s page in the web browser</source>
        <translation>Vorschau|Zeigt die Seite dieses Reiters im Webbrowser</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print|Print this tab&apos;s code</source>
        <translation>Drucken|Druckt den Code dieses Reiters</translation>
    </message>
    <message>
        <source>Pu&amp;blish...</source>
        <translation>Veröffent&amp;lichen...</translation>
    </message>
    <message>
        <source>Publish|Publish the slideshow with its files</source>
        <translation>Veröffentlichen|Veröffentlicht die Diashow mit ihren Dateien</translation>
    </message>
    <message>
        <source>Dropdown Menu Maker</source>
        <translation>Dropdown-Menü</translation>
    </message>
    <message>
        <source>View Dropdown Menu Maker</source>
        <translation>Dropdown-Menü anzeigen</translation>
    </message>
    <message>
        <source>Popup Maker</source>
        <translation>Popup-Fenster</translation>
    </message>
    <message>
        <source>View Popup Maker</source>
        <translation>Popup-Fenster anzeigen</translation>
    </message>
    <message>
        <source>MouseOver Button Maker</source>
        <translation>MouseOver-Schaltflächen</translation>
    </message>
    <message>
        <source>View MouseOver Button Maker</source>
        <translation>MouseOver-Schaltflächen anzeigen</translation>
    </message>
    <message>
        <source>Slideshow Maker</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>View Slideshow Maker</source>
        <translation>Diashow anzeigen</translation>
    </message>
    <message>
        <source>JS Editor</source>
        <translation>JS-Editor</translation>
    </message>
    <message>
        <source>View JavaScript Editor</source>
        <translation>JavaScript-Editor anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>New Pro&amp;ject</source>
        <translation>Neues Pro&amp;jekt</translation>
    </message>
    <message>
        <source>New Project|Start a project of every maker tab</source>
        <translation>Neues Projekt|Beginnt ein Projekt aller Werkzeugreiter</translation>
    </message>
    <message>
        <source>Open Projec&amp;t...</source>
        <translation>P&amp;rojekt öffnen...</translation>
    </message>
    <message>
        <source>Open Project|Open a project and show its work on every tab</source>
        <translation>Projekt öffnen|Öffnet ein Projekt und zeigt seine Arbeit auf jedem Reiter</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;speichern</translation>
    </message>
    <message>
        <source>Save Project|Save the settings and code of every maker tab</source>
        <translation>Projekt speichern|Speichert Einstellungen und Code aller Werkzeugreiter</translation>
    </message>
    <message>
        <source>Save Project &amp;As...</source>
        <translation>Projekt speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save Project As|Save the project under a new name</source>
        <translation>Projekt speichern unter|Speichert das Projekt unter einem neuen Namen</translation>
    </message>
    <message>
        <source>&amp;Recent Projects</source>
        <translation>&amp;Zuletzt geöffnete Projekte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Wizards</source>
        <translation>Assis&amp;tenten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Help Document</source>
        <translation>Hilfedokument</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>Show Startup Tips</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <source>Show Tips At Startup</source>
        <translation>Tipps beim Programmstart anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Press F1 For Help</source>
        <translation>Hilfe mit F1</translation>
    </message>
    <message>
        <source>a project (.quillmint)</source>
        <translation>ein Projekt (.quillmint)</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>The script in the JS Editor has changes that are not saved.
Save them before closing?</source>
        <translation>Das Skript im JS-Editor hat ungespeicherte Änderungen.
Vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>O&amp;ptionen</translation>
    </message>
    <message>
        <source>Quillmint v1.0</source>
        <translation>Quillmint v1.0</translation>
    </message>
</context>
<context>
    <name>ModernOutput</name>
    <message>
        <source>Modern HTML5 Output</source>
        <translation>Moderne HTML5-Ausgabe</translation>
    </message>
    <message>
        <source>Modern HTML5 Output|Generate standards-mode HTML5 pages that work in today&apos;s browsers</source>
        <translation>Moderne HTML5-Ausgabe|Erzeugt HTML5-Seiten im Standardmodus, die in heutigen Browsern funktionieren</translation>
    </message>
    <message>
        <source>Separate CSS and JavaScript files</source>
        <translation>Getrennte CSS- und JavaScript-Dateien</translation>
    </message>
    <message>
        <source>Separate CSS and JavaScript files|Save As HTML and Publish also write the page&apos;s style and script as files of their own, for sites that allow no inline script or style</source>
        <translation>Getrennte CSS- und JavaScript-Dateien|Als HTML speichern und Veröffentlichen schreiben Stil und Skript der Seite auch als eigene Dateien, für Websites, die kein eingebettetes Skript und keinen eingebetteten Stil erlauben</translation>
    </message>
</context>
<context>
    <name>MouseOver</name>
    <message>
        <source>Global Properties</source>
        <translation>Allgemeine Eigenschaften</translation>
    </message>
    <message>
        <source>Preload Images (recommended)</source>
        <translation>Bilder vorladen (empfohlen)</translation>
    </message>
    <message>
        <source>Image Border</source>
        <translation>Bildrahmen</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Rahmenfarbe:</translation>
    </message>
    <message>
        <source>Choose Image Border Color</source>
        <translation>Farbe des Bildrahmens wählen</translation>
    </message>
    <message>
        <source>Choose image border colour</source>
        <translation>Farbe des Bildrahmens wählen</translation>
    </message>
    <message>
        <source>Image border colour</source>
        <translation>Farbe des Bildrahmens</translation>
    </message>
    <message>
        <source>Border Type:</source>
        <translation>Rahmenart:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Border size</source>
        <translation>Rahmengröße</translation>
    </message>
    <message>
        <source>Navbar Orientation:</source>
        <translation>Ausrichtung der Leiste:</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Waagerecht</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Senkrecht</translation>
    </message>
    <message>
        <source>Navbar orientation</source>
        <translation>Ausrichtung der Navigationsleiste</translation>
    </message>
    <message>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>&amp;Add Image</source>
        <translation>Bild hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add Image Code</source>
        <translation>Code für das Bild hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Reset Image Properties</source>
        <translation>Bildfelder zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>Reset Image Property Fields</source>
        <translation>Felder der Bildeigenschaften zurücksetzen</translation>
    </message>
    <message>
        <source>Initial Image:</source>
        <translation>Anfangsbild:</translation>
    </message>
    <message>
        <source>MouseOver Image:</source>
        <translation>MouseOver-Bild:</translation>
    </message>
    <message>
        <source>Statusbar Message:</source>
        <translation>Statuszeilentext:</translation>
    </message>
    <message>
        <source>Image Alternate Text:</source>
        <translation>Alternativtext:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Page head code</source>
        <translation>Code des Seitenkopfs</translation>
    </message>
    <message>
        <source>Mouse-over script code</source>
        <translation>Skriptcode für MouseOver</translation>
    </message>
    <message>
        <source>Image buttons code</source>
        <translation>Code der Bildschaltflächen</translation>
    </message>
    <message>
        <source>Assembled page</source>
        <translation>Zusammengesetzte Seite</translation>
    </message>
    <message>
        <source>It is recommended that you preload your images. Failure to do so may lead to a delay in the mouseover effect.</source>
        <translation>Es wird empfohlen, die Bilder vorzuladen. Andernfalls kann der MouseOver-Effekt verzögert erscheinen.</translation>
    </message>
    <message>
        <source>This will delete all your mouseover images code but not the preload code. Are you sure you want to continue?</source>
        <translation>Damit wird der gesamte Code Ihrer MouseOver-Bilder gelöscht, nicht aber der Code zum Vorladen. Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>Are you sure you want to erase all fields and start a new document?</source>
        <translation>Möchten Sie wirklich alle Felder leeren und ein neues Dokument beginnen?</translation>
    </message>
    <message>
        <source>The MouseOver document stays classic: Modern HTML5 Output takes effect there at the next New</source>
        <translation>Das MouseOver-Dokument bleibt klassisch: Die moderne HTML5-Ausgabe wirkt dort ab dem nächsten Neu</translation>
    </message>
    <message>
        <source>The MouseOver document stays modern: the classic output takes effect there at the next New</source>
        <translation>Das MouseOver-Dokument bleibt modern: Die klassische Ausgabe wirkt dort ab dem nächsten Neu</translation>
    </message>
    <message>
        <source>This will insert the closing BODY and HTML tags. Only click OK if you have added all your needed MouseOver buttons. Continue?</source>
        <translation>Damit werden die schließenden BODY- und HTML-Tags eingefügt. Klicken Sie nur auf OK, wenn Sie alle benötigten MouseOver-Schaltflächen hinzugefügt haben. Fortfahren?</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Empty picture</source>
        <translation>Leeres Bild</translation>
    </message>
    <message>
        <source>Corrupt JPEG picture: %1</source>
        <translation>Beschädigtes JPEG-Bild: %1</translation>
    </message>
</context>
<context>
    <name>Popup</name>
    <message>
        <source>Popup Window Features</source>
        <translation>Eigenschaften des Popup-Fensters</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Verzeichnisse</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Menubar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Resizable</source>
        <translation>Größe änderbar</translation>
    </message>
    <message>
        <source>Scrollbars</source>
        <translation>Bildlaufleisten</translation>
    </message>
    <message>
        <source>Statusbar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Fullscreen Window</source>
        <translation>Vollbildfenster</translation>
    </message>
    <message>
        <source>Window Height:</source>
        <translation>Fensterhöhe:</translation>
    </message>
    <message>
        <source>Window Width:</source>
        <translation>Fensterbreite:</translation>
    </message>
    <message>
        <source>Win Pos Left:</source>
        <translation>Position links:</translation>
    </message>
    <message>
        <source>Win Pos Top:</source>
        <translation>Position oben:</translation>
    </message>
    <message>
        <source>Close Window After A Predefined Time</source>
        <translation>Fenster nach einer festen Zeit schließen</translation>
    </message>
    <message>
        <source>After </source>
        <translation>Nach </translation>
    </message>
    <message>
        <source>Seconds before the popup closes</source>
        <translation>Sekunden, bis sich das Popup schließt</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>Sekunde(n)</translation>
    </message>
    <message>
        <source>URL &amp;&amp; Status</source>
        <translation>URL &amp;&amp; Status</translation>
    </message>
    <message>
        <source>Window URL:</source>
        <translation>Fenster-URL:</translation>
    </message>
    <message>
        <source>Statusbar Message:</source>
        <translation>Statuszeilentext:</translation>
    </message>
    <message>
        <source>Window Launch</source>
        <translation>Fenster öffnen</translation>
    </message>
    <message>
        <source>Launch Event:</source>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>Launch event</source>
        <translation>Ereignis zum Öffnen</translation>
    </message>
    <message>
        <source>Launch Medium:</source>
        <translation>Auslöser:</translation>
    </message>
    <message>
        <source>Launch medium</source>
        <translation>Auslöser zum Öffnen</translation>
    </message>
    <message>
        <source>Path To Image:</source>
        <translation>Pfad zum Bild:</translation>
    </message>
    <message>
        <source>Seconds Before Popup:</source>
        <translation>Sekunden bis zum Popup:</translation>
    </message>
    <message>
        <source>Generated code</source>
        <translation>Erzeugter Code</translation>
    </message>
    <message>
        <source>HTML File (*.html)</source>
        <translation>HTML-Datei (*.html)</translation>
    </message>
    <message>
        <source>This option may not be selected. It is used when onMouse, etc. events are not used.</source>
        <translation>Diese Option kann nicht gewählt werden. Sie gilt, wenn keine Ereignisse wie onMouse verwendet werden.</translation>
    </message>
    <message>
        <source>Are you sure you want to erase all fields and start a new document?</source>
        <translation>Möchten Sie wirklich alle Felder leeren und ein neues Dokument beginnen?</translation>
    </message>
    <message>
        <source>Popup After x Seconds</source>
        <translation>Popup nach x Sekunden</translation>
    </message>
    <message>
        <source>Text Link</source>
        <translation>Textlink</translation>
    </message>
    <message>
        <source>Image Link</source>
        <translation>Bildlink</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>Quillmint Projects (*.quillmint)</source>
        <translation>Quillmint-Projekte (*.quillmint)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation>Projekt speichern unter</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has changes that are not saved. Save them?</source>
        <translation>Das Projekt „%1“ hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>The work on the maker tabs is not saved in a project. Save it as a project?</source>
        <translation>Die Arbeit auf den Werkzeugreitern ist in keinem Projekt gespeichert. Als Projekt speichern?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>The project %1 is no longer there; it was removed from the recent projects.</source>
        <translation>Das Projekt %1 ist nicht mehr vorhanden; es wurde aus den zuletzt geöffneten Projekten entfernt.</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>»%1« ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a line break where one line belongs</source>
        <translation>»%1« enthält einen Zeilenumbruch, wo eine einzelne Zeile hingehört</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>&quot;%1&quot; should be %2 but is %3</source>
        <translation>»%1« sollte %2 sein, ist aber %3</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>eine Liste von Texten</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>eine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, outside %3 to %4</source>
        <translation>»%1« ist %2, außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a whole number</source>
        <translation>»%1« ist %2, keine ganze Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; should be text</source>
        <translation>»%1« sollte Text sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has a line longer than %2 characters</source>
        <translation>»%1« hat eine Zeile mit mehr als %2 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; should be &quot;classic&quot; or &quot;modern&quot;</source>
        <translation>»%1« sollte &quot;classic&quot; oder &quot;modern&quot; sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; should be a whole number from 0 to %2</source>
        <translation>»%1« sollte eine ganze Zahl von 0 bis %2 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; should be an object</source>
        <translation>»%1« sollte ein Objekt sein</translation>
    </message>
    <message>
        <source>the file ends too early (cut short?) at byte %1</source>
        <translation>Die Datei endet zu früh (abgeschnitten?) bei Byte %1</translation>
    </message>
    <message>
        <source>it is not valid UTF-8 text (byte %1)</source>
        <translation>Es ist kein gültiger UTF-8-Text (Byte %1)</translation>
    </message>
    <message>
        <source>it is nested too deeply</source>
        <translation>Es ist zu tief verschachtelt</translation>
    </message>
    <message>
        <source>it is not valid JSON (%1 at byte %2)</source>
        <translation>Es ist kein gültiges JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is not a Quillmint project</source>
        <translation>Es ist kein Quillmint-Projekt</translation>
    </message>
    <message>
        <source>it is not a Quillmint project (no &quot;format&quot;: &quot;%1&quot;)</source>
        <translation>Es ist kein Quillmint-Projekt (kein &quot;format&quot;: &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>it was written by a newer Quillmint (format version %1; this one reads version %2)</source>
        <translation>Es wurde von einem neueren Quillmint geschrieben (Formatversion %1; dieses liest Version %2)</translation>
    </message>
    <message>
        <source>its format version is unknown (this Quillmint reads version %1)</source>
        <translation>Seine Formatversion ist unbekannt (dieses Quillmint liest Version %1)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot;, which is not one of its choices</source>
        <translation>»%1« ist »%2«, keine der möglichen Auswahlen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is &quot;%2&quot;, not a colour written #RRGGBB</source>
        <translation>»%1« ist »%2«, keine als #RRGGBB geschriebene Farbe</translation>
    </message>
    <message>
        <source>the popup has no URL</source>
        <translation>Das Popup hat keine URL</translation>
    </message>
</context>
<context>
    <name>ReservedWords</name>
    <message>
        <source>Reserved Words</source>
        <translation>Reservierte Wörter</translation>
    </message>
    <message>
        <source>Reserved words</source>
        <translation>Reservierte Wörter</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W in the JS Editor comes here: Enter inserts the selected word, Esc goes back to the editor</source>
        <translation>Strg+Umschalt+W im JS-Editor führt hierher: Eingabe fügt das gewählte Wort ein, Esc kehrt zum Editor zurück</translation>
    </message>
    <message>
        <source>Add Selected Tag</source>
        <translation>Wort einfügen</translation>
    </message>
</context>
<context>
    <name>Slideshow</name>
    <message>
        <source>Publishing the slideshow...</source>
        <translation>Die Diashow wird veröffentlicht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Publishing the slideshow... %1 of %2 files</source>
        <translation>Die Diashow wird veröffentlicht... %1 von %2 Dateien</translation>
    </message>
    <message>
        <source>Publish complete!</source>
        <translation>Veröffentlichung abgeschlossen!</translation>
    </message>
    <message>
        <source>Please save in HTML format or publish before previewing!</source>
        <translation>Bitte vor der Vorschau im HTML-Format speichern oder veröffentlichen!</translation>
    </message>
    <message>
        <source>Please note: the slideshow HTML file you are about to save will ONLY function correctly on this computer. If you would like to put your slideshow on a website or CD, please use the Publish command instead.</source>
        <translation>Bitte beachten: Die HTML-Datei der Diashow, die Sie speichern, funktioniert NUR auf diesem Computer richtig. Um die Diashow auf eine Website oder CD zu bringen, verwenden Sie stattdessen den Befehl Veröffentlichen.</translation>
    </message>
    <message>
        <source>Open Sound</source>
        <translation>Klang öffnen</translation>
    </message>
    <message>
        <source>All Music Files (*.wav *.mid)</source>
        <translation>Alle Musikdateien (*.wav *.mid)</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpe *.jpeg)</source>
        <translation>JPEG-Dateien (*.jpg *.jpe *.jpeg)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>GIF-Dateien (*.gif)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>Bitmap-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open Images</source>
        <translation>Bilder öffnen</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg *.jpe)</source>
        <translation>JPEG-Dateien (*.jpg *.jpeg *.jpe)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>All Supported Images (*.jpg *.jpeg *.jpe *.gif *.bmp *.png)</source>
        <translation>Alle unterstützten Bilder (*.jpg *.jpeg *.jpe *.gif *.bmp *.png)</translation>
    </message>
    <message>
        <source>HTML Files (*.html)</source>
        <translation>HTML-Dateien (*.html)</translation>
    </message>
    <message>
        <source>Slideshow</source>
        <translation>Diashow</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Generated Code</source>
        <translation>Erzeugter Code</translation>
    </message>
    <message>
        <source>&amp;Images In List:</source>
        <translation>B&amp;ilder in der Liste:</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>Sort Image List Images Alphabetically</source>
        <translation>Bilder der Liste alphabetisch sortieren</translation>
    </message>
    <message>
        <source>Clear A&amp;ll</source>
        <translation>Alle ent&amp;fernen</translation>
    </message>
    <message>
        <source>Erase All Image List Images</source>
        <translation>Alle Bilder aus der Liste entfernen</translation>
    </message>
    <message>
        <source>&amp;Make Code</source>
        <translation>&amp;Code erzeugen</translation>
    </message>
    <message>
        <source>Generate HTML Code</source>
        <translation>HTML-Code erzeugen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Add Slideshow Images To List</source>
        <translation>Bilder zur Liste hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Add Images To Slideshow</source>
        <translation>Bilder zur Diashow hinzufügen</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Use Selected Image As Initial Image</source>
        <translation>Gewähltes Bild als Anfangsbild verwenden</translation>
    </message>
    <message>
        <source>Help On Initial Image</source>
        <translation>Hilfe zum Anfangsbild</translation>
    </message>
    <message>
        <source>Initial Image:</source>
        <translation>Anfangsbild:</translation>
    </message>
    <message>
        <source>Transition Time:</source>
        <translation>Wechselzeit:</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Center Slideshow Console</source>
        <translation>Diashow-Konsole zentrieren</translation>
    </message>
    <message>
        <source>Include Right-click Disable</source>
        <translation>Rechtsklick sperren</translation>
    </message>
    <message>
        <source>Message On Right-click:</source>
        <translation>Meldung bei Rechtsklick:</translation>
    </message>
    <message>
        <source>Play Background Sound</source>
        <translation>Hintergrundklang abspielen</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Klang:</translation>
    </message>
    <message>
        <source>Choose Your Background Sound</source>
        <translation>Hintergrundklang wählen</translation>
    </message>
    <message>
        <source>Audition Sound (Preview)</source>
        <translation>Klang probehören (Vorschau)</translation>
    </message>
    <message>
        <source>Choose Background Sound</source>
        <translation>Hintergrundklang wählen</translation>
    </message>
    <message>
        <source>Audition Sound</source>
        <translation>Klang probehören</translation>
    </message>
    <message>
        <source>Page Title:</source>
        <translation>Seitentitel:</translation>
    </message>
    <message>
        <source>Page Background Color:</source>
        <translation>Seitenhintergrund:</translation>
    </message>
    <message>
        <source>Choose Page Background Color</source>
        <translation>Hintergrundfarbe der Seite wählen</translation>
    </message>
    <message>
        <source>Background Image</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Choose Your Background Image</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>Choose Background Image</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>Image:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Heading Text:</source>
        <translation>Überschrift:</translation>
    </message>
    <message>
        <source>Heading Font</source>
        <translation>Schrift der Überschrift</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Choose Text Color</source>
        <translation>Textfarbe wählen</translation>
    </message>
    <message>
        <source>B</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Font Style:</source>
        <translation>Schriftstil:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Border Color:</source>
        <translation>Rahmenfarbe:</translation>
    </message>
    <message>
        <source>Choose Table Border Color</source>
        <translation>Rahmenfarbe der Tabelle wählen</translation>
    </message>
    <message>
        <source>Border Width:</source>
        <translation>Rahmenbreite:</translation>
    </message>
    <message>
        <source>Slideshow Console Color:</source>
        <translation>Farbe der Konsole:</translation>
    </message>
    <message>
        <source>Choose Slideshow Color</source>
        <translation>Farbe der Diashow wählen</translation>
    </message>
    <message>
        <source>Heading Cell Color:</source>
        <translation>Farbe der Titelzelle:</translation>
    </message>
    <message>
        <source>Choose Slideshow Heading Cell Color</source>
        <translation>Farbe der Titelzelle wählen</translation>
    </message>
    <message>
        <source>Cellspacing:</source>
        <translation>Zellabstand:</translation>
    </message>
    <message>
        <source>Cellpadding:</source>
        <translation>Zellinnenabstand:</translation>
    </message>
    <message>
        <source> Control Buttons </source>
        <translation> Bedientasten </translation>
    </message>
    <message>
        <source>Choose Control Buttons Color</source>
        <translation>Farbe der Bedientasten wählen</translation>
    </message>
    <message>
        <source>Choose Control Buttons Text Color</source>
        <translation>Textfarbe der Bedientasten wählen</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source> Image List </source>
        <translation> Bilderliste </translation>
    </message>
    <message>
        <source>Choose Image List Color</source>
        <translation>Farbe der Bilderliste wählen</translation>
    </message>
    <message>
        <source>Choose Image List Text Color</source>
        <translation>Textfarbe der Bilderliste wählen</translation>
    </message>
    <message>
        <source>Item Color:</source>
        <translation>Eintragsfarbe:</translation>
    </message>
    <message>
        <source>%1 Font</source>
        <translation>Schriftart von %1</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Hintergrundfarbe:</translation>
    </message>
    <message>
        <source> Border Style</source>
        <translation> Rahmenstil</translation>
    </message>
    <message>
        <source> Border Width</source>
        <translation> Rahmenbreite</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Border Style:</source>
        <translation>Rahmenstil:</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine normale Datei</translation>
    </message>
    <message>
        <source>The page %1 would replace the slideshow file %2. Please publish the page under another name.</source>
        <translation>Die Seite %1 würde die Diashow-Datei %2 ersetzen. Bitte veröffentlichen Sie die Seite unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>The web image %1 would replace a file of the slideshow. Please publish into another folder.</source>
        <translation>Das Webbild %1 würde eine Datei der Diashow ersetzen. Bitte veröffentlichen Sie in einen anderen Ordner.</translation>
    </message>
    <message>
        <source>Cannot write the published files to %1: %2</source>
        <translation>Die veröffentlichten Dateien können nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Choose the image you would like to be the image to start the slideshow by clicking on the image in the image list box, and then clicking the OK button left of the ? button.</source>
        <translation>Wählen Sie das Bild, mit dem die Diashow beginnen soll: Klicken Sie es in der Bilderliste an und dann auf die Taste OK links neben der Taste ?.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the selected item?</source>
        <translation>Möchten Sie den ausgewählten Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to erase ALL images in the image list box?</source>
        <translation>Möchten Sie wirklich ALLE Bilder aus der Bilderliste entfernen?</translation>
    </message>
    <message>
        <source>No sound specified!</source>
        <translation>Kein Klang angegeben!</translation>
    </message>
    <message>
        <source>Please first generate code before publishing!</source>
        <translation>Bitte erzeugen Sie vor dem Veröffentlichen zuerst den Code!</translation>
    </message>
    <message>
        <source>Are you sure you want to erase all fields and start a new document?</source>
        <translation>Möchten Sie wirklich alle Felder leeren und ein neues Dokument beginnen?</translation>
    </message>
    <message>
        <source>Optimise Images for the Web</source>
        <translation>Bilder fürs Web optimieren</translation>
    </message>
    <message>
        <source>Optimise images for the web|Publish resized WebP and JPEG images without camera metadata; the originals stay as they are</source>
        <translation>Bilder fürs Web optimieren|Veröffentlicht verkleinerte WebP- und JPEG-Bilder ohne Kamera-Metadaten; die Originale bleiben unverändert</translation>
    </message>
    <message>
        <source>Web Image Size</source>
        <translation>Größe der Webbilder</translation>
    </message>
    <message>
        <source>%1 Pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>Slideshow settings</source>
        <translation>Einstellungen der Diashow</translation>
    </message>
    <message>
        <source>Slideshow images</source>
        <translation>Bilder der Diashow</translation>
    </message>
    <message>
        <source>Heading Size</source>
        <translation>Größe der Überschrift</translation>
    </message>
    <message>
        <source>Table Border Width</source>
        <translation>Rahmenbreite der Tabelle</translation>
    </message>
    <message>
        <source>a sound (WAV or MIDI)</source>
        <translation>einen Klang (WAV oder MIDI)</translation>
    </message>
    <message>
        <source>Cannot create folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Published %1 into the new folder %2</source>
        <translation>%1 in den neuen Ordner %2 veröffentlicht</translation>
    </message>
    <message>
        <source>Published %1</source>
        <translation>%1 veröffentlicht</translation>
    </message>
</context>
<context>
    <name>TagFaces</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Mnth</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>WTag</translation>
    </message>
    <message>
        <source>Hrs</source>
        <translation>Std</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>TZO</source>
        <translation>TZO</translation>
    </message>
</context>
<context>
    <name>TagInspector</name>
    <message>
        <source>Tag Inspector</source>
        <translation>Tag-Inspektor</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T in the JS Editor comes here: arrows choose a button, Ctrl+Tab or Ctrl+PgDn/PgUp a page, Enter inserts, Esc goes back to the editor</source>
        <translation>Strg+Umschalt+T im JS-Editor führt hierher: Pfeiltasten wählen eine Taste, Strg+Tab oder Strg+Bild↓/Bild↑ eine Seite, Eingabe fügt ein, Esc kehrt zum Editor zurück</translation>
    </message>
    <message>
        <source>Inserts %1</source>
        <translation>Fügt %1 ein</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>NoScript</source>
        <translation>NoScript</translation>
    </message>
    <message>
        <source>Operators</source>
        <translation>Operatoren</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Nicht</translation>
    </message>
    <message>
        <source>Less Than</source>
        <translation>Kleiner als</translation>
    </message>
    <message>
        <source>Greater Than</source>
        <translation>Größer als</translation>
    </message>
    <message>
        <source>Less Than Or Equal To</source>
        <translation>Kleiner oder gleich</translation>
    </message>
    <message>
        <source>Greater Than Or Equal To</source>
        <translation>Größer oder gleich</translation>
    </message>
    <message>
        <source>Equality</source>
        <translation>Gleichheit</translation>
    </message>
    <message>
        <source>Inequality</source>
        <translation>Ungleichheit</translation>
    </message>
    <message>
        <source>And</source>
        <translation>Und</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Oder</translation>
    </message>
    <message>
        <source>Conditional (Trinary)</source>
        <translation>Bedingung (dreistellig)</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Unary Negation</source>
        <translation>Negation (einstellig)</translation>
    </message>
    <message>
        <source>Increment</source>
        <translation>Erhöhen um 1</translation>
    </message>
    <message>
        <source>Decrement</source>
        <translation>Vermindern um 1</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Modulo Arithmetic</source>
        <translation>Modulo (Divisionsrest)</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Loops/Branches</source>
        <translation>Schleifen/Verzweigungen</translation>
    </message>
    <message>
        <source>If ... Else</source>
        <translation>If ... Else</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>While</source>
        <translation>While</translation>
    </message>
    <message>
        <source>For</source>
        <translation>For</translation>
    </message>
    <message>
        <source>Escape Sequences</source>
        <translation>Escape-Sequenzen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rückschritt</translation>
    </message>
    <message>
        <source>Formfeed</source>
        <translation>Seitenvorschub</translation>
    </message>
    <message>
        <source>New Line</source>
        <translation>Neue Zeile</translation>
    </message>
    <message>
        <source>Carriage Return</source>
        <translation>Wagenrücklauf</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Single Quote</source>
        <translation>Einfaches Anführungszeichen</translation>
    </message>
    <message>
        <source>Double Quote</source>
        <translation>Doppeltes Anführungszeichen</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Win Obj Methods</source>
        <translation>Fenstermethoden</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Meldung (alert)</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung (confirm)</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>Eingabe (prompt)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New Array</source>
        <translation>Neues Array</translation>
    </message>
    <message>
        <source>New Date</source>
        <translation>Neues Datum</translation>
    </message>
    <message>
        <source>New Image</source>
        <translation>Neues Bild</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Abfragen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Wochentag</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag des Monats</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Timezone Offset</source>
        <translation>Abstand der Zeitzone</translation>
    </message>
    <message>
        <source>Math Functions</source>
        <translation>Mathematik</translation>
    </message>
    <message>
        <source>Absolute Number</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Arc Cosine Of x In Radians</source>
        <translation>Arkuskosinus von x im Bogenmaß</translation>
    </message>
    <message>
        <source>Arc Sine Of x In Radians</source>
        <translation>Arkussinus von x im Bogenmaß</translation>
    </message>
    <message>
        <source>Arc Tangent Of x In Radians</source>
        <translation>Arkustangens von x im Bogenmaß</translation>
    </message>
    <message>
        <source>Rounds To Next Integer</source>
        <translation>Rundet zur nächsthöheren ganzen Zahl</translation>
    </message>
    <message>
        <source>Cosine Of x</source>
        <translation>Kosinus von x</translation>
    </message>
    <message>
        <source>E To The Power Of x</source>
        <translation>e hoch x</translation>
    </message>
    <message>
        <source>Rounds To Previous Integer</source>
        <translation>Rundet zur nächstniedrigeren ganzen Zahl</translation>
    </message>
    <message>
        <source>Natural Logarithm Of x</source>
        <translation>Natürlicher Logarithmus von x</translation>
    </message>
    <message>
        <source>Greater Number Between x And y</source>
        <translation>Größere Zahl von x und y</translation>
    </message>
    <message>
        <source>Smaller Number Between x And y</source>
        <translation>Kleinere Zahl von x und y</translation>
    </message>
    <message>
        <source>x To The Power Of y</source>
        <translation>x hoch y</translation>
    </message>
    <message>
        <source>Random Number (0-1)</source>
        <translation>Zufallszahl (0-1)</translation>
    </message>
    <message>
        <source>Rounds To Closest Integer</source>
        <translation>Rundet zur nächsten ganzen Zahl</translation>
    </message>
    <message>
        <source>Sine Of x</source>
        <translation>Sinus von x</translation>
    </message>
    <message>
        <source>Square Root Of x</source>
        <translation>Quadratwurzel von x</translation>
    </message>
    <message>
        <source>Tangent Of x</source>
        <translation>Tangens von x</translation>
    </message>
    <message>
        <source>String Functions</source>
        <translation>Zeichenketten</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Blink</source>
        <translation>Blinkend</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Dicktengleich</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Index Of</source>
        <translation>Position von</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Strike</source>
        <translation>Durchgestrichen</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Teilzeichenkette</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Hochgestellt</translation>
    </message>
    <message>
        <source>Subscript</source>
        <translation>Tiefgestellt</translation>
    </message>
    <message>
        <source>Upper- To Lower Case</source>
        <translation>Groß- in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Lower- To Upper Case</source>
        <translation>Klein- in Großbuchstaben</translation>
    </message>
</context>
<context>
    <name>TipWindow</name>
    <message>
        <source>Startup Tip</source>
        <translation>Tipp zum Start</translation>
    </message>
    <message>
        <source>Did You Know?</source>
        <translation>Wussten Sie schon?</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show Tips At Startup</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip &gt;&gt;</source>
        <translation>&amp;Nächster Tipp &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ToolTab</name>
    <message>
        <source>Save as HTML</source>
        <translation>Als HTML speichern</translation>
    </message>
    <message>
        <source>Save as TeXT</source>
        <translation>Als Text speichern</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Generated code</source>
        <translation>Erzeugter Code</translation>
    </message>
    <message>
        <source>As HTML</source>
        <translation>Als HTML</translation>
    </message>
    <message>
        <source>As Text</source>
        <translation>Als Text</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Copy Generated Code To Clipboard</source>
        <translation>Erzeugten Code in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Cl&amp;ear Code</source>
        <translation>Code l&amp;eeren</translation>
    </message>
    <message>
        <source>Delete All Generated Code</source>
        <translation>Gesamten erzeugten Code löschen</translation>
    </message>
    <message>
        <source>As JS</source>
        <translation>Als JS</translation>
    </message>
    <message>
        <source>Strip HTML Tags</source>
        <translation>HTML-Tags entfernen</translation>
    </message>
    <message>
        <source>Remove &lt;script&gt; And Comment Tags</source>
        <translation>&lt;script&gt;- und Kommentar-Tags entfernen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Tags</translation>
    </message>
    <message>
        <source>Toggle Tag Inspector (Ctrl+Shift+T goes to it)|Show or close the Tag Inspector; Ctrl+Shift+T moves the keyboard into it</source>
        <translation>Tag-Inspektor ein/aus (Strg+Umschalt+T führt hin)|Zeigt oder schließt den Tag-Inspektor; Strg+Umschalt+T bringt die Tastatur dorthin</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Toggle Predefined Words (Ctrl+Shift+W goes to them)|Show or close the Reserved Words; Ctrl+Shift+W moves the keyboard into the list</source>
        <translation>Reservierte Wörter ein/aus (Strg+Umschalt+W führt hin)|Zeigt oder schließt die reservierten Wörter; Strg+Umschalt+W bringt die Tastatur in die Liste</translation>
    </message>
    <message>
        <source>C&amp;opy to Clipboard</source>
        <translation>In Zwischenablage k&amp;opieren</translation>
    </message>
    <message>
        <source>C&amp;opy To Clipboard</source>
        <translation>In Zwischenablage k&amp;opieren</translation>
    </message>
    <message>
        <source>E&amp;nd Code</source>
        <translation>Ab&amp;schließen</translation>
    </message>
    <message>
        <source>End Off Document By Closing HTML and BODY Tags</source>
        <translation>Dokument mit schließenden HTML- und BODY-Tags abschließen</translation>
    </message>
    <message>
        <source>&amp;Make Code</source>
        <translation>&amp;Code erzeugen</translation>
    </message>
    <message>
        <source>Generate HTML Code</source>
        <translation>HTML-Code erzeugen</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Saving %1 …</source>
        <translation>%1 wird gespeichert …</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>Gedruckt auf %1</translation>
    </message>
    <message>
        <source>Tag Inspector</source>
        <translation>Tag-Inspektor</translation>
    </message>
    <message>
        <source>Reserved Words</source>
        <translation>Reservierte Wörter</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <source>Step %1 / %2</source>
        <translation>Schritt %1 / %2</translation>
    </message>
    <message>
        <source>Wizard step</source>
        <translation>Schritt des Assistenten</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Previous step</source>
        <translation>Vorheriger Schritt</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>

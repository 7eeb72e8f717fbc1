<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>version %1   (October 8, 2007)</source>
        <translation>Version %1   (8. Oktober 2007)</translation>
    </message>
    <message>
        <source>Added the predefined board shapes to the Shape And Piece Options dialog, each with an example picture.</source>
        <translation>Die vorgegebenen Spielbrettformen im Dialog „Form und Spielteile“ hinzugefügt, jede mit einem Beispielbild.</translation>
    </message>
    <message>
        <source>version 1.5   (September 23, 2007)</source>
        <translation>Version 1.5   (23. September 2007)</translation>
    </message>
    <message>
        <source>Added cycling through the boards with F4, [ALT + LeftArrow] and [ALT + RightArrow].</source>
        <translation>Blättern durch die Spielbretter mit F4, [ALT + Pfeil links] und [ALT + Pfeil rechts] hinzugefügt.</translation>
    </message>
    <message>
        <source>Added option to check for newer versions of this application automatically.</source>
        <translation>Option hinzugefügt, automatisch nach neueren Versionen dieses Programms zu suchen.</translation>
    </message>
    <message>
        <source>version 1.3   (May 21, 2007)</source>
        <translation>Version 1.3   (21. Mai 2007)</translation>
    </message>
    <message>
        <source>All boards generated during a run of the program can now be viewed again through File/[New #].</source>
        <translation>Alle während eines Programmlaufs erzeugten Spielbretter können jetzt über Datei/[Neu #] wieder angezeigt werden.</translation>
    </message>
    <message>
        <source>version 1.2   (April 15, 2007)</source>
        <translation>Version 1.2   (15. April 2007)</translation>
    </message>
    <message>
        <source>Fixed: the traditional shape now uses the traditional number of pieces.</source>
        <translation>Behoben: Die traditionelle Form verwendet jetzt die traditionelle Anzahl an Spielteilen.</translation>
    </message>
    <message>
        <source>Rearranged the Shape And Piece Options dialog.</source>
        <translation>Den Dialog „Form und Spielteile“ neu angeordnet.</translation>
    </message>
    <message>
        <source>version 1.1   (April 6, 2007)</source>
        <translation>Version 1.1   (6. April 2007)</translation>
    </message>
    <message>
        <source>Moved custom options all onto one dialog.</source>
        <translation>Alle eigenen Einstellungen in einem Dialog zusammengefasst.</translation>
    </message>
    <message>
        <source>Added Land Mass for custom shapes (see the Notes tab).</source>
        <translation>Landmasse für eigene Formen hinzugefügt (siehe Registerkarte „Hinweise“).</translation>
    </message>
    <message>
        <source>Added a status bar.</source>
        <translation>Eine Statusleiste hinzugefügt.</translation>
    </message>
    <message>
        <source>Fixed some window sizing issues related to XP and higher.</source>
        <translation>Einige Probleme mit der Fenstergröße unter XP und neuer behoben.</translation>
    </message>
    <message>
        <source>Added History tab to the About dialog.</source>
        <translation>Registerkarte „Versionen“ im Info-Dialog hinzugefügt.</translation>
    </message>
    <message>
        <source>version 1.0   (March 18, 2007)</source>
        <translation>Version 1.0   (18. März 2007)</translation>
    </message>
    <message>
        <source>Original release</source>
        <translation>Erste Veröffentlichung</translation>
    </message>
    <message>
        <source>File/Generate New Board.</source>
        <translation>Datei/Neues Spielbrett erzeugen</translation>
    </message>
    <message>
        <source>Creates a new board from the current settings. A saved board that is open is closed.</source>
        <translation>Erzeugt ein neues Spielbrett nach den aktuellen Einstellungen. Ein geöffnetes gespeichertes Spielbrett wird geschlossen.</translation>
    </message>
    <message>
        <source>File/Refresh Board</source>
        <translation>Datei/Spielbrett neu zeichnen</translation>
    </message>
    <message>
        <source>Draws the current board again.</source>
        <translation>Zeichnet das aktuelle Spielbrett erneut.</translation>
    </message>
    <message>
        <source>File/Save As</source>
        <translation>Datei/Speichern unter</translation>
    </message>
    <message>
        <source>Saves the board so that it can be opened later. The file must have the &quot;.mirl&quot; extension.</source>
        <translation>Speichert das Spielbrett, damit es später geöffnet werden kann. Die Datei muss die Endung „.mirl“ haben.</translation>
    </message>
    <message>
        <source>File/Open</source>
        <translation>Datei/Öffnen</translation>
    </message>
    <message>
        <source>Opens a saved board. Only &quot;.mirl&quot; files made by this program can be opened.</source>
        <translation>Öffnet ein gespeichertes Spielbrett. Nur „.mirl“-Dateien dieses Programms können geöffnet werden.</translation>
    </message>
    <message>
        <source>File/Print</source>
        <translation>Datei/Drucken</translation>
    </message>
    <message>
        <source>Prints the board as it is drawn. A board drawn in colour asks first whether to print in colour. Black and white can be chosen under Options.</source>
        <translation>Druckt das Spielbrett so, wie es gezeichnet ist. Bei einem farbigen Spielbrett wird zuerst gefragt, ob in Farbe gedruckt werden soll. Schwarz-Weiß lässt sich unter Optionen wählen.</translation>
    </message>
    <message>
        <source>File/[New #]</source>
        <translation>Datei/[Neu #]</translation>
    </message>
    <message>
        <source>All boards generated during the current run of the program can be viewed here.</source>
        <translation>Hier lassen sich alle Spielbretter anzeigen, die während des aktuellen Programmlaufs erzeugt wurden.</translation>
    </message>
    <message>
        <source>F4, [ALT + LeftArrow] and [ALT + RightArrow] cycle through the new and opened boards.</source>
        <translation>F4, [ALT + Pfeil links] und [ALT + Pfeil rechts] blättern durch die neuen und geöffneten Spielbretter.</translation>
    </message>
    <message>
        <source>Options/Shape And Piece Options...</source>
        <translation>Optionen/Form und Spielteile...</translation>
    </message>
    <message>
        <source>- Shape: the shape of the board. Each value shows an example picture.</source>
        <translation>- Form: die Form des Spielbretts. Zu jedem Wert wird ein Beispielbild gezeigt.</translation>
    </message>
    <message>
        <source>- Land Mass: how grouped or clumped the land is. Used by the random shape only.</source>
        <translation>- Landmasse: wie zusammenhängend oder verklumpt das Land ist. Nur bei der zufälligen Form verwendet.</translation>
    </message>
    <message>
        <source>- Dice Tiles: the count of each dice tile. The Total helps to match the number of land pieces, but they do not have to match.</source>
        <translation>- Zahlenchips: die Anzahl jedes Zahlenchips. Die Summe hilft, sie an die Zahl der Landfelder anzupassen, doch sie müssen nicht übereinstimmen.</translation>
    </message>
    <message>
        <source>- Land: the count of each land piece.</source>
        <translation>- Land: die Anzahl jedes Landfelds.</translation>
    </message>
    <message>
        <source>- Water: the count of each water piece.</source>
        <translation>- Wasser: die Anzahl jedes Wasserfelds.</translation>
    </message>
    <message>
        <source>  [Tip] Usually more Plain Water pieces are needed than you would expect, to surround all the land.</source>
        <translation>  [Tipp] Meist braucht man mehr Meeresfelder als erwartet, um das ganze Land zu umgeben.</translation>
    </message>
    <message>
        <source>Status bar at the bottom of the main window:</source>
        <translation>Statusleiste unten im Hauptfenster:</translation>
    </message>
    <message>
        <source>First: the shape requested.</source>
        <translation>Erstes Feld: die gewählte Form.</translation>
    </message>
    <message>
        <source>Second: how many plain waters the board needs.</source>
        <translation>Zweites Feld: wie viele Meeresfelder das Spielbrett braucht.</translation>
    </message>
    <message>
        <source>Third: the land mass requested.</source>
        <translation>Drittes Feld: die gewählte Landmasse.</translation>
    </message>
    <message>
        <source>Fourth: the land mass range statistics. Each number is an average number of sides of a land piece that touch a neighbouring land piece.</source>
        <translation>Viertes Feld: die Werte der Landmasse. Jede Zahl gibt an, wie viele Seiten eines Landfelds im Durchschnitt an ein benachbartes Landfeld grenzen.</translation>
    </message>
    <message>
        <source>  The first number is the lowest possible average, the last is the highest possible average and the middle one is the actual average of the board.</source>
        <translation>  Die erste Zahl ist der kleinstmögliche Durchschnitt, die letzte der größtmögliche und die mittlere der tatsächliche Durchschnitt des Spielbretts.</translation>
    </message>
    <message>
        <source>  With land mass &quot;any&quot; the panel also names the board&apos;s category: low, medium or high.</source>
        <translation>  Bei der Landmasse „beliebig“ nennt das Feld auch die Stufe des Spielbretts: gering, mittel oder hoch.</translation>
    </message>
    <message>
        <source>Options/Draw In Black And White</source>
        <translation>Optionen/Schwarz-Weiß zeichnen</translation>
    </message>
    <message>
        <source>For saving ink when printing.</source>
        <translation>Spart beim Drucken Tinte.</translation>
    </message>
    <message>
        <source>Options/Zoom</source>
        <translation>Optionen/Zoom</translation>
    </message>
    <message>
        <source>Zoom out when a board with custom piece counts does not fit in the window.</source>
        <translation>Verkleinern, wenn ein Spielbrett mit eigenen Teilezahlen nicht ins Fenster passt.</translation>
    </message>
    <message>
        <source>Options/Auto Check For Newer Version</source>
        <translation>Optionen/Automatisch nach neuer Version suchen</translation>
    </message>
    <message>
        <source>When this menu item is ticked, the program checks for a newer version at start and shows it in the status bar.</source>
        <translation>Ist dieser Menüpunkt angehakt, sucht das Programm beim Start nach einer neueren Version und zeigt sie in der Statusleiste an.</translation>
    </message>
    <message>
        <source>Known Issues</source>
        <translation>Bekannte Probleme</translation>
    </message>
    <message>
        <source>The web site and e-mail links on the About dialog do not work on Windows XP and later.</source>
        <translation>Die Links zur Webseite und zur E-Mail-Adresse im Info-Dialog funktionieren unter Windows XP und neuer nicht.</translation>
    </message>
    <message>
        <source>A dialog drawn over a board can leave the board badly repainted. File/Refresh Board draws it again.</source>
        <translation>Ein Dialog über dem Spielbrett kann es fehlerhaft neu gezeichnet hinterlassen. Datei/Spielbrett neu zeichnen zeichnet es erneut.</translation>
    </message>
    <message>
        <source>Copyright © 2007 the Vornia Generator authors</source>
        <translation>Copyright © 2007 die Autoren des Vornia Generator</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Brick</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Lehm</translation>
    </message>
    <message>
        <source>Grain</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Korn</translation>
    </message>
    <message>
        <source>Lumber</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Ore</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Erz</translation>
    </message>
    <message>
        <source>Wool</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Wolle</translation>
    </message>
    <message>
        <source>Desert</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Wüste</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Not &quot;English&quot; in your language: the name of your language in itself, as the Language menu lists it</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>This link&apos;s version, &quot;%1&quot;, is not a whole number from 1 up.</source>
        <translation>Die Version dieses Links, „%1“, ist keine ganze Zahl ab 1.</translation>
    </message>
    <message>
        <source>This link names an unknown shape, &quot;%1&quot;.</source>
        <translation>Dieser Link nennt eine unbekannte Form, „%1“.</translation>
    </message>
    <message>
        <source>This link names an unknown land mass, &quot;%1&quot;.</source>
        <translation>Dieser Link nennt eine unbekannte Landmasse, „%1“.</translation>
    </message>
    <message>
        <source>This link names an unknown piece set, &quot;%1&quot;.</source>
        <translation>Dieser Link nennt einen unbekannten Satz Spielteile, „%1“.</translation>
    </message>
    <message>
        <source>This link&apos;s piece counts, &quot;%1&quot;, are not piece names each with a whole number from 0 to %2.</source>
        <translation>Die Anzahlen der Spielteile in diesem Link, „%1“, sind keine Namen von Spielteilen mit je einer ganzen Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>This link names unknown fair rules, &quot;%1&quot;.</source>
        <translation>Dieser Link nennt unbekannte Regeln für ein faires Spielbrett, „%1“.</translation>
    </message>
    <message>
        <source>This link&apos;s zoom, &quot;%1&quot;, is not 100, 75 or 50.</source>
        <translation>Der Zoom dieses Links, „%1“, ist nicht 100, 75 oder 50.</translation>
    </message>
    <message>
        <source>This link&apos;s black and white, &quot;%1&quot;, is not 0 or 1.</source>
        <translation>Schwarzweiß in diesem Link, „%1“, ist nicht 0 oder 1.</translation>
    </message>
    <message>
        <source>This link&apos;s board number, &quot;%1&quot;, is not a number from 0 to %3.</source>
        <translation>Die Spielbrettnummer dieses Links, „%1“, ist keine Zahl von 0 bis %3.</translation>
    </message>
    <message>
        <source>This link is damaged at &quot;%1&quot;.</source>
        <translation>Dieser Link ist bei „%1“ beschädigt.</translation>
    </message>
    <message>
        <source>This link holds a word this page does not know, &quot;%1&quot;.</source>
        <translation>Dieser Link enthält ein Wort, das diese Seite nicht kennt, „%1“.</translation>
    </message>
    <message>
        <source>This link gives &quot;%1&quot; twice.</source>
        <translation>Dieser Link gibt „%1“ zweimal an.</translation>
    </message>
    <message>
        <source>This link gives no value for &quot;%1&quot;.</source>
        <translation>Dieser Link gibt keinen Wert für „%1“ an.</translation>
    </message>
    <message>
        <source>This link was made by another version; the board may differ from the one shared.</source>
        <translation>Dieser Link stammt von einer anderen Version; das Spielbrett kann sich vom geteilten unterscheiden.</translation>
    </message>
    <message>
        <source>This link&apos;s corner pips, &quot;%1&quot;, is not 0 or 1.</source>
        <translation>Die Punkte an den Ecken in diesem Link, „%1“, sind nicht 0 oder 1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Generate New Board</source>
        <translation>Neues Spielbrett erzeugen</translation>
    </message>
    <message>
        <source>&amp;Refresh Board</source>
        <translation>Spielbrett neu &amp;zeichnen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Whole Board...</source>
        <translation>Ganzes Spielbrett drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Shape And Piece Options...</source>
        <translation>Form und Spielteile...</translation>
    </message>
    <message>
        <source>Draw In Black And White</source>
        <translation>Schwarz-Weiß zeichnen</translation>
    </message>
    <message>
        <source>Auto Check For Newer Version</source>
        <translation>Automatisch nach neuer Version suchen</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Toggle Mem</source>
        <translation>Mem ein/aus</translation>
    </message>
    <message>
        <source>Fill Mem</source>
        <translation>Mem füllen</translation>
    </message>
    <message>
        <source>Show Corner Pips</source>
        <translation>Punkte an den Ecken zeigen</translation>
    </message>
    <message>
        <source>Labels In My Language</source>
        <translation>Beschriftung in meiner Sprache</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>traditional</source>
        <translation>traditionell</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>albatross</source>
        <translation>Albatros</translation>
    </message>
    <message>
        <source>coelecanth</source>
        <translation>Quastenflosser</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>dog leg</source>
        <translation>Knick</translation>
    </message>
    <message>
        <source>great lakes</source>
        <translation>Große Seen</translation>
    </message>
    <message>
        <source>lesser great lakes</source>
        <translation>Kleine Große Seen</translation>
    </message>
    <message>
        <source>long lake</source>
        <translation>Langer See</translation>
    </message>
    <message>
        <source>pine cone</source>
        <translation>Kiefernzapfen</translation>
    </message>
    <message>
        <source>scorpion</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>valley</source>
        <translation>Tal</translation>
    </message>
    <message>
        <source>wolf</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>New traditional %1</source>
        <translation>Neues traditionelles Spielbrett %1</translation>
    </message>
    <message>
        <source>New random %1</source>
        <translation>Neues Zufallsbrett %1</translation>
    </message>
    <message>
        <source>New albatross %1</source>
        <translation>Neuer Albatros %1</translation>
    </message>
    <message>
        <source>New coelecanth %1</source>
        <translation>Neuer Quastenflosser %1</translation>
    </message>
    <message>
        <source>New cross %1</source>
        <translation>Neues Kreuz %1</translation>
    </message>
    <message>
        <source>New dog leg %1</source>
        <translation>Neuer Knick %1</translation>
    </message>
    <message>
        <source>New great lakes %1</source>
        <translation>Neue Große Seen %1</translation>
    </message>
    <message>
        <source>New lesser great lakes %1</source>
        <translation>Neue Kleine Große Seen %1</translation>
    </message>
    <message>
        <source>New long lake %1</source>
        <translation>Neuer Langer See %1</translation>
    </message>
    <message>
        <source>New pine cone %1</source>
        <translation>Neuer Kiefernzapfen %1</translation>
    </message>
    <message>
        <source>New scorpion %1</source>
        <translation>Neuer Skorpion %1</translation>
    </message>
    <message>
        <source>New valley %1</source>
        <translation>Neues Tal %1</translation>
    </message>
    <message>
        <source>New wolf %1</source>
        <translation>Neuer Wolf %1</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>low</source>
        <translation>gering</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>large traditional</source>
        <translation>traditionell (groß)</translation>
    </message>
    <message>
        <source>New large traditional %1</source>
        <translation>Neues großes traditionelles Spielbrett %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Boards for Hexlanders Of Vornia, made in the browser, shared by link.</source>
        <translation>Spielbretter für Hexlanders Of Vornia, im Browser erzeugt, per Link geteilt.</translation>
    </message>
    <message>
        <source>Boards of this visit</source>
        <translation>Spielbretter dieses Besuchs</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Vorheriges Spielbrett</translation>
    </message>
    <message>
        <source>Previous board (Alt+Left)</source>
        <translation>Vorheriges Spielbrett (Alt+Pfeil links)</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Neues Spielbrett</translation>
    </message>
    <message>
        <source>Generate a new board (N)</source>
        <translation>Neues Spielbrett erzeugen (N)</translation>
    </message>
    <message>
        <source>Making…</source>
        <translation>Wird erzeugt…</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Nächstes Spielbrett</translation>
    </message>
    <message>
        <source>Next board (Alt+Right)</source>
        <translation>Nächstes Spielbrett (Alt+Pfeil rechts)</translation>
    </message>
    <message>
        <source>%1 - Vornia Generator</source>
        <extracomment>The page&apos;s title while a board is shown: %1 is the board&apos;s name.</extracomment>
        <translation>%1 - Vornia Generator</translation>
    </message>
    <message>
        <source>The board. Drag or use the arrow keys to move it, the wheel, a pinch or + and - to zoom, 0 to fit.</source>
        <translation>Das Spielbrett. Ziehen oder die Pfeiltasten verschieben es, Mausrad, zwei Finger oder + und - zoomen, 0 zeigt es ganz.</translation>
    </message>
    <message>
        <source>Settings and files</source>
        <translation>Einstellungen und Dateien</translation>
    </message>
    <message>
        <source>Land mass</source>
        <translation>Landmasse</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Labels in my language</source>
        <translation>Beschriftung in meiner Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Pieces…</source>
        <translation>Spielteile…</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link kopiert</translation>
    </message>
    <message>
        <source>Download .mirl</source>
        <translation>.mirl herunterladen</translation>
    </message>
    <message>
        <source>Open .mirl…</source>
        <translation>.mirl öffnen…</translation>
    </message>
    <message>
        <source>Export PNG</source>
        <translation>Als PNG exportieren</translation>
    </message>
    <message>
        <source>Export SVG</source>
        <translation>Als SVG exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Drop a .mirl file on the page to open it.</source>
        <translation>Eine .mirl-Datei auf die Seite ziehen, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>The board maker stopped: %1. Reload the page to go on.</source>
        <extracomment>%1 is the reason the browser gives.</extracomment>
        <translation>Der Spielbrett-Generator ist stehen geblieben: %1. Laden Sie die Seite neu, um weiterzumachen.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>The board maker could not start: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Der Spielbrett-Generator konnte nicht starten: %1</translation>
    </message>
    <message>
        <source>A count is a whole number from 0 to %1.</source>
        <extracomment>%1 is the largest count, 500.</extracomment>
        <translation>Eine Anzahl ist eine ganze Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>Could not export the picture: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Das Bild konnte nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>Could not copy the link; copy it from the address bar.</source>
        <translation>Der Link konnte nicht kopiert werden; kopieren Sie ihn aus der Adressleiste.</translation>
    </message>
    <message>
        <source>Board number</source>
        <extracomment>The seed a board is made from, which the player may type to make it again.</extracomment>
        <translation>Spielbrettnummer</translation>
    </message>
    <message>
        <source>A board number is a whole number from 0 to %1.</source>
        <extracomment>%1 is the largest board number.</extracomment>
        <translation>Eine Spielbrettnummer ist eine ganze Zahl von 0 bis %1.</translation>
    </message>
    <message>
        <source>As the browser</source>
        <extracomment>The language choice that follows the browser&apos;s languages.</extracomment>
        <translation>Wie der Browser</translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Opens the system&apos;s share sheet with the board&apos;s link.</extracomment>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Recent boards…</source>
        <translation>Letzte Spielbretter…</translation>
    </message>
    <message>
        <source>Recent boards</source>
        <translation>Letzte Spielbretter</translation>
    </message>
    <message>
        <source>The boards made or opened on this device, newest first. They are kept in this browser only.</source>
        <translation>Die auf diesem Gerät erzeugten oder geöffneten Spielbretter, das neueste zuerst. Sie bleiben nur in diesem Browser gespeichert.</translation>
    </message>
    <message>
        <source>No boards yet.</source>
        <translation>Noch keine Spielbretter.</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vornia Generator is free software under the MIT licence.</source>
        <translation>Vornia Generator ist freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Its core includes JSON for Modern C++ (nlohmann/json), under the MIT licence.</source>
        <extracomment>nlohmann/json is the name of a library; keep it as it stands.</extracomment>
        <translation>Sein Kern enthält JSON for Modern C++ (nlohmann/json) unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Licence text</source>
        <translation>Lizenztext</translation>
    </message>
    <message>
        <source>Corner pips</source>
        <translation>Punkte an den Ecken</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Versionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmCustomOptions</name>
    <message>
        <source>Shape And Piece Options</source>
        <translation>Form und Spielteile</translation>
    </message>
    <message>
        <source>(Land and Water counts not available for this shape</source>
        <translation>(Land- und Wasserzahlen sind bei dieser Form nicht einstellbar</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>&amp;Land Mass</source>
        <translation>&amp;Landmasse</translation>
    </message>
    <message>
        <source>Dice Tiles</source>
        <translation>Zahlenchips</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Total =</source>
        <translation>Summe =</translation>
    </message>
    <message>
        <source>Total - Desert =</source>
        <translation>Summe ohne Wüste =</translation>
    </message>
    <message>
        <source>Fair Board</source>
        <translation>Faires Spielbrett</translation>
    </message>
    <message>
        <source>Shape Example:</source>
        <translation>Beispiel:</translation>
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
        <source>&amp;Two:</source>
        <translation>&amp;Zwei:</translation>
    </message>
    <message>
        <source>Three:</source>
        <translation>Drei:</translation>
    </message>
    <message>
        <source>Four:</source>
        <translation>Vier:</translation>
    </message>
    <message>
        <source>Five:</source>
        <translation>Fünf:</translation>
    </message>
    <message>
        <source>Six:</source>
        <translation>Sechs:</translation>
    </message>
    <message>
        <source>Seven:</source>
        <translation>Sieben:</translation>
    </message>
    <message>
        <source>Eight:</source>
        <translation>Acht:</translation>
    </message>
    <message>
        <source>Nine:</source>
        <translation>Neun:</translation>
    </message>
    <message>
        <source>Ten:</source>
        <translation>Zehn:</translation>
    </message>
    <message>
        <source>Eleven:</source>
        <translation>Elf:</translation>
    </message>
    <message>
        <source>Twelve:</source>
        <translation>Zwölf:</translation>
    </message>
    <message>
        <source>&amp;Brick:</source>
        <translation>L&amp;ehm:</translation>
    </message>
    <message>
        <source>Grain:</source>
        <translation>Getreide:</translation>
    </message>
    <message>
        <source>Lumber:</source>
        <translation>Holz:</translation>
    </message>
    <message>
        <source>Ore:</source>
        <translation>Erz:</translation>
    </message>
    <message>
        <source>Wool:</source>
        <translation>Wolle:</translation>
    </message>
    <message>
        <source>Desert:</source>
        <translation>Wüste:</translation>
    </message>
    <message>
        <source>&amp;Plain:</source>
        <translation>&amp;Meer:</translation>
    </message>
    <message>
        <source>2:1 Brick:</source>
        <translation>2:1 Lehm:</translation>
    </message>
    <message>
        <source>2:1 Grain:</source>
        <translation>2:1 Getreide:</translation>
    </message>
    <message>
        <source>2:1 Lumber:</source>
        <translation>2:1 Holz:</translation>
    </message>
    <message>
        <source>2:1 Ore:</source>
        <translation>2:1 Erz:</translation>
    </message>
    <message>
        <source>2:1 Wool:</source>
        <translation>2:1 Wolle:</translation>
    </message>
    <message>
        <source>3:1 ?:</source>
        <translation>3:1 ?:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>No arrangement of these pieces meets the fair-board rules.</source>
        <translation>Keine Anordnung dieser Teile erfüllt die Regeln für ein faires Spielbrett.</translation>
    </message>
    <message>
        <source>No arrangement meeting the fair-board rules was found; try again or turn a rule off.</source>
        <translation>Es wurde keine Anordnung gefunden, die die Regeln für ein faires Spielbrett erfüllt; bitte erneut versuchen oder eine Regel abschalten.</translation>
    </message>
    <message>
        <source>No 6 and 8 side by side</source>
        <translation>Keine 6 und 8 nebeneinander</translation>
    </message>
    <message>
        <source>No equal numbers side by side</source>
        <translation>Keine gleichen Zahlen nebeneinander</translation>
    </message>
    <message>
        <source>No equal resources side by side</source>
        <translation>Keine gleichen Rohstoffe nebeneinander</translation>
    </message>
    <message>
        <source>Balance pips per resource</source>
        <translation>Punkte je Rohstoff ausgleichen</translation>
    </message>
    <message>
        <source>shape: %1</source>
        <translation>Form: %1</translation>
    </message>
    <message>
        <source>plain waters: %1</source>
        <translation>Meeresfelder: %1</translation>
    </message>
    <message>
        <source>land mass: %1</source>
        <translation>Landmasse: %1</translation>
    </message>
    <message>
        <source>mass stats: %1 - %2 - %3</source>
        <translation>Landwerte: %1 - %2 - %3</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Versuche: %1</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Failed to create custom board. Please try again.</source>
        <translation>Das Spielbrett konnte nicht erzeugt werden. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Could not create %1</source>
        <translation>%1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>%1 wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Could not save the settings to %1:<byte value="xd"/>
%2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Hexlanders Of Vornia Board Generator</source>
        <translation>Spielbrett-Generator für Hexlanders Of Vornia</translation>
    </message>
    <message>
        <source>Would you like this application to automatically check for newer versions?<byte value="xd"/>
If you select Yes it will request permission to access the internet, only once though.<byte value="xd"/>
If you select No, you can turn this on later in Options.</source>
        <translation>Soll dieses Programm automatisch nach neueren Versionen suchen?<byte value="xd"/>
Wenn Sie Ja wählen, bittet es einmalig um die Erlaubnis, auf das Internet zuzugreifen.<byte value="xd"/>
Wenn Sie Nein wählen, können Sie die Suche später unter Optionen einschalten.</translation>
    </message>
    <message>
        <source>Could not open VorniaGenerator.ini</source>
        <translation>VorniaGenerator.ini konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>mirl files (*.mirl)</source>
        <translation>mirl-Dateien (*.mirl)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)</source>
        <translation>PNG-Bilder (*.png);;SVG-Bilder (*.svg);;PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>There is no board to export.</source>
        <translation>Es gibt kein Spielbrett zum Exportieren.</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG, SVG or PDF. Please choose a name ending in .png, .svg or .pdf.</source>
        <translation>Bilder werden als PNG, SVG oder PDF gespeichert. Bitte einen Namen wählen, der auf .png, .svg oder .pdf endet.</translation>
    </message>
    <message>
        <source>Could not print the board:<byte value="xd"/>
%1</source>
        <translation>Das Spielbrett konnte nicht gedruckt werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Please first generate a board.</source>
        <translation>Bitte zuerst ein Spielbrett erzeugen.</translation>
    </message>
    <message>
        <source>This board already exists. Overwrite existing board?</source>
        <translation>Dieses Spielbrett gibt es bereits. Vorhandenes Spielbrett überschreiben?</translation>
    </message>
    <message>
        <source>Sorry, could not save board.</source>
        <translation>Das Spielbrett konnte leider nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Sorry, could not find this board.</source>
        <translation>Dieses Spielbrett wurde leider nicht gefunden.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Could not export the picture:<byte value="xd"/>
%1</source>
        <translation>Das Bild konnte nicht exportiert werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source> Version %1 is available</source>
        <translation> Version %1 ist verfügbar</translation>
    </message>
    <message>
        <source> Version %1</source>
        <translation> Version %1</translation>
    </message>
    <message>
        <source>%1 example:</source>
        <translation>Beispiel „%1“:</translation>
    </message>
    <message>
        <source>There are not enough dice tiles to cover all the land pieces that will be used (%1). Continue?</source>
        <translation>Es gibt nicht genug Zahlenchips für alle Landfelder, die verwendet werden (%1). Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>There is no board to print.</source>
        <translation>Es gibt kein Spielbrett zum Drucken.</translation>
    </message>
    <message>
        <source>Are you sure you want to print this in color?</source>
        <translation>Soll das Spielbrett wirklich in Farbe gedruckt werden?</translation>
    </message>
    <message>
        <source> (fair)</source>
        <translation> (fair)</translation>
    </message>
    <message>
        <source>Sorry, this file holds no board.</source>
        <translation>Diese Datei enthält leider kein Spielbrett.</translation>
    </message>
    <message>
        <source>Score: %1 of 100</source>
        <translation>Wertung: %1 von 100</translation>
    </message>
    <message>
        <source>Best corners: %1 pips</source>
        <translation>Beste Ecken: %1 Punkte</translation>
    </message>
    <message>
        <source>3–4 Players</source>
        <translation>3–4 Spieler</translation>
    </message>
    <message>
        <source>5–6 Players</source>
        <translation>5–6 Spieler</translation>
    </message>
</context>
</TS>

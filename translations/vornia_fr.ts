<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>version %1   (October 8, 2007)</source>
        <translation>version %1   (8 octobre 2007)</translation>
    </message>
    <message>
        <source>Added the predefined board shapes to the Shape And Piece Options dialog, each with an example picture.</source>
        <translation>Ajout des formes de plateau prédéfinies dans la boîte «&#xa0;Forme et pièces&#xa0;», chacune avec une image d&apos;exemple.</translation>
    </message>
    <message>
        <source>version 1.5   (September 23, 2007)</source>
        <translation>version 1.5   (23 septembre 2007)</translation>
    </message>
    <message>
        <source>Added cycling through the boards with F4, [ALT + LeftArrow] and [ALT + RightArrow].</source>
        <translation>Ajout du passage d&apos;un plateau à l&apos;autre avec F4, [ALT + Flèche gauche] et [ALT + Flèche droite].</translation>
    </message>
    <message>
        <source>Added option to check for newer versions of this application automatically.</source>
        <translation>Ajout d&apos;une option pour rechercher automatiquement les nouvelles versions de cette application.</translation>
    </message>
    <message>
        <source>version 1.3   (May 21, 2007)</source>
        <translation>version 1.3   (21 mai 2007)</translation>
    </message>
    <message>
        <source>All boards generated during a run of the program can now be viewed again through File/[New #].</source>
        <translation>Tous les plateaux générés pendant une session du programme peuvent désormais être revus par Fichier/[Nouveau #].</translation>
    </message>
    <message>
        <source>version 1.2   (April 15, 2007)</source>
        <translation>version 1.2   (15 avril 2007)</translation>
    </message>
    <message>
        <source>Fixed: the traditional shape now uses the traditional number of pieces.</source>
        <translation>Corrigé&#xa0;: la forme traditionnelle utilise désormais le nombre traditionnel de pièces.</translation>
    </message>
    <message>
        <source>Rearranged the Shape And Piece Options dialog.</source>
        <translation>Réorganisation de la boîte «&#xa0;Forme et pièces&#xa0;».</translation>
    </message>
    <message>
        <source>version 1.1   (April 6, 2007)</source>
        <translation>version 1.1   (6 avril 2007)</translation>
    </message>
    <message>
        <source>Moved custom options all onto one dialog.</source>
        <translation>Toutes les options personnalisées regroupées dans une seule boîte de dialogue.</translation>
    </message>
    <message>
        <source>Added Land Mass for custom shapes (see the Notes tab).</source>
        <translation>Ajout de la masse terrestre pour les formes personnalisées (voir l&apos;onglet Notes).</translation>
    </message>
    <message>
        <source>Added a status bar.</source>
        <translation>Ajout d&apos;une barre d&apos;état.</translation>
    </message>
    <message>
        <source>Fixed some window sizing issues related to XP and higher.</source>
        <translation>Correction de problèmes de taille de fenêtre sous XP et versions ultérieures.</translation>
    </message>
    <message>
        <source>Added History tab to the About dialog.</source>
        <translation>Ajout de l&apos;onglet Historique dans la boîte À propos.</translation>
    </message>
    <message>
        <source>version 1.0   (March 18, 2007)</source>
        <translation>version 1.0   (18 mars 2007)</translation>
    </message>
    <message>
        <source>Original release</source>
        <translation>Première version</translation>
    </message>
    <message>
        <source>File/Generate New Board.</source>
        <translation>Fichier/Générer un nouveau plateau</translation>
    </message>
    <message>
        <source>Creates a new board from the current settings. A saved board that is open is closed.</source>
        <translation>Crée un nouveau plateau selon les réglages actuels. Un plateau enregistré qui est ouvert est fermé.</translation>
    </message>
    <message>
        <source>File/Refresh Board</source>
        <translation>Fichier/Redessiner le plateau</translation>
    </message>
    <message>
        <source>Draws the current board again.</source>
        <translation>Redessine le plateau actuel.</translation>
    </message>
    <message>
        <source>File/Save As</source>
        <translation>Fichier/Enregistrer sous</translation>
    </message>
    <message>
        <source>Saves the board so that it can be opened later. The file must have the &quot;.mirl&quot; extension.</source>
        <translation>Enregistre le plateau pour pouvoir l&apos;ouvrir plus tard. Le fichier doit avoir l&apos;extension «&#xa0;.mirl&#xa0;».</translation>
    </message>
    <message>
        <source>File/Open</source>
        <translation>Fichier/Ouvrir</translation>
    </message>
    <message>
        <source>Opens a saved board. Only &quot;.mirl&quot; files made by this program can be opened.</source>
        <translation>Ouvre un plateau enregistré. Seuls les fichiers «&#xa0;.mirl&#xa0;» créés par ce programme peuvent être ouverts.</translation>
    </message>
    <message>
        <source>File/Print</source>
        <translation>Fichier/Imprimer</translation>
    </message>
    <message>
        <source>Prints the board as it is drawn. A board drawn in colour asks first whether to print in colour. Black and white can be chosen under Options.</source>
        <translation>Imprime le plateau tel qu&apos;il est dessiné. Pour un plateau en couleur, le programme demande d&apos;abord s&apos;il faut imprimer en couleur. Le noir et blanc se choisit dans Options.</translation>
    </message>
    <message>
        <source>File/[New #]</source>
        <translation>Fichier/[Nouveau #]</translation>
    </message>
    <message>
        <source>All boards generated during the current run of the program can be viewed here.</source>
        <translation>Tous les plateaux générés pendant la session en cours peuvent être revus ici.</translation>
    </message>
    <message>
        <source>F4, [ALT + LeftArrow] and [ALT + RightArrow] cycle through the new and opened boards.</source>
        <translation>F4, [ALT + Flèche gauche] et [ALT + Flèche droite] passent d&apos;un plateau nouveau ou ouvert à l&apos;autre.</translation>
    </message>
    <message>
        <source>Options/Shape And Piece Options...</source>
        <translation>Options/Forme et pièces...</translation>
    </message>
    <message>
        <source>- Shape: the shape of the board. Each value shows an example picture.</source>
        <translation>- Forme&#xa0;: la forme du plateau. Chaque valeur montre une image d&apos;exemple.</translation>
    </message>
    <message>
        <source>- Land Mass: how grouped or clumped the land is. Used by the random shape only.</source>
        <translation>- Masse terrestre&#xa0;: à quel point les terres sont groupées. Utilisée par la forme aléatoire seulement.</translation>
    </message>
    <message>
        <source>- Dice Tiles: the count of each dice tile. The Total helps to match the number of land pieces, but they do not have to match.</source>
        <translation>- Jetons numérotés&#xa0;: le nombre de chaque jeton. Le total aide à l&apos;accorder au nombre de terres, mais ils n&apos;ont pas à être égaux.</translation>
    </message>
    <message>
        <source>- Land: the count of each land piece.</source>
        <translation>- Terre&#xa0;: le nombre de chaque pièce de terre.</translation>
    </message>
    <message>
        <source>- Water: the count of each water piece.</source>
        <translation>- Eau&#xa0;: le nombre de chaque pièce d&apos;eau.</translation>
    </message>
    <message>
        <source>  [Tip] Usually more Plain Water pieces are needed than you would expect, to surround all the land.</source>
        <translation>  [Astuce] Il faut en général plus de pièces de mer qu&apos;on ne le pense pour entourer toutes les terres.</translation>
    </message>
    <message>
        <source>Status bar at the bottom of the main window:</source>
        <translation>Barre d&apos;état en bas de la fenêtre principale&#xa0;:</translation>
    </message>
    <message>
        <source>First: the shape requested.</source>
        <translation>Première case&#xa0;: la forme demandée.</translation>
    </message>
    <message>
        <source>Second: how many plain waters the board needs.</source>
        <translation>Deuxième case&#xa0;: le nombre de pièces de mer dont le plateau a besoin.</translation>
    </message>
    <message>
        <source>Third: the land mass requested.</source>
        <translation>Troisième case&#xa0;: la masse terrestre demandée.</translation>
    </message>
    <message>
        <source>Fourth: the land mass range statistics. Each number is an average number of sides of a land piece that touch a neighbouring land piece.</source>
        <translation>Quatrième case&#xa0;: les statistiques de masse terrestre. Chaque nombre est le nombre moyen de côtés d&apos;une terre qui touchent une terre voisine.</translation>
    </message>
    <message>
        <source>  The first number is the lowest possible average, the last is the highest possible average and the middle one is the actual average of the board.</source>
        <translation>  Le premier nombre est la plus petite moyenne possible, le dernier la plus grande, et celui du milieu la moyenne réelle du plateau.</translation>
    </message>
    <message>
        <source>  With land mass &quot;any&quot; the panel also names the board&apos;s category: low, medium or high.</source>
        <translation>  Avec la masse terrestre «&#xa0;quelconque&#xa0;», la case indique aussi la catégorie du plateau&#xa0;: faible, moyenne ou forte.</translation>
    </message>
    <message>
        <source>Options/Draw In Black And White</source>
        <translation>Options/Dessiner en noir et blanc</translation>
    </message>
    <message>
        <source>For saving ink when printing.</source>
        <translation>Pour économiser l&apos;encre à l&apos;impression.</translation>
    </message>
    <message>
        <source>Options/Zoom</source>
        <translation>Options/Zoom</translation>
    </message>
    <message>
        <source>Zoom out when a board with custom piece counts does not fit in the window.</source>
        <translation>Réduire le zoom quand un plateau aux nombres de pièces personnalisés ne tient pas dans la fenêtre.</translation>
    </message>
    <message>
        <source>Options/Auto Check For Newer Version</source>
        <translation>Options/Rechercher automatiquement une nouvelle version</translation>
    </message>
    <message>
        <source>When this menu item is ticked, the program checks for a newer version at start and shows it in the status bar.</source>
        <translation>Quand cette commande est cochée, le programme recherche une nouvelle version au démarrage et l&apos;affiche dans la barre d&apos;état.</translation>
    </message>
    <message>
        <source>Known Issues</source>
        <translation>Problèmes connus</translation>
    </message>
    <message>
        <source>The web site and e-mail links on the About dialog do not work on Windows XP and later.</source>
        <translation>Les liens vers le site web et l&apos;adresse e-mail de la boîte À propos ne fonctionnent pas sous Windows XP et versions ultérieures.</translation>
    </message>
    <message>
        <source>A dialog drawn over a board can leave the board badly repainted. File/Refresh Board draws it again.</source>
        <translation>Une boîte de dialogue affichée sur le plateau peut laisser celui-ci mal redessiné. Fichier/Redessiner le plateau le dessine à nouveau.</translation>
    </message>
    <message>
        <source>Copyright © 2007 the Vornia Generator authors</source>
        <translation>Copyright © 2007 les auteurs de Vornia Generator</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Brick</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Argile</translation>
    </message>
    <message>
        <source>Grain</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Blé</translation>
    </message>
    <message>
        <source>Lumber</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Ore</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Miner.</translation>
    </message>
    <message>
        <source>Wool</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Laine</translation>
    </message>
    <message>
        <source>Desert</source>
        <extracomment>A land hex&apos;s label; at most about 28 pixels wide in a 7-point font (5 letters or so).</extracomment>
        <translation>Désert</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>Not &quot;English&quot; in your language: the name of your language in itself, as the Language menu lists it</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>This link&apos;s version, &quot;%1&quot;, is not a whole number from 1 up.</source>
        <translation>La version de ce lien, «&#xa0;%1&#xa0;», n&apos;est pas un nombre entier à partir de 1.</translation>
    </message>
    <message>
        <source>This link names an unknown shape, &quot;%1&quot;.</source>
        <translation>Ce lien nomme une forme inconnue, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link names an unknown land mass, &quot;%1&quot;.</source>
        <translation>Ce lien nomme une masse terrestre inconnue, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link names an unknown piece set, &quot;%1&quot;.</source>
        <translation>Ce lien nomme un jeu de pièces inconnu, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link&apos;s piece counts, &quot;%1&quot;, are not piece names each with a whole number from 0 to %2.</source>
        <translation>Les nombres de pièces de ce lien, «&#xa0;%1&#xa0;», ne sont pas des noms de pièces suivis chacun d&apos;un nombre entier de 0 à %2.</translation>
    </message>
    <message>
        <source>This link names unknown fair rules, &quot;%1&quot;.</source>
        <translation>Ce lien nomme des règles de plateau équitable inconnues, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link&apos;s zoom, &quot;%1&quot;, is not 100, 75 or 50.</source>
        <translation>Le zoom de ce lien, «&#xa0;%1&#xa0;», n&apos;est pas 100, 75 ou 50.</translation>
    </message>
    <message>
        <source>This link&apos;s black and white, &quot;%1&quot;, is not 0 or 1.</source>
        <translation>Le noir et blanc de ce lien, «&#xa0;%1&#xa0;», n&apos;est pas 0 ou 1.</translation>
    </message>
    <message>
        <source>This link&apos;s board number, &quot;%1&quot;, is not a number from 0 to %3.</source>
        <translation>Le numéro de plateau de ce lien, «&#xa0;%1&#xa0;», n&apos;est pas un nombre de 0 à %3.</translation>
    </message>
    <message>
        <source>This link is damaged at &quot;%1&quot;.</source>
        <translation>Ce lien est endommagé à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link holds a word this page does not know, &quot;%1&quot;.</source>
        <translation>Ce lien contient un mot que cette page ne connaît pas, «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link gives &quot;%1&quot; twice.</source>
        <translation>Ce lien donne «&#xa0;%1&#xa0;» deux fois.</translation>
    </message>
    <message>
        <source>This link gives no value for &quot;%1&quot;.</source>
        <translation>Ce lien ne donne aucune valeur pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This link was made by another version; the board may differ from the one shared.</source>
        <translation>Ce lien a été créé par une autre version&#xa0;; le plateau peut différer de celui partagé.</translation>
    </message>
    <message>
        <source>This link&apos;s corner pips, &quot;%1&quot;, is not 0 or 1.</source>
        <translation>Les points des coins de ce lien, «&#xa0;%1&#xa0;», ne valent pas 0 ou 1.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Generate New Board</source>
        <translation>Générer un nouveau plateau</translation>
    </message>
    <message>
        <source>&amp;Refresh Board</source>
        <translation>&amp;Redessiner le plateau</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Exporter l&apos;image...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print Whole Board...</source>
        <translation>Imprimer le plateau entier...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Shape And Piece Options...</source>
        <translation>Forme et pièces...</translation>
    </message>
    <message>
        <source>Draw In Black And White</source>
        <translation>Dessiner en noir et blanc</translation>
    </message>
    <message>
        <source>Auto Check For Newer Version</source>
        <translation>Rechercher automatiquement une nouvelle version</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Toggle Mem</source>
        <translation>Afficher/masquer Mem</translation>
    </message>
    <message>
        <source>Fill Mem</source>
        <translation>Remplir Mem</translation>
    </message>
    <message>
        <source>Show Corner Pips</source>
        <translation>Afficher les points des coins</translation>
    </message>
    <message>
        <source>Labels In My Language</source>
        <translation>Étiquettes dans ma langue</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>traditional</source>
        <translation>traditionnel</translation>
    </message>
    <message>
        <source>random</source>
        <translation>aléatoire</translation>
    </message>
    <message>
        <source>albatross</source>
        <translation>albatros</translation>
    </message>
    <message>
        <source>coelecanth</source>
        <translation>cœlacanthe</translation>
    </message>
    <message>
        <source>cross</source>
        <translation>croix</translation>
    </message>
    <message>
        <source>dog leg</source>
        <translation>coude</translation>
    </message>
    <message>
        <source>great lakes</source>
        <translation>grands lacs</translation>
    </message>
    <message>
        <source>lesser great lakes</source>
        <translation>petits grands lacs</translation>
    </message>
    <message>
        <source>long lake</source>
        <translation>lac long</translation>
    </message>
    <message>
        <source>pine cone</source>
        <translation>pomme de pin</translation>
    </message>
    <message>
        <source>scorpion</source>
        <translation>scorpion</translation>
    </message>
    <message>
        <source>valley</source>
        <translation>vallée</translation>
    </message>
    <message>
        <source>wolf</source>
        <translation>loup</translation>
    </message>
    <message>
        <source>New traditional %1</source>
        <translation>Nouveau plateau traditionnel %1</translation>
    </message>
    <message>
        <source>New random %1</source>
        <translation>Nouveau plateau aléatoire %1</translation>
    </message>
    <message>
        <source>New albatross %1</source>
        <translation>Nouvel albatros %1</translation>
    </message>
    <message>
        <source>New coelecanth %1</source>
        <translation>Nouveau cœlacanthe %1</translation>
    </message>
    <message>
        <source>New cross %1</source>
        <translation>Nouvelle croix %1</translation>
    </message>
    <message>
        <source>New dog leg %1</source>
        <translation>Nouveau coude %1</translation>
    </message>
    <message>
        <source>New great lakes %1</source>
        <translation>Nouveaux grands lacs %1</translation>
    </message>
    <message>
        <source>New lesser great lakes %1</source>
        <translation>Nouveaux petits grands lacs %1</translation>
    </message>
    <message>
        <source>New long lake %1</source>
        <translation>Nouveau lac long %1</translation>
    </message>
    <message>
        <source>New pine cone %1</source>
        <translation>Nouvelle pomme de pin %1</translation>
    </message>
    <message>
        <source>New scorpion %1</source>
        <translation>Nouveau scorpion %1</translation>
    </message>
    <message>
        <source>New valley %1</source>
        <translation>Nouvelle vallée %1</translation>
    </message>
    <message>
        <source>New wolf %1</source>
        <translation>Nouveau loup %1</translation>
    </message>
    <message>
        <source>any</source>
        <translation>quelconque</translation>
    </message>
    <message>
        <source>low</source>
        <translation>faible</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>high</source>
        <translation>forte</translation>
    </message>
    <message>
        <source>large traditional</source>
        <translation>grand traditionnel</translation>
    </message>
    <message>
        <source>New large traditional %1</source>
        <translation>Nouveau grand plateau traditionnel %1</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Boards for Hexlanders Of Vornia, made in the browser, shared by link.</source>
        <translation>Des plateaux pour Hexlanders Of Vornia, créés dans le navigateur, partagés par lien.</translation>
    </message>
    <message>
        <source>Boards of this visit</source>
        <translation>Plateaux de cette visite</translation>
    </message>
    <message>
        <source>Previous board</source>
        <translation>Plateau précédent</translation>
    </message>
    <message>
        <source>Previous board (Alt+Left)</source>
        <translation>Plateau précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Nouveau plateau</translation>
    </message>
    <message>
        <source>Generate a new board (N)</source>
        <translation>Créer un nouveau plateau (N)</translation>
    </message>
    <message>
        <source>Making…</source>
        <translation>Création…</translation>
    </message>
    <message>
        <source>Next board</source>
        <translation>Plateau suivant</translation>
    </message>
    <message>
        <source>Next board (Alt+Right)</source>
        <translation>Plateau suivant (Alt+Droite)</translation>
    </message>
    <message>
        <source>%1 - Vornia Generator</source>
        <extracomment>The page&apos;s title while a board is shown: %1 is the board&apos;s name.</extracomment>
        <translation>%1 - Vornia Generator</translation>
    </message>
    <message>
        <source>The board. Drag or use the arrow keys to move it, the wheel, a pinch or + and - to zoom, 0 to fit.</source>
        <translation>Le plateau. Faites-le glisser ou utilisez les flèches pour le déplacer, la molette, deux doigts ou + et - pour zoomer, 0 pour le voir en entier.</translation>
    </message>
    <message>
        <source>Settings and files</source>
        <translation>Réglages et fichiers</translation>
    </message>
    <message>
        <source>Land mass</source>
        <translation>Masse terrestre</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Labels in my language</source>
        <translation>Étiquettes dans ma langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Pieces…</source>
        <translation>Pièces…</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Lien copié</translation>
    </message>
    <message>
        <source>Download .mirl</source>
        <translation>Télécharger le .mirl</translation>
    </message>
    <message>
        <source>Open .mirl…</source>
        <translation>Ouvrir un .mirl…</translation>
    </message>
    <message>
        <source>Export PNG</source>
        <translation>Exporter en PNG</translation>
    </message>
    <message>
        <source>Export SVG</source>
        <translation>Exporter en SVG</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Drop a .mirl file on the page to open it.</source>
        <translation>Déposez un fichier .mirl sur la page pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The board maker stopped: %1. Reload the page to go on.</source>
        <extracomment>%1 is the reason the browser gives.</extracomment>
        <translation>Le générateur de plateaux s&apos;est arrêté&#xa0;: %1. Rechargez la page pour continuer.</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The board maker could not start: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Le générateur de plateaux n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>A count is a whole number from 0 to %1.</source>
        <extracomment>%1 is the largest count, 500.</extracomment>
        <translation>Un nombre est un entier de 0 à %1.</translation>
    </message>
    <message>
        <source>Could not export the picture: %1</source>
        <extracomment>%1 is the reason.</extracomment>
        <translation>Impossible d&apos;exporter l&apos;image&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not copy the link; copy it from the address bar.</source>
        <translation>Impossible de copier le lien&#xa0;; copiez-le depuis la barre d&apos;adresse.</translation>
    </message>
    <message>
        <source>Board number</source>
        <extracomment>The seed a board is made from, which the player may type to make it again.</extracomment>
        <translation>Numéro du plateau</translation>
    </message>
    <message>
        <source>A board number is a whole number from 0 to %1.</source>
        <extracomment>%1 is the largest board number.</extracomment>
        <translation>Un numéro de plateau est un nombre entier de 0 à %1.</translation>
    </message>
    <message>
        <source>As the browser</source>
        <extracomment>The language choice that follows the browser&apos;s languages.</extracomment>
        <translation>Comme le navigateur</translation>
    </message>
    <message>
        <source>Share</source>
        <extracomment>Opens the system&apos;s share sheet with the board&apos;s link.</extracomment>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Recent boards…</source>
        <translation>Plateaux récents…</translation>
    </message>
    <message>
        <source>Recent boards</source>
        <translation>Plateaux récents</translation>
    </message>
    <message>
        <source>The boards made or opened on this device, newest first. They are kept in this browser only.</source>
        <translation>Les plateaux créés ou ouverts sur cet appareil, le plus récent d’abord. Ils ne sont gardés que dans ce navigateur.</translation>
    </message>
    <message>
        <source>No boards yet.</source>
        <translation>Aucun plateau pour l’instant.</translation>
    </message>
    <message>
        <source>Clear the list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Vornia Generator is free software under the MIT licence.</source>
        <translation>Vornia Generator est un logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>Its core includes JSON for Modern C++ (nlohmann/json), under the MIT licence.</source>
        <extracomment>nlohmann/json is the name of a library; keep it as it stands.</extracomment>
        <translation>Son noyau contient JSON for Modern C++ (nlohmann/json), sous licence MIT.</translation>
    </message>
    <message>
        <source>Licence text</source>
        <translation>Texte de la licence</translation>
    </message>
    <message>
        <source>Corner pips</source>
        <translation>Points des coins</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
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
        <translation>Forme et pièces</translation>
    </message>
    <message>
        <source>(Land and Water counts not available for this shape</source>
        <translation>(Nombres de terres et d&apos;eau non réglables pour cette forme</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <source>&amp;Land Mass</source>
        <translation>Masse &amp;terrestre</translation>
    </message>
    <message>
        <source>Dice Tiles</source>
        <translation>Jetons numérotés</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Total =</source>
        <translation>Total =</translation>
    </message>
    <message>
        <source>Total - Desert =</source>
        <translation>Total sans désert =</translation>
    </message>
    <message>
        <source>Fair Board</source>
        <translation>Plateau équitable</translation>
    </message>
    <message>
        <source>Shape Example:</source>
        <translation>Exemple&#xa0;:</translation>
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
        <source>&amp;Two:</source>
        <translation>&amp;Deux&#xa0;:</translation>
    </message>
    <message>
        <source>Three:</source>
        <translation>Trois&#xa0;:</translation>
    </message>
    <message>
        <source>Four:</source>
        <translation>Quatre&#xa0;:</translation>
    </message>
    <message>
        <source>Five:</source>
        <translation>Cinq&#xa0;:</translation>
    </message>
    <message>
        <source>Six:</source>
        <translation>Six&#xa0;:</translation>
    </message>
    <message>
        <source>Seven:</source>
        <translation>Sept&#xa0;:</translation>
    </message>
    <message>
        <source>Eight:</source>
        <translation>Huit&#xa0;:</translation>
    </message>
    <message>
        <source>Nine:</source>
        <translation>Neuf&#xa0;:</translation>
    </message>
    <message>
        <source>Ten:</source>
        <translation>Dix&#xa0;:</translation>
    </message>
    <message>
        <source>Eleven:</source>
        <translation>Onze&#xa0;:</translation>
    </message>
    <message>
        <source>Twelve:</source>
        <translation>Douze&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Brick:</source>
        <translation>&amp;Argile&#xa0;:</translation>
    </message>
    <message>
        <source>Grain:</source>
        <translation>Blé&#xa0;:</translation>
    </message>
    <message>
        <source>Lumber:</source>
        <translation>Bois&#xa0;:</translation>
    </message>
    <message>
        <source>Ore:</source>
        <translation>Minerai&#xa0;:</translation>
    </message>
    <message>
        <source>Wool:</source>
        <translation>Laine&#xa0;:</translation>
    </message>
    <message>
        <source>Desert:</source>
        <translation>Désert&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Plain:</source>
        <translation>&amp;Mer&#xa0;:</translation>
    </message>
    <message>
        <source>2:1 Brick:</source>
        <translation>2:1 Argile&#xa0;:</translation>
    </message>
    <message>
        <source>2:1 Grain:</source>
        <translation>2:1 Blé&#xa0;:</translation>
    </message>
    <message>
        <source>2:1 Lumber:</source>
        <translation>2:1 Bois&#xa0;:</translation>
    </message>
    <message>
        <source>2:1 Ore:</source>
        <translation>2:1 Minerai&#xa0;:</translation>
    </message>
    <message>
        <source>2:1 Wool:</source>
        <translation>2:1 Laine&#xa0;:</translation>
    </message>
    <message>
        <source>3:1 ?:</source>
        <translation>3:1&#xa0;?&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>No arrangement of these pieces meets the fair-board rules.</source>
        <translation>Aucune disposition de ces pièces ne respecte les règles du plateau équitable.</translation>
    </message>
    <message>
        <source>No arrangement meeting the fair-board rules was found; try again or turn a rule off.</source>
        <translation>Aucune disposition respectant les règles du plateau équitable n&apos;a été trouvée&#xa0;; réessayez ou désactivez une règle.</translation>
    </message>
    <message>
        <source>No 6 and 8 side by side</source>
        <translation>Pas de 6 et de 8 côte à côte</translation>
    </message>
    <message>
        <source>No equal numbers side by side</source>
        <translation>Pas de nombres égaux côte à côte</translation>
    </message>
    <message>
        <source>No equal resources side by side</source>
        <translation>Pas de ressources égales côte à côte</translation>
    </message>
    <message>
        <source>Balance pips per resource</source>
        <translation>Équilibrer les points par ressource</translation>
    </message>
    <message>
        <source>shape: %1</source>
        <translation>forme&#xa0;: %1</translation>
    </message>
    <message>
        <source>plain waters: %1</source>
        <translation>pièces de mer&#xa0;: %1</translation>
    </message>
    <message>
        <source>land mass: %1</source>
        <translation>masse terrestre&#xa0;: %1</translation>
    </message>
    <message>
        <source>mass stats: %1 - %2 - %3</source>
        <translation>stats de masse&#xa0;: %1 - %2 - %3</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Tentatives&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please Wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Failed to create custom board. Please try again.</source>
        <translation>Impossible de créer le plateau personnalisé. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Could not create %1</source>
        <translation>Impossible de créer %1</translation>
    </message>
    <message>
        <source>Could not open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Could not find %1</source>
        <translation>Introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Could not save the settings to %1:<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;enregistrer les réglages dans %1&#xa0;:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Hexlanders Of Vornia Board Generator</source>
        <translation>Générateur de plateaux pour Hexlanders Of Vornia</translation>
    </message>
    <message>
        <source>Would you like this application to automatically check for newer versions?<byte value="xd"/>
If you select Yes it will request permission to access the internet, only once though.<byte value="xd"/>
If you select No, you can turn this on later in Options.</source>
        <translation>Voulez-vous que cette application recherche automatiquement les nouvelles versions&#xa0;?<byte value="xd"/>
Si vous choisissez Oui, elle demandera l&apos;autorisation d&apos;accéder à Internet, une seule fois.<byte value="xd"/>
Si vous choisissez Non, vous pourrez l&apos;activer plus tard dans Options.</translation>
    </message>
    <message>
        <source>Could not open VorniaGenerator.ini</source>
        <translation>Impossible d&apos;ouvrir VorniaGenerator.ini</translation>
    </message>
    <message>
        <source>mirl files (*.mirl)</source>
        <translation>Fichiers mirl (*.mirl)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)</source>
        <translation>Images PNG (*.png);;Images SVG (*.svg);;Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>There is no board to export.</source>
        <translation>Il n&apos;y a aucun plateau à exporter.</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG, SVG or PDF. Please choose a name ending in .png, .svg or .pdf.</source>
        <translation>Les images sont enregistrées en PNG, SVG ou PDF. Veuillez choisir un nom se terminant par .png, .svg ou .pdf.</translation>
    </message>
    <message>
        <source>Could not print the board:<byte value="xd"/>
%1</source>
        <translation>Impossible d&apos;imprimer le plateau&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Please first generate a board.</source>
        <translation>Veuillez d&apos;abord générer un plateau.</translation>
    </message>
    <message>
        <source>This board already exists. Overwrite existing board?</source>
        <translation>Ce plateau existe déjà. Remplacer le plateau existant&#xa0;?</translation>
    </message>
    <message>
        <source>Sorry, could not save board.</source>
        <translation>Désolé, impossible d&apos;enregistrer le plateau.</translation>
    </message>
    <message>
        <source>Sorry, could not find this board.</source>
        <translation>Désolé, ce plateau est introuvable.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Could not export the picture:<byte value="xd"/>
%1</source>
        <translation>Impossible d&apos;exporter l&apos;image&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source> Version %1 is available</source>
        <translation> Version %1 disponible</translation>
    </message>
    <message>
        <source> Version %1</source>
        <translation> Version %1</translation>
    </message>
    <message>
        <source>%1 example:</source>
        <translation>Exemple «&#xa0;%1&#xa0;»&#xa0;:</translation>
    </message>
    <message>
        <source>There are not enough dice tiles to cover all the land pieces that will be used (%1). Continue?</source>
        <translation>Il n&apos;y a pas assez de jetons numérotés pour couvrir toutes les terres utilisées (%1). Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>There is no board to print.</source>
        <translation>Il n&apos;y a aucun plateau à imprimer.</translation>
    </message>
    <message>
        <source>Are you sure you want to print this in color?</source>
        <translation>Voulez-vous vraiment imprimer en couleur&#xa0;?</translation>
    </message>
    <message>
        <source> (fair)</source>
        <translation> (équitable)</translation>
    </message>
    <message>
        <source>Sorry, this file holds no board.</source>
        <translation>Désolé, ce fichier ne contient aucun plateau.</translation>
    </message>
    <message>
        <source>Score: %1 of 100</source>
        <translation>Note : %1 sur 100</translation>
    </message>
    <message>
        <source>Best corners: %1 pips</source>
        <translation>Meilleurs coins : %1 points</translation>
    </message>
    <message>
        <source>3–4 Players</source>
        <translation>3–4 joueurs</translation>
    </message>
    <message>
        <source>5–6 Players</source>
        <translation>5–6 joueurs</translation>
    </message>
</context>
</TS>

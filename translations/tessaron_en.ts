<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Aenderungsliste</name>
    <message>
        <source>Grafik</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Palettenzuordnung</source>
        <translation>Palette assignment</translation>
    </message>
    <message>
        <source>Blöcke</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Kollision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Morgen</source>
        <translation>Morning</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Schwarze Nacht</source>
        <translation>Dark night</translation>
    </message>
    <message>
        <source>Morgen u. Tag 2</source>
        <translation>Morning and day 2</translation>
    </message>
    <message>
        <source>Paletten %1</source>
        <translation>Palettes %1</translation>
    </message>
    <message>
        <source>Wasser</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Blumen</source>
        <translation>Flowers</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>weitere Bytes: %1</source>
        <translation>other bytes: %1</translation>
    </message>
    <message>
        <source>Titelset%1</source>
        <translation>Tileset%1</translation>
    </message>
</context>
<context>
    <name>Befehlszeile</name>
    <message>
        <source>Schreibt nach AUSGABE einen Patch von ORIGINAL zu GEAENDERT (Argumente: ORIGINAL GEAENDERT AUSGABE); die Endung .ips wählt IPS, jede andere BPS.</source>
        <translation>Writes to OUTPUT a patch from ORIGINAL to CHANGED (arguments: ORIGINAL CHANGED OUTPUT); the ending .ips chooses IPS, any other BPS.</translation>
    </message>
    <message>
        <source>Schreibt nach AUSGABE das ROM mit dem Patch PATCH (Argumente: PATCH ROM AUSGABE); BPS und IPS.</source>
        <translation>Writes to OUTPUT the ROM with the patch PATCH applied (arguments: PATCH ROM OUTPUT); BPS and IPS.</translation>
    </message>
    <message>
        <source>Die Option &apos;%1&apos; nimmt keinen Wert.</source>
        <translation>The option &apos;%1&apos; takes no value.</translation>
    </message>
    <message>
        <source>Der Option &apos;%1&apos; fehlt ihr Wert.</source>
        <translation>The option &apos;%1&apos; is missing its value.</translation>
    </message>
</context>
<context>
    <name>Befehlszeilenpatch</name>
    <message>
        <source>Die Datei &apos;%1&apos; kann nicht gelesen werden: %2</source>
        <translation>The file &apos;%1&apos; cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; kann nicht geschrieben werden: %2</source>
        <translation>The file &apos;%1&apos; cannot be written: %2</translation>
    </message>
    <message>
        <source>Die Ausgabe &apos;%1&apos; ist eine der Eingaben; es wurde nichts geschrieben.</source>
        <translation>The output &apos;%1&apos; is one of the inputs; nothing was written.</translation>
    </message>
    <message>
        <source>Aufruf: tessaron --patch-erstellen ORIGINAL GEAENDERT AUSGABE</source>
        <translation>Usage: tessaron --patch-erstellen ORIGINAL CHANGED OUTPUT</translation>
    </message>
    <message>
        <source>Aufruf: tessaron --patch-anwenden PATCH ROM AUSGABE</source>
        <translation>Usage: tessaron --patch-anwenden PATCH ROM OUTPUT</translation>
    </message>
    <message>
        <source>Es wurde nichts geschrieben: %1</source>
        <translation>Nothing was written: %1</translation>
    </message>
</context>
<context>
    <name>Bildimport</name>
    <message>
        <source>Die Datei &apos;%1&apos; wurde nicht gefunden.</source>
        <translation>The file &apos;%1&apos; was not found.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; ist leer.</source>
        <translation>The file &apos;%1&apos; is empty.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; ist kein Bild, das geladen werden kann (BMP, GIF, JPEG oder PNG).</source>
        <translation>The file &apos;%1&apos; is not a picture that can be loaded (BMP, GIF, JPEG or PNG).</translation>
    </message>
    <message>
        <source>Das Bild &apos;%1&apos; ist zu groß (%2 × %3 Pixel).
Bitte ein Bild von 128 × 48 oder 256 × 96 Pixeln laden.</source>
        <translation>The picture &apos;%1&apos; is too large (%2 × %3 pixels).
Please load a picture of 128 × 48 or 256 × 96 pixels.</translation>
    </message>
    <message>
        <source>Das Bild &apos;%1&apos; konnte nicht gelesen werden:
%2</source>
        <translation>The picture &apos;%1&apos; could not be read:
%2</translation>
    </message>
</context>
<context>
    <name>Blocknutzung</name>
    <message>
        <source>Tile %1: in keinem Block</source>
        <translation>Tile %1: in no block</translation>
    </message>
    <message>
        <source>Tile %1: in 1 Block</source>
        <translation>Tile %1: in 1 block</translation>
    </message>
    <message>
        <source>Tile %1: in %2 Blöcken</source>
        <translation>Tile %1: in %2 blocks</translation>
    </message>
</context>
<context>
    <name>Bps</name>
    <message>
        <source>Die Datei ist kein BPS-Patch.</source>
        <translation>The file is not a BPS patch.</translation>
    </message>
    <message>
        <source>Der Patch ist beschädigt oder unvollständig: seine Prüfsumme stimmt nicht.</source>
        <translation>The patch is damaged or incomplete: its checksum does not match.</translation>
    </message>
    <message>
        <source>Der Patch ist beschädigt: sein Kopf reicht über sein Ende.</source>
        <translation>The patch is damaged: its header runs past its end.</translation>
    </message>
    <message>
        <source>Der Patch passt nicht zu dieser Datei: er verlangt %1 Bytes, sie hat %2 Bytes.</source>
        <translation>The patch does not fit this file: it requires %1 bytes, the file has %2 bytes.</translation>
    </message>
    <message>
        <source>Der Patch passt nicht zu dieser Datei: er verlangt die CRC32 %1, sie hat %2.</source>
        <translation>The patch does not fit this file: it requires the CRC32 %1, the file has %2.</translation>
    </message>
    <message>
        <source>Das Ergebnis wäre größer als 64 MiB.</source>
        <translation>The result would be larger than 64 MiB.</translation>
    </message>
    <message>
        <source>Der Patch greift bei Byte %1 des Ergebnisses außerhalb der Dateien zu.</source>
        <translation>At byte %1 of the result the patch reads outside the files.</translation>
    </message>
    <message>
        <source>Der Patch füllt das Ergebnis nicht ganz: %1 von %2 Bytes.</source>
        <translation>The patch does not fill the whole result: %1 of %2 bytes.</translation>
    </message>
    <message>
        <source>Das Ergebnis hat die CRC32 %1, der Patch verlangt %2.</source>
        <translation>The result has the CRC32 %1, the patch requires %2.</translation>
    </message>
</context>
<context>
    <name>Dateisatz</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht gelesen werden:
%2
Es wurde nichts geschrieben.</source>
        <translation>The file &apos;%1&apos; could not be read:
%2
Nothing was written.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden.</source>
        <translation>The file &apos;%1&apos; could not be written.</translation>
    </message>
    <message>
        <source>
Keine der Dateien %1 wurde verändert.</source>
        <translation>
None of the files %1 was changed.</translation>
    </message>
    <message>
        <source>
Nicht wiederhergestellt werden konnten: %1</source>
        <translation>
Could not be restored: %1</translation>
    </message>
</context>
<context>
    <name>Dateizugriff</name>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht gelesen werden:
%2</source>
        <translation>The file &apos;%1&apos; could not be read:
%2</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Der Pfad ist ein Ordner.</source>
        <translation>The path is a folder.</translation>
    </message>
    <message>
        <source>Schreiben nicht möglich (Datenträger voll oder schreibgeschützt).</source>
        <translation>Cannot write (disk full or write-protected).</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden:
%2
Die Datei wurde nicht verändert.</source>
        <translation>The file &apos;%1&apos; could not be written:
%2
The file was not changed.</translation>
    </message>
    <message>
        <source>Ungültiger Offset.</source>
        <translation>Invalid offset.</translation>
    </message>
    <message>
        <source>Offset %1 liegt hinter dem Ende der Romdatei &apos;%2&apos;.
Eine Romdatei wird nicht verlängert; es wurde nichts geschrieben.</source>
        <translation>Offset %1 lies beyond the end of the ROM file &apos;%2&apos;.
A ROM file is never made longer; nothing was written.</translation>
    </message>
</context>
<context>
    <name>Frm_Bearbeiten</name>
    <message>
        <source>Tileset aussehen[*]</source>
        <translation>Tileset view[*]</translation>
    </message>
    <message>
        <source>Titelset%1: 1 Tile ist noch nicht geschrieben.</source>
        <translation>Tileset%1: 1 tile has not been written yet.</translation>
    </message>
    <message>
        <source>Titelset%1: %2 Tiles sind noch nicht geschrieben.</source>
        <translation>Tileset%1: %2 tiles have not been written yet.</translation>
    </message>
</context>
<context>
    <name>Frm_Bild</name>
    <message>
        <source>Bild Einfügen</source>
        <translation>Insert picture</translation>
    </message>
    <message>
        <source>48 auf 128</source>
        <translation>48 by 128</translation>
    </message>
    <message>
        <source>96 auf 256</source>
        <translation>96 by 256</translation>
    </message>
    <message>
        <source>Titelset%1</source>
        <translation>Tileset%1</translation>
    </message>
    <message>
        <source>Zum laden aufs Bildfeld klicken.</source>
        <translation>Click the picture field to load.</translation>
    </message>
    <message>
        <source>Zu:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Farbe1 (Schwarz)</source>
        <translation>Color1 (Black)</translation>
    </message>
    <message>
        <source>Farbe2 (Grün)</source>
        <translation>Color2 (Green)</translation>
    </message>
    <message>
        <source>Farbe3 (Blau)</source>
        <translation>Color3 (Blue)</translation>
    </message>
    <message>
        <source>Farbe4 (Weiss)</source>
        <translation>Color4 (White)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>&amp;Anzeigen</source>
        <translation>&amp;Show</translation>
    </message>
    <message>
        <source>A&amp;bbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Bild Laden</source>
        <translation>Load picture</translation>
    </message>
    <message>
        <source>Untersützte Datein (*.bmp *.gif *.jpg *.jpeg *.png);;Alle Dateien (*)</source>
        <translation>Supported files (*.bmp *.gif *.jpg *.jpeg *.png);;All files (*)</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Frm_Blockuebersicht</name>
    <message>
        <source>Blockübersicht</source>
        <translation>Block overview</translation>
    </message>
</context>
<context>
    <name>Frm_Farben</name>
    <message>
        <source>Farben Palette</source>
        <translation>Colour palette</translation>
    </message>
</context>
<context>
    <name>Frm_Info</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&lt;p&gt;Ein Tileset-Editor für Game Boy Color Roms.&lt;/p&gt;&lt;p&gt;Programmiert vom Tessaron-Team.&lt;br&gt;Gebaut mit C++20 und Qt 6.&lt;/p&gt;</source>
        <translation>&lt;p&gt;A tileset editor for Game Boy Color ROMs.&lt;/p&gt;&lt;p&gt;Programmed by the Tessaron team.&lt;br&gt;Built with C++20 and Qt 6.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Frm_Kolli</name>
    <message>
        <source>Speicher Ort</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Kollisionsdaten von Block %1 (Tileset %2) gespeichert</source>
        <translation>Collision data of block %1 (tileset %2) saved</translation>
    </message>
    <message>
        <source>Kolisions- und Blockdaten Editor[*]</source>
        <translation>Collision and block data editor[*]</translation>
    </message>
    <message>
        <source>Kollisionsdaten von Block %1 (Titelset%2) sind noch nicht gespeichert.</source>
        <translation>The collision data of block %1 (Tileset%2) have not been saved yet.</translation>
    </message>
</context>
<context>
    <name>Frm_Optionen</name>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Farben </source>
        <translation>Colours </translation>
    </message>
    <message>
        <source>Hier kann man einstellen in welchen Farben das Tileset erscheinen soll.</source>
        <translation>Choose here in which colours the tileset is shown.</translation>
    </message>
    <message>
        <source>Originalfarben (Schwarz, Grün, Blau, Weiss)</source>
        <translation>Original colours (black, green, blue, white)</translation>
    </message>
    <message>
        <source>Nach Original ansicht</source>
        <translation>As in the game</translation>
    </message>
    <message>
        <source>0 Morgen Palette</source>
        <translation>0 Morning palette</translation>
    </message>
    <message>
        <source>1 Tag Palette</source>
        <translation>1 Day palette</translation>
    </message>
    <message>
        <source>2 Nacht Palette</source>
        <translation>2 Night palette</translation>
    </message>
    <message>
        <source>3 Schwarze Nacht Palette</source>
        <translation>3 Dark night palette</translation>
    </message>
    <message>
        <source>4 Morgen u. Tag Palette 2</source>
        <translation>4 Morning and day palette 2</translation>
    </message>
    <message>
        <source>Graustufen (Weiss, Hellgrau, Dunkelgrau, Schwarz)</source>
        <translation>Grey scale (white, light grey, dark grey, black)</translation>
    </message>
    <message>
        <source>Anderes</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Grösse in Pixel für ein Punkt: </source>
        <translation>Screen pixels per tile pixel: </translation>
    </message>
    <message>
        <source>Raster einblenden</source>
        <translation>Show grid</translation>
    </message>
    <message>
        <source>Kollisionsdaten Editor</source>
        <translation>Collision data editor</translation>
    </message>
    <message>
        <source>Nur die erklärten anzeigen</source>
        <translation>Only the explained ones</translation>
    </message>
    <message>
        <source>Alle Werte anzeigen (00 - FF)</source>
        <translation>All values (00 - FF)</translation>
    </message>
</context>
<context>
    <name>Frm_PalettenZu</name>
    <message>
        <source>0 Schild-Palette</source>
        <translation>0 Sign palette</translation>
    </message>
    <message>
        <source>1 Blumen-Palette</source>
        <translation>1 Flower palette</translation>
    </message>
    <message>
        <source>2 Gras u. Baum-Palette</source>
        <translation>2 Grass and tree palette</translation>
    </message>
    <message>
        <source>3 Waser-Palette</source>
        <translation>3 Water palette</translation>
    </message>
    <message>
        <source>4 obere Tür-Palette</source>
        <translation>4 Upper door palette</translation>
    </message>
    <message>
        <source>5 Fels-Palette</source>
        <translation>5 Rock palette</translation>
    </message>
    <message>
        <source>6 Dach-Palette</source>
        <translation>6 Roof palette</translation>
    </message>
    <message>
        <source>7 Schrift-Palette</source>
        <translation>7 Text palette</translation>
    </message>
    <message>
        <source>Farbe%1:</source>
        <translation>Color%1:</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Palettenzuordnung von Tileset %1 gespeichert</source>
        <translation>Palette assignment of tileset %1 saved</translation>
    </message>
    <message>
        <source>Original-Palettenzuordnung von Tileset %1 eingefügt</source>
        <translation>Original palette assignment of tileset %1 restored</translation>
    </message>
    <message>
        <source>Palettenzuordnung der Tilesets[*]</source>
        <translation>Palette assignment of the tilesets[*]</translation>
    </message>
    <message>
        <source>Die Palettenzuordnung von Titelset%1 ist noch nicht gespeichert.</source>
        <translation>The palette assignment of Tileset%1 has not been saved yet.</translation>
    </message>
</context>
<context>
    <name>Frm_TilesetPal</name>
    <message>
        <source>Tileset-Paletten</source>
        <translation>Tileset palettes</translation>
    </message>
    <message>
        <source>0 Morgen Palette</source>
        <translation>0 Morning palette</translation>
    </message>
    <message>
        <source>1 Tag Palette</source>
        <translation>1 Day palette</translation>
    </message>
    <message>
        <source>2 Nacht Palette</source>
        <translation>2 Night palette</translation>
    </message>
    <message>
        <source>3 Schwarze Nacht Palette</source>
        <translation>3 Dark night palette</translation>
    </message>
    <message>
        <source>4 Morgen u. Tag Palette 2</source>
        <translation>4 Morning and day palette 2</translation>
    </message>
    <message>
        <source>0 Schild-Palette</source>
        <translation>0 Sign palette</translation>
    </message>
    <message>
        <source>1 Blumen-Palette</source>
        <translation>1 Flower palette</translation>
    </message>
    <message>
        <source>2 Gras u. Baum-Palette</source>
        <translation>2 Grass and tree palette</translation>
    </message>
    <message>
        <source>3 Waser-Palette</source>
        <translation>3 Water palette</translation>
    </message>
    <message>
        <source>4 obere Tür-Palette</source>
        <translation>4 Upper door palette</translation>
    </message>
    <message>
        <source>5 Fels-Palette</source>
        <translation>5 Rock palette</translation>
    </message>
    <message>
        <source>6 Dach-Palette</source>
        <translation>6 Roof palette</translation>
    </message>
    <message>
        <source>7 Schrift-Palette</source>
        <translation>7 Text palette</translation>
    </message>
    <message>
        <source>Farbe%1:</source>
        <translation>Color%1:</translation>
    </message>
    <message>
        <source>GBC Hex Farbe</source>
        <translation>GBC hex colour</translation>
    </message>
    <message>
        <source>Hex zu RGB</source>
        <translation>Hex to RGB</translation>
    </message>
    <message>
        <source>Palette &amp;Speichern</source>
        <translation>&amp;Save palette</translation>
    </message>
    <message>
        <source>!!!&amp;Achtung!!!</source>
        <translation>!!!&amp;Attention!!!</translation>
    </message>
    <message>
        <source>Bitte geben Sie eine GBC Farbe aus 4 Hex-Zeichen ein (z.B. FF7F);
die 3. Stelle darf nur 0 bis 7 sein.</source>
        <translation>Please enter a GBC colour of 4 hex digits (e.g. FF7F);
the 3rd digit may only be 0 to 7.</translation>
    </message>
    <message>
        <source>Palette %1 (%2) gespeichert</source>
        <translation>Palette %1 (%2) saved</translation>
    </message>
    <message>
        <source> Palette</source>
        <translation> palette</translation>
    </message>
    <message>
        <source>Palette wurde erfolgreich geendert.</source>
        <translation>The palette was changed.</translation>
    </message>
    <message>
        <source>Bei den Dach-Paletten sind die 2. + 3. Farben bei jeder Map anderst!
Deshalb kann es sein, dass das Ändern keine Wirkung hat!</source>
        <translation>In the roof palettes the 2nd and 3rd colours differ on every map!
So changing them may have no effect!</translation>
    </message>
    <message>
        <source>Tileset-Paletten[*]</source>
        <translation>Tileset palettes[*]</translation>
    </message>
    <message>
        <source>Tileset-Paletten: %1 (%2) ist noch nicht gespeichert.</source>
        <translation>Tileset palettes: %1 (%2) has not been saved yet.</translation>
    </message>
</context>
<context>
    <name>Frm_Verlauf</name>
    <message>
        <source> (zurückgenommen)</source>
        <translation> (taken back)</translation>
    </message>
    <message>
        <source>Änderungsverlauf</source>
        <translation>Change history</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Änderung</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>Bis hierher zurücknehmen</source>
        <translation>Take back to here</translation>
    </message>
</context>
<context>
    <name>Frm_einfuegenals</name>
    <message>
        <source>Tileset einfügen als ...</source>
        <translation>Insert tileset as ...</translation>
    </message>
    <message>
        <source>Einfügen des aktuellen Tilesets in Datei ... als ?. Tileset</source>
        <translation>Insert the current tileset into file ... as tileset no. ?</translation>
    </message>
    <message>
        <source>In diese Datei</source>
        <translation>Into this file</translation>
    </message>
    <message>
        <source>In andere Datei</source>
        <translation>Into another file</translation>
    </message>
    <message>
        <source>In Tilesets.gb</source>
        <translation>Into Tilesets.gb</translation>
    </message>
    <message>
        <source>&amp;Datei angeben</source>
        <translation>Choose &amp;file</translation>
    </message>
    <message>
        <source>Titelset%1</source>
        <translation>Tileset%1</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Pointer ersetzen</source>
        <translation>Replace pointer</translation>
    </message>
    <message>
        <source>Altes Tileset Löschen</source>
        <translation>Erase old tileset</translation>
    </message>
    <message>
        <source>Aktueller Dateiname</source>
        <translation>Current file name</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>Bitte Datei Auswählen.</source>
        <translation>Please choose a file.</translation>
    </message>
    <message>
        <source>Rom Öffnen</source>
        <translation>Open ROM</translation>
    </message>
    <message>
        <source>Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)</source>
        <translation>Game Boy ROMs (*.gb *.gbc);;All files (*)</translation>
    </message>
    <message>
        <source>Dies ist keine gültige Romdatei.</source>
        <translation>This is not a valid ROM file.</translation>
    </message>
    <message>
        <source>Der Offset darf nicht Zwischen 1BB900 und 1BC000 sein.
Sonst sturzt das Rom ab!!!</source>
        <translation>The offset must not lie between 1BB900 and 1BC000.
Otherwise the ROM crashes!!!</translation>
    </message>
    <message>
        <source>!!ACHTUNG!!</source>
        <translation>!!ATTENTION!!</translation>
    </message>
    <message>
        <source>Der Offset &apos;%1&apos; ist keine gültige Hexadezimalzahl.
Bitte höchstens 6 Zeichen 0-9 und A-F angeben.</source>
        <translation>The offset &apos;%1&apos; is not a valid hexadecimal number.
Please enter at most 6 characters 0-9 and A-F.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Als Tileset %1 in &apos;Tilesets.gb&apos; eingefügt</source>
        <translation>Inserted as tileset %1 into &apos;Tilesets.gb&apos;</translation>
    </message>
    <message>
        <source>Das %1.Tileset wurde erfolgreich in der Datei &apos;Tilesets.gb&apos; eingesetzt!</source>
        <translation>Tileset %1 was inserted into the file &apos;Tilesets.gb&apos;!</translation>
    </message>
    <message>
        <source>Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!</source>
        <translation>This offset is not valid. Please enter another offset!</translation>
    </message>
    <message>
        <source>Als Tileset %1 am Offset %2 eingefügt</source>
        <translation>Inserted as tileset %1 at offset %2</translation>
    </message>
    <message>
        <source>Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: </source>
        <translation>The tileset was inserted at offset: </translation>
    </message>
    <message>
        <source>
Der Pointer auf das %1.Tileset wurde auf %2 gesetzt!</source>
        <translation>
The pointer to tileset %1 was set to %2!</translation>
    </message>
    <message>
        <source>Es ist keine Romdatei geöffnet.</source>
        <translation>No ROM file is open.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; wurde nicht gefunden.</source>
        <translation>The file &apos;%1&apos; was not found.</translation>
    </message>
    <message>
        <source>Am Offset %1 passt das Tileset (1542 Bytes) nicht mehr in die Datei &apos;%2&apos;.
Es wurde nichts geschrieben.</source>
        <translation>At offset %1 the tileset (1542 bytes) no longer fits into the file &apos;%2&apos;.
Nothing was written.</translation>
    </message>
</context>
<context>
    <name>Ips</name>
    <message>
        <source>Der Patch ist beschädigt oder unvollständig: ein Eintrag reicht über sein Ende.</source>
        <translation>The patch is damaged or incomplete: an entry runs past its end.</translation>
    </message>
    <message>
        <source>Ein IPS-Patch kann nur die ersten 16 MiB einer Datei ändern; diese ist %1 Bytes lang. Bitte das BPS-Format wählen.</source>
        <translation>An IPS patch can only change the first 16 MiB of a file; this one is %1 bytes long. Please choose the BPS format.</translation>
    </message>
    <message>
        <source>Ein IPS-Patch kann eine Datei nicht verkürzen. Bitte das BPS-Format wählen.</source>
        <translation>An IPS patch cannot shorten a file. Please choose the BPS format.</translation>
    </message>
    <message>
        <source>Die Datei ist kein IPS-Patch.</source>
        <translation>The file is not an IPS patch.</translation>
    </message>
    <message>
        <source>Der Patch ist beschädigt: hinter seinem Ende stehen noch %1 Bytes.</source>
        <translation>The patch is damaged: %1 more bytes follow its end.</translation>
    </message>
    <message>
        <source>Der Patch ist beschädigt: er kürzt die Datei auf %1 Bytes, sie hat nur %2.</source>
        <translation>The patch is damaged: it shortens the file to %1 bytes, the file has only %2.</translation>
    </message>
</context>
<context>
    <name>Kollision</name>
    <message>
        <source>00 - Kein Hindernis</source>
        <translation>00 - No obstacle</translation>
    </message>
    <message>
        <source>01 - Kein Hindernis</source>
        <translation>01 - No obstacle</translation>
    </message>
    <message>
        <source>07 - Hindernis</source>
        <translation>07 - Obstacle</translation>
    </message>
    <message>
        <source>12 - Busch (Zerschneider)</source>
        <translation>12 - Bush (Cut)</translation>
    </message>
    <message>
        <source>15 - Kleiner Baum (Kopfnuss)</source>
        <translation>15 - Small tree (Headbutt)</translation>
    </message>
    <message>
        <source>18 - Hohes Gras</source>
        <translation>18 - Tall grass</translation>
    </message>
    <message>
        <source>24 - Strudel (Whirlpool)</source>
        <translation>24 - Whirlpool</translation>
    </message>
    <message>
        <source>27 - Hindernis (im Wasser)</source>
        <translation>27 - Obstacle (in water)</translation>
    </message>
    <message>
        <source>29 - Wasser (Surfer)</source>
        <translation>29 - Water (Surf)</translation>
    </message>
    <message>
        <source>70 - Teppich Unten</source>
        <translation>70 - Carpet, bottom</translation>
    </message>
    <message>
        <source>71 - Tür</source>
        <translation>71 - Door</translation>
    </message>
    <message>
        <source>7B -Höhleneingang</source>
        <translation>7B - Cave entrance</translation>
    </message>
    <message>
        <source>76 - Teppich Links</source>
        <translation>76 - Carpet, left</translation>
    </message>
    <message>
        <source>7E - Teppich Rechts</source>
        <translation>7E - Carpet, right</translation>
    </message>
    <message>
        <source>A0 - Hiro kann nach rechts springen.</source>
        <translation>A0 - Hiro can jump to the right.</translation>
    </message>
    <message>
        <source>A1 - Hiro kann nach links springen.</source>
        <translation>A1 - Hiro can jump to the left.</translation>
    </message>
    <message>
        <source>A3 - Hiro kann nach unten springen.</source>
        <translation>A3 - Hiro can jump down.</translation>
    </message>
    <message>
        <source>B2 - Freier Block (Auf Klippen)</source>
        <translation>B2 - Free block (on cliffs)</translation>
    </message>
    <message>
        <source>
Die restlichen sind nochnicht bekannt. Aufjedenfahl kenne ich sie nicht.</source>
        <translation>
The others are not known yet. At least I do not know them.</translation>
    </message>
</context>
<context>
    <name>Kopftabelle</name>
    <message>
        <source>Zum Offset %1 gibt es keinen Pointer. Es wurde nichts geschrieben.</source>
        <translation>There is no pointer for offset %1. Nothing was written.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Dort liegt kein gespeichertes Tileset.</source>
        <translation>No stored tileset lies there.</translation>
    </message>
    <message>
        <source>Der Pointer des %1.Tilesets zeigt noch dorthin.</source>
        <translation>The pointer of tileset %1 still points there.</translation>
    </message>
</context>
<context>
    <name>LeerPruefen</name>
    <message>
        <source>Der angegebene Offset ist nich leer! Soll das Tileset trotzdem dort eingefügt werden?</source>
        <translation>The given offset is not empty! Insert the tileset there anyway?</translation>
    </message>
    <message>
        <source>Achtung</source>
        <translation>Attention</translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>Es ist keine Romdatei geöffnet. Bitte zuerst ein Rom öffnen.</source>
        <translation>No ROM file is open. Please open a ROM first.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>MeldungsBox</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>Patchdatei</name>
    <message>
        <source>Die Datei ist weder ein BPS- noch ein IPS-Patch.</source>
        <translation>The file is neither a BPS nor an IPS patch.</translation>
    </message>
</context>
<context>
    <name>Pngdatei</name>
    <message>
        <source>Der Pfad ist ein Ordner.</source>
        <translation>The path is a folder.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; konnte nicht geschrieben werden:
%2
Die Datei wurde nicht verändert.</source>
        <translation>The file &apos;%1&apos; could not be written:
%2
The file was not changed.</translation>
    </message>
</context>
<context>
    <name>Pngexport</name>
    <message>
        <source>Die Romdatei &apos;%1&apos; wurde nicht gefunden.</source>
        <translation>The ROM file &apos;%1&apos; was not found.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; ist keine gültige Romdatei (kürzer als 2 MiB).</source>
        <translation>The file &apos;%1&apos; is not a valid ROM file (shorter than 2 MiB).</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; wurde nicht gefunden oder sie ist leer.</source>
        <translation>The file &apos;%1&apos; was not found or is empty.</translation>
    </message>
</context>
<context>
    <name>Sicherungskopie</name>
    <message>
        <source>Die Datei konnte nicht gelesen werden.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>Die Sicherungskopie &apos;%1&apos; konnte nicht angelegt werden:
%2
Es wurde nichts geschrieben; die Datei &apos;%3&apos; ist unverändert.</source>
        <translation>The backup copy &apos;%1&apos; could not be made:
%2
Nothing was written; the file &apos;%3&apos; is unchanged.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Schreiben nicht möglich (Datenträger voll oder schreibgeschützt).</source>
        <translation>Cannot write (disk full or write-protected).</translation>
    </message>
    <message>
        <source>Ohne Sicherungskopie schreiben: &quot;Datei → Sicherungskopien anlegen&quot; ausschalten.</source>
        <translation>To write without a backup copy: switch off &quot;File → Make backup copies&quot;.</translation>
    </message>
</context>
<context>
    <name>Verlauf</name>
    <message>
        <source>Die Änderung &quot;%1&quot; kann nicht %2 werden: Die Datei &apos;%3&apos; enthält an den geschriebenen Stellen nicht mehr, was dort %4 stand (sie wurde außerhalb von Tessaron geändert oder ist eine andere Datei).
Es wurde nichts geschrieben.</source>
        <translation>The change &quot;%1&quot; cannot be %2: the file &apos;%3&apos; no longer holds at the written places what stood there %4 (it was changed outside Tessaron or is another file).
Nothing was written.</translation>
    </message>
    <message>
        <source>zurückgenommen</source>
        <translation>taken back</translation>
    </message>
    <message>
        <source>erneut ausgeführt</source>
        <translation>redone</translation>
    </message>
    <message>
        <source>nach der Änderung</source>
        <translation>after the change</translation>
    </message>
    <message>
        <source>vor der Änderung</source>
        <translation>before the change</translation>
    </message>
    <message>
        <source>Achtung</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Die Änderung &quot;%1&quot; kann nicht zurückgenommen werden.</source>
        <translation>The change &quot;%1&quot; cannot be undone.</translation>
    </message>
    <message>
        <source>Die Änderung &quot;%1&quot; kann nicht erneut ausgeführt werden.</source>
        <translation>The change &quot;%1&quot; cannot be redone.</translation>
    </message>
    <message>
        <source>Die Datei &apos;%1&apos; wurde nicht gefunden (gelöscht, umbenannt oder verschoben).
Es wurde nichts geschrieben.</source>
        <translation>The file &apos;%1&apos; was not found (deleted, renamed or moved).
Nothing was written.</translation>
    </message>
</context>
<context>
    <name>Verlaufsbefehle</name>
    <message>
        <source>Tile setzen</source>
        <translation>Set tile</translation>
    </message>
    <message>
        <source>Bildimport</source>
        <translation>Picture import</translation>
    </message>
    <message>
        <source>Leeres Tileset</source>
        <translation>Empty tileset</translation>
    </message>
    <message>
        <source>Malen</source>
        <translation>Painting</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Palette zuordnen</source>
        <translation>Assign palette</translation>
    </message>
    <message>
        <source>Farbe ändern</source>
        <translation>Change colour</translation>
    </message>
    <message>
        <source>Kollision</source>
        <translation>Collision</translation>
    </message>
</context>
<context>
    <name>Wiederherstellung</name>
    <message>
        <source>Die Wiederherstellungsdatei &apos;%1&apos; ist unbrauchbar (%2) und wird als &apos;%3&apos; beiseitegelegt.</source>
        <translation>The recovery file &apos;%1&apos; is unusable (%2) and is put aside as &apos;%3&apos;.</translation>
    </message>
    <message>
        <source>keine Wiederherstellungsdatei</source>
        <translation>not a recovery file</translation>
    </message>
    <message>
        <source>Version %1 unbekannt</source>
        <translation>version %1 unknown</translation>
    </message>
    <message>
        <source>unvollständig</source>
        <translation>incomplete</translation>
    </message>
    <message>
        <source>Prüfsumme falsch</source>
        <translation>checksum wrong</translation>
    </message>
    <message>
        <source>Inhalt fehlerhaft</source>
        <translation>content faulty</translation>
    </message>
    <message>
        <source>Die Wiederherstellungsdatei &apos;%1&apos; konnte nicht geschrieben werden:
%2</source>
        <translation>The recovery file &apos;%1&apos; could not be written:
%2</translation>
    </message>
    <message>
        <source>zu groß</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>gehört zu &apos;%1&apos;</source>
        <translation>belongs to &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>frm_Angaben</name>
    <message>
        <source>Titelset%1</source>
        <translation>Tileset%1</translation>
    </message>
    <message>
        <source>Bitte speicher Offset angeben</source>
        <translation>Save at offset:</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Pointer</translation>
    </message>
    <message>
        <source>Pointer ersetzen</source>
        <translation>Replace pointer</translation>
    </message>
    <message>
        <source>Altes Tileset Löschen</source>
        <translation>Erase old tileset</translation>
    </message>
    <message>
        <source>Originaldaten ändern</source>
        <translation>Change original data</translation>
    </message>
    <message>
        <source>In &quot;Tilesets.gb&quot; speichern</source>
        <translation>Save in &quot;Tilesets.gb&quot;</translation>
    </message>
    <message>
        <source>Rom Öffnen</source>
        <translation>Open ROM</translation>
    </message>
    <message>
        <source>Gameboy Roms (*.gb *.gbc);;Alle Dateien (*)</source>
        <translation>Game Boy ROMs (*.gb *.gbc);;All files (*)</translation>
    </message>
    <message>
        <source>Dies ist keine gültige Romdatei.</source>
        <translation>This is not a valid ROM file.</translation>
    </message>
    <message>
        <source>Fehler: Die Datei &apos;Tilesets.gb&apos; wurde nicht gefunden oder sie ist leer.
Bitte kontrolieren sie ob die date vorhanden ist.</source>
        <translation>Error: the file &apos;Tilesets.gb&apos; was not found or is empty.
Please check that the file is there.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>
Das alte Tileset am Offset %1 wurde nicht gelöscht: %2</source>
        <translation>
The old tileset at offset %1 was not erased: %2</translation>
    </message>
    <message>
        <source>In &apos;Tilesets.gb&apos; beginnt das %1.Tileset am Offset %2, nicht am Offset %3. Es wurde nichts geschrieben.</source>
        <translation>In &apos;Tilesets.gb&apos; tileset %1 begins at offset %2, not at offset %3. Nothing was written.</translation>
    </message>
    <message>
        <source>Dieser Offset ist ungültig. Bitte einen anderen Offset angeben!</source>
        <translation>This offset is not valid. Please enter another offset!</translation>
    </message>
    <message>
        <source>Tileset %1 am Offset %2 eingefügt</source>
        <translation>Tileset %1 inserted at offset %2</translation>
    </message>
    <message>
        <source>Das Tileset wurde erfolgreich eingesetzt und zwar am Offset: </source>
        <translation>The tileset was inserted at offset: </translation>
    </message>
    <message>
        <source>
Der Pointer auf das %1.Tileset wurde auf %2 gesetzt!</source>
        <translation>
The pointer to tileset %1 was set to %2!</translation>
    </message>
    <message>
        <source>Der Offset &apos;%1&apos; ist keine Hexadezimalzahl. Es wurde nichts geschrieben.</source>
        <translation>The offset &apos;%1&apos; is not a hexadecimal number. Nothing was written.</translation>
    </message>
    <message>
        <source>Der Offset darf nicht Zwischen 1BB900 und 1BC000 sein.
Sonst sturzt das Rom ab!!!</source>
        <translation>The offset must not lie between 1BB900 and 1BC000.
Otherwise the ROM crashes!!!</translation>
    </message>
    <message>
        <source>!!ACHTUNG!!</source>
        <translation>!!ATTENTION!!</translation>
    </message>
    <message>
        <source>Tileset %1 in &apos;Tilesets.gb&apos; eingefügt</source>
        <translation>Tileset %1 inserted into &apos;Tilesets.gb&apos;</translation>
    </message>
    <message>
        <source>Das %1.Tileset wurde erfolgreich in der Datei &apos;Tilesets.gb&apos; eingesetzt!</source>
        <translation>Tileset %1 was inserted into the file &apos;Tilesets.gb&apos;!</translation>
    </message>
    <message>
        <source>Es wurde kein leerer Offset gefunden: Unterhalb von 1BB9FF enthält das Rom keinen freien Bereich von 1542 Bytes (nur Nullen).</source>
        <translation>No empty offset was found: below 1BB9FF the ROM holds no free area of 1542 bytes (zeros only).</translation>
    </message>
    <message>
        <source>Der nächste geeignete Offset ist: </source>
        <translation>The next suitable offset is: </translation>
    </message>
    <message>
        <source>. Soll dieser eingetragen wer den?</source>
        <translation>. Enter it?</translation>
    </message>
    <message>
        <source>Fehler: Die Datei &apos;OriginalPaletten.gb&apos; wurde nicht gefunden oder sie ist leer.
Bitte überprüfen Sie ob diese datei vorhanden ist.</source>
        <translation>Error: the file &apos;OriginalPaletten.gb&apos; was not found or is empty.
Please check that this file is there.</translation>
    </message>
    <message>
        <source>Original-Paletten eingefügt</source>
        <translation>Original palettes restored</translation>
    </message>
    <message>
        <source>Original Paletten wurde erfolgreich eingefügt.</source>
        <translation>The original palettes were restored.</translation>
    </message>
    <message>
        <source>Tileset-Paletten</source>
        <translation>Tileset palettes</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Rom öffnen</source>
        <translation>&amp;Open ROM</translation>
    </message>
    <message>
        <source>&amp;Bild laden</source>
        <translation>&amp;Load picture</translation>
    </message>
    <message>
        <source>Bild s&amp;peichern...</source>
        <translation>&amp;Save picture...</translation>
    </message>
    <message>
        <source>&amp;Originaldaten aus Rom anlegen...</source>
        <translation>Make original &amp;data from ROM...</translation>
    </message>
    <message>
        <source>&amp;Sicherungskopien anlegen</source>
        <translation>Make &amp;backup copies</translation>
    </message>
    <message>
        <source>B&amp;eenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Letzte Dateiänderung &amp;zurücknehmen</source>
        <translation>&amp;Take back last file change</translation>
    </message>
    <message>
        <source>Dateiänderung &amp;erneut ausführen</source>
        <translation>Re&amp;do file change</translation>
    </message>
    <message>
        <source>Änderungs&amp;verlauf...</source>
        <translation>Change &amp;history...</translation>
    </message>
    <message>
        <source>&amp;Tileset</source>
        <translation>&amp;Tileset</translation>
    </message>
    <message>
        <source>Leerer Offset &amp;suchen</source>
        <translation>&amp;Find empty offset</translation>
    </message>
    <message>
        <source>&amp;Einfügen</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>Einfügen &amp;als ...</source>
        <translation>Insert &amp;as ...</translation>
    </message>
    <message>
        <source>Tileset neu &amp;Laden</source>
        <translation>&amp;Reload tileset</translation>
    </message>
    <message>
        <source>Leeres Tileset öffnen</source>
        <translation>Open empty tileset</translation>
    </message>
    <message>
        <source>&amp;Pointer</source>
        <translation>&amp;Pointer</translation>
    </message>
    <message>
        <source>Pointer ändern</source>
        <translation>Change pointer</translation>
    </message>
    <message>
        <source>Original Pointer einfügen</source>
        <translation>Restore original pointer</translation>
    </message>
    <message>
        <source>Pointer auf Original und Titlset löschen</source>
        <translation>Restore original pointer and erase tileset</translation>
    </message>
    <message>
        <source>&amp;Farben</source>
        <translation>&amp;Colours</translation>
    </message>
    <message>
        <source>&amp;Tileset-Paletten</source>
        <translation>&amp;Tileset palettes</translation>
    </message>
    <message>
        <source>&amp;Original Tileset-Paletten einfügen</source>
        <translation>Restore &amp;original tileset palettes</translation>
    </message>
    <message>
        <source>&amp;Palettenzuordnung der Tilesets</source>
        <translation>&amp;Palette assignment of the tilesets</translation>
    </message>
    <message>
        <source>Original Pa&amp;lettenzuordnung einfügen</source>
        <translation>Restore original pa&amp;lette assignment</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Kollisionsdaten</source>
        <translation>Collision data</translation>
    </message>
    <message>
        <source>Blockdaten</source>
        <translation>Block data</translation>
    </message>
    <message>
        <source>Animationen</source>
        <translation>Animations</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Wichtige Infos &amp;zum Prog</source>
        <translation>Important notes &amp;about the program</translation>
    </message>
    <message>
        <source>&amp;Wie mache ich das eigentlich ohne dieses Tool?</source>
        <translation>&amp;How do I do this without this tool?</translation>
    </message>
    <message>
        <source>Hier wird die hilfe aufgerufen</source>
        <translation>The help is opened here</translation>
    </message>
    <message>
        <source>Achtung</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Die Prüfsumme des Roms stimmt nicht: im Rom steht %1, die Bytes ergeben %2.
Das Rom wurde wahrscheinlich schon verändert; die angelegten Daten wären dann nicht die Originaldaten.
Trotzdem fortfahren?</source>
        <translation>The ROM&apos;s checksum does not match: the ROM holds %1, the bytes give %2.
The ROM was probably changed already; the data made would then not be the original data.
Go on anyway?</translation>
    </message>
    <message>
        <source>Der Pointer des %1.Tilesets führt zu keinem gespeicherten Tileset.
Es wurden keine Originaldaten angelegt.</source>
        <translation>The pointer of tileset %1 leads to no stored tileset.
No original data were made.</translation>
    </message>
    <message>
        <source>Im Ordner %1 gibt es schon %2.
Sollen sie durch die Daten aus dem Rom ersetzt werden?</source>
        <translation>The folder %1 already holds %2.
Replace them with the data from the ROM?</translation>
    </message>
    <message>
        <source>Originaldaten aus dem Rom angelegt</source>
        <translation>Original data made from the ROM</translation>
    </message>
    <message>
        <source>Die Originaldaten wurden aus dem Rom angelegt:
%1 im Ordner %2.</source>
        <translation>The original data were made from the ROM:
%1 in the folder %2.</translation>
    </message>
    <message>
        <source>Es gibt noch keine Originaldaten (Tilesets.gb, OriginalPointer.ini, OriginalPaletten.gb).
Sollen sie jetzt aus diesem Rom angelegt werden? Das geht nur mit einem noch unveränderten Rom.
Sie kommen in den Ordner %1.</source>
        <translation>There are no original data yet (Tilesets.gb, OriginalPointer.ini, OriginalPaletten.gb).
Make them from this ROM now? That works only with a ROM that is still unchanged.
They go into the folder %1.</translation>
    </message>
    <message>
        <source>Bitte lesen Sie zu diesem Thema die mitgeliferte Datei &apos;WichtigeInfos.txt&apos;</source>
        <translation>Please read the file &apos;ImportantInfo.txt&apos; that comes with the program</translation>
    </message>
    <message>
        <source>

Die Originaldaten (Tilesets.gb, OriginalPointer.ini, OriginalPaletten.gb) liegen im Ordner %1.</source>
        <translation>

The original data (Tilesets.gb, OriginalPointer.ini, OriginalPaletten.gb) are in the folder %1.</translation>
    </message>
    <message>
        <source>Der Original Pointer des %1.Tilesets fehlt in &apos;OriginalPointer.ini&apos; oder ist ungültig. Es wurde nichts geschrieben.</source>
        <translation>The original pointer of tileset %1 is missing from &apos;OriginalPointer.ini&apos; or is not valid. Nothing was written.</translation>
    </message>
    <message>
        <source>Solange &quot;In Tilesets.gb speichern&quot; oder &quot;Originaldaten ändern&quot; gewählt ist, kann kein Pointer geändert werden.</source>
        <translation>While &quot;Save in Tilesets.gb&quot; or &quot;Change original data&quot; is chosen, no pointer can be changed.</translation>
    </message>
    <message>
        <source>Bitte geben Sie den Offset des zu verpointeten Tilesets an!</source>
        <translation>Please enter the offset of the tileset to point to!</translation>
    </message>
    <message>
        <source>Zum Offset &apos;%1&apos; gibt es keinen gültigen Pointer. Es wurde nichts geschrieben.</source>
        <translation>There is no valid pointer for offset &apos;%1&apos;. Nothing was written.</translation>
    </message>
    <message>
        <source>An diesem Ort befindet sich kein Tileset.Trotzdem ändern?</source>
        <translation>There is no tileset at this place. Change anyway?</translation>
    </message>
    <message>
        <source>Pointer von Tileset %1 auf %2 geändert</source>
        <translation>Pointer of tileset %1 changed to %2</translation>
    </message>
    <message>
        <source>Pointer wurde erfolgreich geendert!</source>
        <translation>The pointer was changed!</translation>
    </message>
    <message>
        <source>Original-Pointer von Tileset %1 eingefügt</source>
        <translation>Original pointer of tileset %1 restored</translation>
    </message>
    <message>
        <source>Pointer wurde erfolgreich wieder hergestelt!</source>
        <translation>The pointer was restored!</translation>
    </message>
    <message>
        <source>Original-Pointer von Tileset %1 eingefügt, Tileset am Offset %2 %3</source>
        <translation>Original pointer of tileset %1 restored, tileset at offset %2 %3</translation>
    </message>
    <message>
        <source>gelöscht</source>
        <translation>erased</translation>
    </message>
    <message>
        <source>behalten</source>
        <translation>kept</translation>
    </message>
    <message>
        <source>Pointer wurde erfolgreich wieder hergestelt! Tileset wurde erfolgreich gelöscht!</source>
        <translation>The pointer was restored! The tileset was erased!</translation>
    </message>
    <message>
        <source>Pointer wurde erfolgreich wieder hergestelt!
Am Offset %1 wurde nichts gelöscht: %2</source>
        <translation>The pointer was restored!
Nothing was erased at offset %1: %2</translation>
    </message>
    <message>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>WichtigeInfos.txt</source>
        <translation>ImportantInfo.txt</translation>
    </message>
    <message>
        <source>Unbenutzte Tiles markieren</source>
        <translation>Mark unused tiles</translation>
    </message>
    <message>
        <source>Blockübersicht</source>
        <translation>Block overview</translation>
    </message>
    <message>
        <source>Die Prüfsumme des Original-Roms %1 stimmt nicht: im Rom steht %2, die Bytes ergeben %3.
Es wurde wahrscheinlich schon verändert; der Patch passt dann nicht zum Rom der Spieler.
Trotzdem fortfahren?</source>
        <translation>The checksum of the original ROM %1 does not match: the ROM says %2, its bytes give %3.
It has probably been changed already; then the patch will not fit the players&apos; ROM.
Continue anyway?</translation>
    </message>
    <message>
        <source>Patch erstellen</source>
        <translation>Create patch</translation>
    </message>
    <message>
        <source>Die Kopie für den Emulator &apos;%1&apos; konnte nicht geschrieben werden:
%2</source>
        <translation>The copy for the emulator &apos;%1&apos; could not be written:
%2</translation>
    </message>
    <message>
        <source>Patch erstellen...</source>
        <translation>Create patch...</translation>
    </message>
    <message>
        <source>Patch anwenden...</source>
        <translation>Apply patch...</translation>
    </message>
    <message>
        <source>Im Emulator testen</source>
        <translation>Test in emulator</translation>
    </message>
    <message>
        <source>Unverändertes Original-Rom wählen</source>
        <translation>Choose the unchanged original ROM</translation>
    </message>
    <message>
        <source>Ungeschriebene Änderungen sind nicht Teil des Patches: er wird aus dem Rom gemacht, wie es gespeichert ist.
Trotzdem einen Patch erstellen?</source>
        <translation>Unwritten changes are not part of the patch: it is made from the ROM as it is saved.
Create a patch anyway?</translation>
    </message>
    <message>
        <source>IPS-Patch (*.ips)</source>
        <translation>IPS patch (*.ips)</translation>
    </message>
    <message>
        <source>BPS-Patch (*.bps)</source>
        <translation>BPS patch (*.bps)</translation>
    </message>
    <message>
        <source>Der Patch darf keine seiner Eingaben überschreiben: %1
Es wurde nichts geschrieben.</source>
        <translation>The patch must not overwrite any of its inputs: %1
Nothing was written.</translation>
    </message>
    <message>
        <source>
Es wurde nichts geschrieben.</source>
        <translation>
Nothing was written.</translation>
    </message>
    <message>
        <source>Patch erstellt</source>
        <translation>Patch created</translation>
    </message>
    <message>
        <source>Der Patch %1 wurde geschrieben (%2 Bytes).
Er ändert:
%3</source>
        <translation>The patch %1 was written (%2 bytes).
It changes:
%3</translation>
    </message>
    <message>
        <source>nichts</source>
        <translation>nothing</translation>
    </message>
    <message>
        <source>Patch wählen</source>
        <translation>Choose patch</translation>
    </message>
    <message>
        <source>Patches (*.bps *.ips);;Alle Dateien (*)</source>
        <translation>Patches (*.bps *.ips);;All files (*)</translation>
    </message>
    <message>
        <source>Rom wählen, auf das der Patch passt</source>
        <translation>Choose the ROM the patch fits</translation>
    </message>
    <message>
        <source>Neues Rom speichern</source>
        <translation>Save new ROM</translation>
    </message>
    <message>
        <source>Das neue Rom darf keine der Eingaben überschreiben: %1
Es wurde nichts geschrieben.</source>
        <translation>The new ROM must not overwrite any of the inputs: %1
Nothing was written.</translation>
    </message>
    <message>
        <source>Der Patch wurde nicht angewendet:
%1
Es wurde nichts geschrieben.</source>
        <translation>The patch was not applied:
%1
Nothing was written.</translation>
    </message>
    <message>
        <source>Patch angewendet</source>
        <translation>Patch applied</translation>
    </message>
    <message>
        <source>Das neue Rom %1 wurde geschrieben.
Soll es jetzt geöffnet werden?</source>
        <translation>The new ROM %1 was written.
Open it now?</translation>
    </message>
    <message>
        <source>Patch anwenden</source>
        <translation>Apply patch</translation>
    </message>
    <message>
        <source>Emulator wählen</source>
        <translation>Choose emulator</translation>
    </message>
    <message>
        <source>Der Emulator konnte nicht gestartet werden:
%1</source>
        <translation>The emulator could not be started:
%1</translation>
    </message>
    <message>
        <source>Für diese Romdatei gibt es noch nicht geschriebene Änderungen vom %1 (Titelset%2).</source>
        <translation>For this ROM file there are unwritten changes from %1 (Tileset%2).</translation>
    </message>
    <message>
        <source>Die Romdatei wurde seitdem geändert.</source>
        <translation>The ROM file has been changed since.</translation>
    </message>
    <message>
        <source>Sollen die Änderungen wiederhergestellt werden?</source>
        <translation>Restore the changes?</translation>
    </message>
</context>
<context>
    <name>frm_Animationen</name>
    <message>
        <source>Wasser</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Blumen</source>
        <translation>Flowers</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Animation &apos;%1&apos; gespeichert</source>
        <translation>Animation &apos;%1&apos; saved</translation>
    </message>
    <message>
        <source>Animationen editieren[*]</source>
        <translation>Edit animations[*]</translation>
    </message>
    <message>
        <source>Animation &apos;%1&apos;: Die Änderungen sind noch nicht gespeichert.</source>
        <translation>Animation &apos;%1&apos;: the changes have not been saved yet.</translation>
    </message>
</context>
<context>
    <name>frm_Block</name>
    <message>
        <source>Tile:</source>
        <translation>Tile:</translation>
    </message>
    <message>
        <source>Block:</source>
        <translation>Block:</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>Offset:</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Alle Blöcke als Bild speichern...</source>
        <translation>Save all blocks as picture...</translation>
    </message>
    <message>
        <source>Offset: </source>
        <translation>Offset: </translation>
    </message>
    <message>
        <source>Block: </source>
        <translation>Block: </translation>
    </message>
    <message>
        <source>Alle Blöcke als Bild speichern</source>
        <translation>Save all blocks as picture</translation>
    </message>
    <message>
        <source>PNG-Bilder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Tile: </source>
        <translation>Tile: </translation>
    </message>
    <message>
        <source>Block %1 von Tileset %2 gespeichert</source>
        <translation>Block %1 of tileset %2 saved</translation>
    </message>
    <message>
        <source>Blockdaten[*]</source>
        <translation>Block data[*]</translation>
    </message>
    <message>
        <source>Block %1 (Titelset%2): Die Änderungen sind noch nicht gespeichert.</source>
        <translation>Block %1 (Tileset%2): the changes have not been saved yet.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Zeigt diese Hilfe.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Zeigt die Versionsnummer.</source>
        <translation>Shows the version number.</translation>
    </message>
    <message>
        <source>Schreibt Tileset N (1 bis 28) der Romdatei ROM als indiziertes PNG-Bild (128 × 48) nach DATEI.png.</source>
        <translation>Writes tileset N (1 to 28) of the ROM file ROM as an indexed PNG picture (128 × 48) to FILE.png.</translation>
    </message>
    <message>
        <source>Farben des Bildes: fest (Originalfarben), grau (Graustufen) oder spiel (die Paletten der Romdatei). Ohne Angabe: wie in den gespeicherten Optionen.</source>
        <translation>Colours of the picture: fest (original colours), grau (grey scale) or spiel (the ROM&apos;s palettes). Without it: as in the stored options.</translation>
    </message>
    <message>
        <source>Tageszeit der Paletten bei --farben spiel, 0 bis 4. Ohne Angabe: wie in den gespeicherten Optionen.</source>
        <translation>Time of day of the palettes with --farben spiel, 0 to 4. Without it: as in the stored options.</translation>
    </message>
    <message>
        <source>Aufruf:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>[Optionen]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Optionen:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Argumente:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>Ungültige Tileset-Nummer &apos;%1&apos;: erlaubt sind 1 bis 28.</source>
        <translation>Invalid tileset number &apos;%1&apos;: 1 to 28 are allowed.</translation>
    </message>
    <message>
        <source>Ungültige Farben &apos;%1&apos;: erlaubt sind fest, grau und spiel.</source>
        <translation>Invalid colours &apos;%1&apos;: fest, grau and spiel are allowed.</translation>
    </message>
    <message>
        <source>Ungültige Tageszeit &apos;%1&apos;: erlaubt sind 0 bis 4.</source>
        <translation>Invalid time of day &apos;%1&apos;: 0 to 4 are allowed.</translation>
    </message>
    <message>
        <source>Tessaron %1: Editor für die Tilesets eines Game-Boy-Color-Spiels.
Ohne Optionen öffnet sich das Fenster (mit ROM als Argument: diese Romdatei).</source>
        <translation>Tessaron %1: editor for the tilesets of a Game Boy Color game.
Without options the window opens (with ROM as argument: this ROM file).</translation>
    </message>
    <message>
        <source>DATEI.png</source>
        <translation>FILE.png</translation>
    </message>
    <message>
        <source>Das Bild, das geschrieben wird.</source>
        <translation>The picture that is written.</translation>
    </message>
    <message>
        <source>Die Romdatei (.gb oder .gbc).</source>
        <translation>The ROM file (.gb or .gbc).</translation>
    </message>
    <message>
        <source>Einer Option fehlt ihr Wert, oder sie nimmt keinen.</source>
        <translation>An option lacks its value, or takes none.</translation>
    </message>
    <message>
        <source>Unbekannte Option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Aufruf: tessaron --export-png N DATEI.png ROM (siehe tessaron --help).</source>
        <translation>Usage: tessaron --export-png N FILE.png ROM (see tessaron --help).</translation>
    </message>
</context>
</TS>

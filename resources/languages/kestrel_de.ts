<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AdjustDialog</name>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>BlurayDiscInfo</name>
    <message>
        <source>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</source>
        <translation>Diese Disc ist durch AACS geschützt, und die AACS-Entschlüsselungsbibliothek (libaacs) ist nicht installiert.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</source>
        <translation>Diese Disc ist durch AACS geschützt, und für sie wurde kein Schlüssel gefunden. Fügen Sie ihren Schlüssel der AACS-Schlüsseldatenbank hinzu.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</source>
        <translation>Diese Disc ist durch AACS geschützt, und es wurde kein gültiges Host-Zertifikat gefunden (es wurde möglicherweise widerrufen).</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and its decoding failed.</source>
        <translation>Diese Disc ist durch AACS geschützt, und ihre Entschlüsselung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</source>
        <translation>Diese Disc ist durch BD+ geschützt, und die BD+-Bibliothek (libbdplus) ist nicht installiert.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and its BD+ decoding failed.</source>
        <translation>Diese Disc ist durch BD+ geschützt, und ihre BD+-Entschlüsselung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The disc cannot be played.</source>
        <translation>Die Disc kann nicht abgespielt werden.</translation>
    </message>
</context>
<context>
    <name>DlgOpenDisc</name>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Ungültige Blu-ray-Datei.</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Disc öffnen</translation>
    </message>
    <message>
        <source>Select a Blu-ray disc:</source>
        <translation>Blu-ray-Disc auswählen:</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>Ordner öffnen...</translation>
    </message>
</context>
<context>
    <name>FfAddFileProcessingDlg</name>
    <message>
        <source>Loading</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Loading disc. Please wait...</source>
        <translation>Disc wird geladen. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>FormControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Playing:</source>
        <translation>Wiedergabe:</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>GoToTimeDialog</name>
    <message>
        <source>Go to Time</source>
        <translation>Gehe zu Zeit</translation>
    </message>
    <message>
        <source>&amp;Time (h:mm:ss):</source>
        <translation>&amp;Zeit (h:mm:ss):</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Media Files</source>
        <translation>Mediendateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Disc öffnen</translation>
    </message>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Ungültige Blu-ray-Datei.</translation>
    </message>
    <message>
        <source>File loading failed.</source>
        <translation>Die Datei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Navigational slider</source>
        <translation>Positionsregler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Navigation panel </source>
        <translation>Navigationsleiste </translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Open snapshot folder</source>
        <translation>Schnappschuss-Ordner öffnen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Mute off</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Lautstärke einstellen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Datei öffnen...</translation>
    </message>
    <message>
        <source>Open Disc...</source>
        <translation>Disc öffnen...</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>Vollbild/Wiederherstellen</translation>
    </message>
    <message>
        <source>Reverse Stereo</source>
        <translation>Stereo vertauscht</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Überblenden</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Bob</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Yadif</source>
        <translation>Yadif</translation>
    </message>
    <message>
        <source>Yadif (2X)</source>
        <translation>Yadif (2X)</translation>
    </message>
    <message>
        <source>Phosphor</source>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Film NTSC (IVTC)</source>
        <translation>Film NTSC (IVTC)</translation>
    </message>
    <message>
        <source>Previous Title</source>
        <translation>Vorheriger Titel</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>Vorheriges Kapitel</translation>
    </message>
    <message>
        <source>Next Title</source>
        <translation>Nächster Titel</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>Nächstes Kapitel</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Halbe Größe</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normale Größe</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Doppelte Größe</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>An Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Navigation Panel</source>
        <translation>Navigationsleiste</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Open Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Track</source>
        <translation>Audiospur</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>Audiokanal</translation>
    </message>
    <message>
        <source>Audio Device</source>
        <translation>Audiogerät</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Track</source>
        <translation>Videospur</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Untertitelspur</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlacing</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>This disc image holds no Blu-ray disc.</source>
        <translation>Dieses Disc-Abbild enthält keine Blu-ray Disc.</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Subtitle Delay</source>
        <translation>Untertitelverzögerung</translation>
    </message>
    <message>
        <source>Audio Delay</source>
        <translation>Tonverzögerung</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Kapitel %1</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Lautstärke %1 %</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Geschwindigkeit %1</translation>
    </message>
    <message>
        <source>Subtitle delay %1 ms</source>
        <translation>Untertitelverzögerung %1 ms</translation>
    </message>
    <message>
        <source>Audio delay %1 ms</source>
        <translation>Tonverzögerung %1 ms</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Schnappschuss gespeichert: %1</translation>
    </message>
    <message>
        <source>The disc could not be ejected.</source>
        <translation>Die Disc konnte nicht ausgeworfen werden.</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>&amp;Ordner öffnen...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>This folder holds no media files.</source>
        <translation>Dieser Ordner enthält keine Mediendateien.</translation>
    </message>
    <message>
        <source>The subtitle file could not be loaded.</source>
        <translation>Die Untertiteldatei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Untertiteldateien</translation>
    </message>
    <message>
        <source>Add Subtitle File</source>
        <translation>Untertiteldatei hinzufügen</translation>
    </message>
    <message>
        <source>Add Subtitle File...</source>
        <translation>Untertiteldatei hinzufügen...</translation>
    </message>
    <message>
        <source>Playing a video</source>
        <translation>Ein Video wird abgespielt</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>MediaPlayer_Main</name>
    <message>
        <source>Loading language...</source>
        <translation>Sprache wird geladen...</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Framework initializing...</source>
        <translation>Framework wird initialisiert...</translation>
    </message>
    <message>
        <source>Loading skin...</source>
        <translation>Design wird geladen...</translation>
    </message>
    <message>
        <source>Preparing main window...</source>
        <translation>Hauptfenster wird vorbereitet...</translation>
    </message>
    <message>
        <source>Cannot open %1 in the running copy: %2.</source>
        <translation>%1 kann nicht in der laufenden Kopie geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>the running copy cannot be reached</source>
        <translation>die laufende Kopie ist nicht erreichbar</translation>
    </message>
    <message>
        <source>the path is too long to be handed over</source>
        <translation>der Pfad ist zu lang für die Übergabe</translation>
    </message>
    <message>
        <source>the running copy does not take it</source>
        <translation>die laufende Kopie nimmt ihn nicht an</translation>
    </message>
    <message>
        <source>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</source>
        <translation>Die Produktkonfiguration %1 fehlt oder ist beschädigt: Name und GUID sind nicht lesbar. Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>OpenProblem</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>This is neither a file nor a folder, so it cannot be played.</source>
        <translation>Dies ist weder eine Datei noch ein Ordner und kann daher nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>Sie haben keine Berechtigung, diese Datei zu lesen.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The link leads in a circle and never reaches a file.</source>
        <translation>Die Verknüpfung führt im Kreis und erreicht nie eine Datei.</translation>
    </message>
    <message>
        <source>The link points to a file that does not exist.</source>
        <translation>Die Verknüpfung zeigt auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>OpeningNotice</name>
    <message>
        <source>Opening</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taking long to open.</source>
        <translation>Das Öffnen von „%1“ dauert lange.</translation>
    </message>
</context>
<context>
    <name>PlatformDiscEjector</name>
    <message>
        <source>The system does not know the device %1.</source>
        <translation>Das System kennt das Gerät %1 nicht.</translation>
    </message>
    <message>
        <source>The device %1 has no drive to eject.</source>
        <translation>Das Gerät %1 gehört zu keinem Laufwerk, das sich auswerfen lässt.</translation>
    </message>
    <message>
        <source>Cannot unmount %1</source>
        <translation>%1 kann nicht ausgehängt werden</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot eject %1</source>
        <translation>%1 kann nicht ausgeworfen werden</translation>
    </message>
</context>
<context>
    <name>PlatformUserSharedMemory</name>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</source>
        <translation>Ein gemeinsamer Speicherbereich unter %1 gehört einem anderen Benutzer oder ist für andere zugänglich; ein neuer ersetzt ihn.</translation>
    </message>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</source>
        <translation>Ein gemeinsamer Speicherbereich unter %1 gehört einem anderen Benutzer oder ist für andere zugänglich; er wird nicht verwendet.</translation>
    </message>
</context>
<context>
    <name>PlayerKeys</name>
    <message>
        <source>Open a file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Open a disc</source>
        <translation>Disc öffnen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Wiedergabe oder Pause</translation>
    </message>
    <message>
        <source>Full screen on or off (or double click)</source>
        <translation>Vollbild ein oder aus (oder Doppelklick)</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>Take a snapshot</source>
        <translation>Schnappschuss aufnehmen</translation>
    </message>
    <message>
        <source>Next frame (while paused)</source>
        <translation>Nächstes Bild (während pausiert)</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 Sekunden zurück</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 Sekunden vor</translation>
    </message>
    <message>
        <source>Back 3 seconds</source>
        <translation>3 Sekunden zurück</translation>
    </message>
    <message>
        <source>Forward 3 seconds</source>
        <translation>3 Sekunden vor</translation>
    </message>
    <message>
        <source>Back 1 minute</source>
        <translation>1 Minute zurück</translation>
    </message>
    <message>
        <source>Forward 1 minute</source>
        <translation>1 Minute vor</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Zurück zum Anfang</translation>
    </message>
    <message>
        <source>Jump to 10 % … 90 %</source>
        <translation>Springen zu 10 % … 90 %</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Gehe zu Zeit...</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Vorheriges Kapitel</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Nächstes Kapitel</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Mute on or off</source>
        <translation>Stumm ein oder aus</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>Subtitles 50 ms earlier</source>
        <translation>Untertitel 50 ms früher</translation>
    </message>
    <message>
        <source>Subtitles 50 ms later</source>
        <translation>Untertitel 50 ms später</translation>
    </message>
    <message>
        <source>Audio 50 ms earlier</source>
        <translation>Ton 50 ms früher</translation>
    </message>
    <message>
        <source>Audio 50 ms later</source>
        <translation>Ton 50 ms später</translation>
    </message>
    <message>
        <source>Next playlist entry</source>
        <translation>Nächster Eintrag der Wiedergabeliste</translation>
    </message>
    <message>
        <source>Previous playlist entry</source>
        <translation>Vorheriger Eintrag der Wiedergabeliste</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Repeat: Off</source>
        <translation>Wiederholen: Aus</translation>
    </message>
    <message>
        <source>Repeat: One</source>
        <translation>Wiederholen: Einen</translation>
    </message>
    <message>
        <source>Repeat: All</source>
        <translation>Wiederholen: Alle</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Snapshot Folder:</source>
        <translation>Schnappschuss-Ordner:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>Schnappschuss-Format:</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Aktualisierung</translation>
    </message>
    <message>
        <source>Check for Updates Automatically</source>
        <translation>Automatisch nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>You have changed some settings. Do you want to save the changes before exiting?</source>
        <translation>Sie haben Einstellungen geändert. Möchten Sie die Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Select Snapshot Folder</source>
        <translation>Schnappschuss-Ordner auswählen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not writable, Please select another one.</source>
        <translation>In „%1“ kann nicht geschrieben werden. Bitte wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>QBluRayMenu</name>
    <message>
        <source>Play Movie</source>
        <translation>Film abspielen</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Kapitel</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Weitere Titel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>QVlcPlayer</name>
    <message>
        <source>Could not init libVLC with the options: %1</source>
        <translation>libVLC konnte mit diesen Optionen nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Check the options in %1.</source>
        <translation>Prüfen Sie die Optionen in %1.</translation>
    </message>
    <message>
        <source>Could not create the libVLC media player.</source>
        <translation>Der libVLC-Mediaplayer konnte nicht erstellt werden.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>VlcTitleRules</name>
    <message>
        <source>Title %1 · %2 · 1 chapter</source>
        <translation>Titel %1 · %2 · 1 Kapitel</translation>
    </message>
    <message>
        <source>Title %1 · %2 · %3 chapters</source>
        <translation>Titel %1 · %2 · %3 Kapitel</translation>
    </message>
</context>
<context>
    <name>VlcTrackFormats</name>
    <message>
        <source>mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>Stereo</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>uxAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>HomePage:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
</context>
<context>
    <name>uxMainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>Check Up&amp;date...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Homepage</translation>
    </message>
    <message>
        <source>&amp;Product Page</source>
        <translation>&amp;Produktseite</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>uxSplashScreen</name>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>uxSystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Verschieben</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe ändern</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimieren</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>uxWinTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>

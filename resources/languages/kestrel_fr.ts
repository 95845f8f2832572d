<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AdjustDialog</name>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>BlurayDiscInfo</name>
    <message>
        <source>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</source>
        <translation>Ce disque est protégé par AACS et la bibliothèque de déchiffrement AACS (libaacs) n’est pas installée.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</source>
        <translation>Ce disque est protégé par AACS et aucune clé n’a été trouvée pour lui. Ajoutez sa clé à la base de clés AACS.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</source>
        <translation>Ce disque est protégé par AACS et aucun certificat d’hôte valide n’a été trouvé (il a peut-être été révoqué).</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and its decoding failed.</source>
        <translation>Ce disque est protégé par AACS et son déchiffrement a échoué.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</source>
        <translation>Ce disque est protégé par BD+ et la bibliothèque BD+ (libbdplus) n’est pas installée.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and its BD+ decoding failed.</source>
        <translation>Ce disque est protégé par BD+ et son déchiffrement BD+ a échoué.</translation>
    </message>
    <message>
        <source>The disc cannot be played.</source>
        <translation>Le disque ne peut pas être lu.</translation>
    </message>
</context>
<context>
    <name>DlgOpenDisc</name>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Fichier Blu-ray non valide.</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Ouvrir un disque</translation>
    </message>
    <message>
        <source>Select a Blu-ray disc:</source>
        <translation>Sélectionnez un disque Blu-ray :</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>Ouvrir un dossier...</translation>
    </message>
</context>
<context>
    <name>FfAddFileProcessingDlg</name>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Loading disc. Please wait...</source>
        <translation>Chargement du disque. Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>FormControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Playing:</source>
        <translation>Lecture :</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>GoToTimeDialog</name>
    <message>
        <source>Go to Time</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>&amp;Time (h:mm:ss):</source>
        <translation>&amp;Temps (h:mm:ss) :</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Media Files</source>
        <translation>Fichiers multimédias</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Ouvrir un disque</translation>
    </message>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Fichier Blu-ray non valide.</translation>
    </message>
    <message>
        <source>File loading failed.</source>
        <translation>Le chargement du fichier a échoué.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Navigational slider</source>
        <translation>Curseur de position</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Navigation panel </source>
        <translation>Panneau de navigation </translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Open snapshot folder</source>
        <translation>Ouvrir le dossier des captures</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Mute off</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Régler le volume</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>Open Disc...</source>
        <translation>Ouvrir un disque...</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>Plein écran/Restaurer</translation>
    </message>
    <message>
        <source>Reverse Stereo</source>
        <translation>Stéréo inversée</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Rejeter</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mélanger</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Bob</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
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
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Film NTSC (IVTC)</source>
        <translation>Film NTSC (IVTC)</translation>
    </message>
    <message>
        <source>Previous Title</source>
        <translation>Titre précédent</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>Chapitre précédent</translation>
    </message>
    <message>
        <source>Next Title</source>
        <translation>Titre suivant</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>Chapitre suivant</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Demi-taille</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Taille normale</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Taille double</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Ajuster à l’écran</translation>
    </message>
    <message>
        <source>Navigation Panel</source>
        <translation>Panneau de navigation</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Open Recent File</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Track</source>
        <translation>Piste audio</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>Canal audio</translation>
    </message>
    <message>
        <source>Audio Device</source>
        <translation>Périphérique audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Video Track</source>
        <translation>Piste vidéo</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Piste de sous-titres</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Désentrelacement</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>This disc image holds no Blu-ray disc.</source>
        <translation>Cette image disque ne contient aucun disque Blu-ray.</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Subtitle Delay</source>
        <translation>Décalage des sous-titres</translation>
    </message>
    <message>
        <source>Audio Delay</source>
        <translation>Décalage du son</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapitre %1</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1 %</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Vitesse %1</translation>
    </message>
    <message>
        <source>Subtitle delay %1 ms</source>
        <translation>Décalage des sous-titres %1 ms</translation>
    </message>
    <message>
        <source>Audio delay %1 ms</source>
        <translation>Décalage du son %1 ms</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Capture enregistrée : %1</translation>
    </message>
    <message>
        <source>The disc could not be ejected.</source>
        <translation>Le disque n&apos;a pas pu être éjecté.</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>Ouvrir un &amp;dossier...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>This folder holds no media files.</source>
        <translation>Ce dossier ne contient aucun fichier multimédia.</translation>
    </message>
    <message>
        <source>The subtitle file could not be loaded.</source>
        <translation>Le fichier de sous-titres n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Fichiers de sous-titres</translation>
    </message>
    <message>
        <source>Add Subtitle File</source>
        <translation>Ajouter un fichier de sous-titres</translation>
    </message>
    <message>
        <source>Add Subtitle File...</source>
        <translation>Ajouter un fichier de sous-titres...</translation>
    </message>
    <message>
        <source>Playing a video</source>
        <translation>Lecture d&apos;une vidéo</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>MediaPlayer_Main</name>
    <message>
        <source>Loading language...</source>
        <translation>Chargement de la langue...</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Framework initializing...</source>
        <translation>Initialisation du framework...</translation>
    </message>
    <message>
        <source>Loading skin...</source>
        <translation>Chargement de l&apos;apparence...</translation>
    </message>
    <message>
        <source>Preparing main window...</source>
        <translation>Préparation de la fenêtre principale...</translation>
    </message>
    <message>
        <source>Cannot open %1 in the running copy: %2.</source>
        <translation>Impossible d&apos;ouvrir %1 dans la copie en cours d&apos;exécution : %2.</translation>
    </message>
    <message>
        <source>the running copy cannot be reached</source>
        <translation>la copie en cours d&apos;exécution est injoignable</translation>
    </message>
    <message>
        <source>the path is too long to be handed over</source>
        <translation>le chemin est trop long pour être transmis</translation>
    </message>
    <message>
        <source>the running copy does not take it</source>
        <translation>la copie en cours d&apos;exécution ne le prend pas</translation>
    </message>
    <message>
        <source>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</source>
        <translation>La configuration du produit %1 est absente ou endommagée : son nom et son GUID sont illisibles. Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>OpenProblem</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>This is neither a file nor a folder, so it cannot be played.</source>
        <translation>Ce n’est ni un fichier ni un dossier : impossible de le lire.</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>Vous n’avez pas le droit de lire ce fichier.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The link leads in a circle and never reaches a file.</source>
        <translation>Le lien tourne en rond et n’aboutit à aucun fichier.</translation>
    </message>
    <message>
        <source>The link points to a file that does not exist.</source>
        <translation>Le lien pointe vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir « %1 ».</translation>
    </message>
</context>
<context>
    <name>OpeningNotice</name>
    <message>
        <source>Opening</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taking long to open.</source>
        <translation>L’ouverture de « %1 » prend du temps.</translation>
    </message>
</context>
<context>
    <name>PlatformDiscEjector</name>
    <message>
        <source>The system does not know the device %1.</source>
        <translation>Le système ne connaît pas le périphérique %1.</translation>
    </message>
    <message>
        <source>The device %1 has no drive to eject.</source>
        <translation>Le périphérique %1 n&apos;a pas de lecteur à éjecter.</translation>
    </message>
    <message>
        <source>Cannot unmount %1</source>
        <translation>Impossible de démonter %1</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Impossible d&apos;ouvrir %1</translation>
    </message>
    <message>
        <source>Cannot eject %1</source>
        <translation>Impossible d&apos;éjecter %1</translation>
    </message>
</context>
<context>
    <name>PlatformUserSharedMemory</name>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</source>
        <translation>Un segment de mémoire partagée sous %1 appartient à un autre utilisateur ou d&apos;autres peuvent s&apos;en servir ; un nouveau le remplace.</translation>
    </message>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</source>
        <translation>Un segment de mémoire partagée sous %1 appartient à un autre utilisateur ou d&apos;autres peuvent s&apos;en servir ; il n&apos;est pas utilisé.</translation>
    </message>
</context>
<context>
    <name>PlayerKeys</name>
    <message>
        <source>Open a file</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Open a disc</source>
        <translation>Ouvrir un disque</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Lecture ou pause</translation>
    </message>
    <message>
        <source>Full screen on or off (or double click)</source>
        <translation>Plein écran ou non (ou double-clic)</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Take a snapshot</source>
        <translation>Prendre une capture</translation>
    </message>
    <message>
        <source>Next frame (while paused)</source>
        <translation>Image suivante (en pause)</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Reculer de 10 secondes</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Avancer de 10 secondes</translation>
    </message>
    <message>
        <source>Back 3 seconds</source>
        <translation>Reculer de 3 secondes</translation>
    </message>
    <message>
        <source>Forward 3 seconds</source>
        <translation>Avancer de 3 secondes</translation>
    </message>
    <message>
        <source>Back 1 minute</source>
        <translation>Reculer d’une minute</translation>
    </message>
    <message>
        <source>Forward 1 minute</source>
        <translation>Avancer d’une minute</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Revenir au début</translation>
    </message>
    <message>
        <source>Jump to 10 % … 90 %</source>
        <translation>Aller à 10 % … 90 %</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Aller à...</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Chapitre précédent</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Chapitre suivant</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volume plus fort</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volume moins fort</translation>
    </message>
    <message>
        <source>Mute on or off</source>
        <translation>Couper ou rétablir le son</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus rapide</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <source>Subtitles 50 ms earlier</source>
        <translation>Sous-titres 50 ms plus tôt</translation>
    </message>
    <message>
        <source>Subtitles 50 ms later</source>
        <translation>Sous-titres 50 ms plus tard</translation>
    </message>
    <message>
        <source>Audio 50 ms earlier</source>
        <translation>Son 50 ms plus tôt</translation>
    </message>
    <message>
        <source>Audio 50 ms later</source>
        <translation>Son 50 ms plus tard</translation>
    </message>
    <message>
        <source>Next playlist entry</source>
        <translation>Élément suivant de la liste de lecture</translation>
    </message>
    <message>
        <source>Previous playlist entry</source>
        <translation>Élément précédent de la liste de lecture</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>Playlist</source>
        <translation>Liste de lecture</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Repeat: Off</source>
        <translation>Répéter : non</translation>
    </message>
    <message>
        <source>Repeat: One</source>
        <translation>Répéter : une</translation>
    </message>
    <message>
        <source>Repeat: All</source>
        <translation>Répéter : toutes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Snapshot Folder:</source>
        <translation>Dossier des captures :</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>Format des captures :</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Mises à jour</translation>
    </message>
    <message>
        <source>Check for Updates Automatically</source>
        <translation>Rechercher automatiquement les mises à jour</translation>
    </message>
    <message>
        <source>You have changed some settings. Do you want to save the changes before exiting?</source>
        <translation>Vous avez modifié des paramètres. Voulez-vous enregistrer les modifications avant de quitter ?</translation>
    </message>
    <message>
        <source>Select Snapshot Folder</source>
        <translation>Choisir le dossier des captures</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not writable, Please select another one.</source>
        <translation>« %1 » n’est pas accessible en écriture. Veuillez en choisir un autre.</translation>
    </message>
</context>
<context>
    <name>QBluRayMenu</name>
    <message>
        <source>Play Movie</source>
        <translation>Lire le film</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapitre</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Autres titres</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>QVlcPlayer</name>
    <message>
        <source>Could not init libVLC with the options: %1</source>
        <translation>Impossible d&apos;initialiser libVLC avec les options : %1</translation>
    </message>
    <message>
        <source>Check the options in %1.</source>
        <translation>Vérifiez les options dans %1.</translation>
    </message>
    <message>
        <source>Could not create the libVLC media player.</source>
        <translation>Impossible de créer le lecteur multimédia libVLC.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>VlcTitleRules</name>
    <message>
        <source>Title %1 · %2 · 1 chapter</source>
        <translation>Titre %1 · %2 · 1 chapitre</translation>
    </message>
    <message>
        <source>Title %1 · %2 · %3 chapters</source>
        <translation>Titre %1 · %2 · %3 chapitres</translation>
    </message>
</context>
<context>
    <name>VlcTrackFormats</name>
    <message>
        <source>mono</source>
        <translation>mono</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>stéréo</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>uxAboutDlg</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>HomePage:</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance :</translation>
    </message>
</context>
<context>
    <name>uxMainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation>&amp;Apparence</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Assistance</translation>
    </message>
    <message>
        <source>Check Up&amp;date...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>&amp;Product Page</source>
        <translation>Page du &amp;produit</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
</context>
<context>
    <name>uxSplashScreen</name>
    <message>
        <source>Load...</source>
        <translation>Chargement...</translation>
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
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Déplacer</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Réd&amp;uire</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>A&amp;grandir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>uxWinTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>

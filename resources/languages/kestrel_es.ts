<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AdjustDialog</name>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>BlurayDiscInfo</name>
    <message>
        <source>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</source>
        <translation>Este disco está protegido con AACS y la biblioteca de descifrado AACS (libaacs) no está instalada.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</source>
        <translation>Este disco está protegido con AACS y no se encontró ninguna clave para él. Añada su clave a la base de datos de claves AACS.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</source>
        <translation>Este disco está protegido con AACS y no se encontró ningún certificado de host válido (puede haber sido revocado).</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and its decoding failed.</source>
        <translation>Este disco está protegido con AACS y su descifrado ha fallado.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</source>
        <translation>Este disco está protegido con BD+ y la biblioteca BD+ (libbdplus) no está instalada.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and its BD+ decoding failed.</source>
        <translation>Este disco está protegido con BD+ y su descifrado BD+ ha fallado.</translation>
    </message>
    <message>
        <source>The disc cannot be played.</source>
        <translation>No se puede reproducir el disco.</translation>
    </message>
</context>
<context>
    <name>DlgOpenDisc</name>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Archivo Blu-ray no válido.</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Abrir disco</translation>
    </message>
    <message>
        <source>Select a Blu-ray disc:</source>
        <translation>Seleccione un disco Blu-ray:</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>Abrir carpeta...</translation>
    </message>
</context>
<context>
    <name>FfAddFileProcessingDlg</name>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Loading disc. Please wait...</source>
        <translation>Cargando el disco. Espere, por favor...</translation>
    </message>
</context>
<context>
    <name>FormControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Playing:</source>
        <translation>Reproduciendo:</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>GoToTimeDialog</name>
    <message>
        <source>Go to Time</source>
        <translation>Ir a tiempo</translation>
    </message>
    <message>
        <source>&amp;Time (h:mm:ss):</source>
        <translation>&amp;Tiempo (h:mm:ss):</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Media Files</source>
        <translation>Archivos multimedia</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Abrir disco</translation>
    </message>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Archivo Blu-ray no válido.</translation>
    </message>
    <message>
        <source>File loading failed.</source>
        <translation>No se pudo cargar el archivo.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Navigational slider</source>
        <translation>Barra de posición</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Navigation panel </source>
        <translation>Panel de navegación </translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Open snapshot folder</source>
        <translation>Abrir la carpeta de capturas</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Mute off</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Ajustar el volumen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Abrir archivo...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Abrir archivo...</translation>
    </message>
    <message>
        <source>Open Disc...</source>
        <translation>Abrir disco...</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>Pantalla completa/Restaurar</translation>
    </message>
    <message>
        <source>Reverse Stereo</source>
        <translation>Estéreo invertido</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Mezclar</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Bob</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
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
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Film NTSC (IVTC)</source>
        <translation>Película NTSC (IVTC)</translation>
    </message>
    <message>
        <source>Previous Title</source>
        <translation>Título anterior</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>Capítulo anterior</translation>
    </message>
    <message>
        <source>Next Title</source>
        <translation>Título siguiente</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>Capítulo siguiente</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Mitad de tamaño</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Tamaño normal</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Tamaño doble</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Ajustar a la pantalla</translation>
    </message>
    <message>
        <source>Navigation Panel</source>
        <translation>Panel de navegación</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Efectos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Open Recent File</source>
        <translation>Abrir archivo reciente</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Track</source>
        <translation>Pista de audio</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>Canal de audio</translation>
    </message>
    <message>
        <source>Audio Device</source>
        <translation>Dispositivo de audio</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Video Track</source>
        <translation>Pista de vídeo</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Pista de subtítulos</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Desentrelazado</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>This disc image holds no Blu-ray disc.</source>
        <translation>Esta imagen de disco no contiene ningún disco Blu-ray.</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Subtitle Delay</source>
        <translation>Retardo de subtítulos</translation>
    </message>
    <message>
        <source>Audio Delay</source>
        <translation>Retardo de audio</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volumen %1 %</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Velocidad %1</translation>
    </message>
    <message>
        <source>Subtitle delay %1 ms</source>
        <translation>Retardo de subtítulos %1 ms</translation>
    </message>
    <message>
        <source>Audio delay %1 ms</source>
        <translation>Retardo de audio %1 ms</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Instantánea guardada: %1</translation>
    </message>
    <message>
        <source>The disc could not be ejected.</source>
        <translation>No se pudo expulsar el disco.</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>Abrir &amp;carpeta...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>This folder holds no media files.</source>
        <translation>Esta carpeta no contiene archivos multimedia.</translation>
    </message>
    <message>
        <source>The subtitle file could not be loaded.</source>
        <translation>No se pudo cargar el archivo de subtítulos.</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Archivos de subtítulos</translation>
    </message>
    <message>
        <source>Add Subtitle File</source>
        <translation>Añadir archivo de subtítulos</translation>
    </message>
    <message>
        <source>Add Subtitle File...</source>
        <translation>Añadir archivo de subtítulos...</translation>
    </message>
    <message>
        <source>Playing a video</source>
        <translation>Reproduciendo un vídeo</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>MediaPlayer_Main</name>
    <message>
        <source>Loading language...</source>
        <translation>Cargando idioma...</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Framework initializing...</source>
        <translation>Inicializando el entorno...</translation>
    </message>
    <message>
        <source>Loading skin...</source>
        <translation>Cargando apariencia...</translation>
    </message>
    <message>
        <source>Preparing main window...</source>
        <translation>Preparando la ventana principal...</translation>
    </message>
    <message>
        <source>Cannot open %1 in the running copy: %2.</source>
        <translation>No se puede abrir %1 en la copia en ejecución: %2.</translation>
    </message>
    <message>
        <source>the running copy cannot be reached</source>
        <translation>no se puede acceder a la copia en ejecución</translation>
    </message>
    <message>
        <source>the path is too long to be handed over</source>
        <translation>la ruta es demasiado larga para transferirla</translation>
    </message>
    <message>
        <source>the running copy does not take it</source>
        <translation>la copia en ejecución no la acepta</translation>
    </message>
    <message>
        <source>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</source>
        <translation>La configuración del producto %1 falta o está dañada: no se pueden leer su nombre y su GUID. Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>OpenProblem</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>This is neither a file nor a folder, so it cannot be played.</source>
        <translation>No es un archivo ni una carpeta, así que no se puede reproducir.</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>No tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The link leads in a circle and never reaches a file.</source>
        <translation>El enlace da vueltas en círculo y nunca llega a un archivo.</translation>
    </message>
    <message>
        <source>The link points to a file that does not exist.</source>
        <translation>El enlace apunta a un archivo que no existe.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>No se puede abrir «%1».</translation>
    </message>
</context>
<context>
    <name>OpeningNotice</name>
    <message>
        <source>Opening</source>
        <translation>Abriendo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taking long to open.</source>
        <translation>Abrir «%1» está tardando mucho.</translation>
    </message>
</context>
<context>
    <name>PlatformDiscEjector</name>
    <message>
        <source>The system does not know the device %1.</source>
        <translation>El sistema no conoce el dispositivo %1.</translation>
    </message>
    <message>
        <source>The device %1 has no drive to eject.</source>
        <translation>El dispositivo %1 no tiene ninguna unidad que expulsar.</translation>
    </message>
    <message>
        <source>Cannot unmount %1</source>
        <translation>No se puede desmontar %1</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Cannot eject %1</source>
        <translation>No se puede expulsar %1</translation>
    </message>
</context>
<context>
    <name>PlatformUserSharedMemory</name>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</source>
        <translation>Un segmento de memoria compartida en %1 pertenece a otro usuario o lo pueden usar otros; uno nuevo lo sustituye.</translation>
    </message>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</source>
        <translation>Un segmento de memoria compartida en %1 pertenece a otro usuario o lo pueden usar otros; no se utiliza.</translation>
    </message>
</context>
<context>
    <name>PlayerKeys</name>
    <message>
        <source>Open a file</source>
        <translation>Abrir un archivo</translation>
    </message>
    <message>
        <source>Open a disc</source>
        <translation>Abrir un disco</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Reproducir o pausar</translation>
    </message>
    <message>
        <source>Full screen on or off (or double click)</source>
        <translation>Pantalla completa sí o no (o doble clic)</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Take a snapshot</source>
        <translation>Tomar una instantánea</translation>
    </message>
    <message>
        <source>Next frame (while paused)</source>
        <translation>Fotograma siguiente (en pausa)</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Retroceder 10 segundos</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Avanzar 10 segundos</translation>
    </message>
    <message>
        <source>Back 3 seconds</source>
        <translation>Retroceder 3 segundos</translation>
    </message>
    <message>
        <source>Forward 3 seconds</source>
        <translation>Avanzar 3 segundos</translation>
    </message>
    <message>
        <source>Back 1 minute</source>
        <translation>Retroceder 1 minuto</translation>
    </message>
    <message>
        <source>Forward 1 minute</source>
        <translation>Avanzar 1 minuto</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Volver al principio</translation>
    </message>
    <message>
        <source>Jump to 10 % … 90 %</source>
        <translation>Saltar al 10 % … 90 %</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Ir a tiempo...</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Capítulo anterior</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Capítulo siguiente</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Subir volumen</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Bajar volumen</translation>
    </message>
    <message>
        <source>Mute on or off</source>
        <translation>Silenciar o no</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Velocidad normal</translation>
    </message>
    <message>
        <source>Subtitles 50 ms earlier</source>
        <translation>Subtítulos 50 ms antes</translation>
    </message>
    <message>
        <source>Subtitles 50 ms later</source>
        <translation>Subtítulos 50 ms después</translation>
    </message>
    <message>
        <source>Audio 50 ms earlier</source>
        <translation>Audio 50 ms antes</translation>
    </message>
    <message>
        <source>Audio 50 ms later</source>
        <translation>Audio 50 ms después</translation>
    </message>
    <message>
        <source>Next playlist entry</source>
        <translation>Siguiente elemento de la lista</translation>
    </message>
    <message>
        <source>Previous playlist entry</source>
        <translation>Elemento anterior de la lista</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>Playlist</source>
        <translation>Lista de reproducción</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Repeat: Off</source>
        <translation>Repetir: no</translation>
    </message>
    <message>
        <source>Repeat: One</source>
        <translation>Repetir: una</translation>
    </message>
    <message>
        <source>Repeat: All</source>
        <translation>Repetir: todas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Captura</translation>
    </message>
    <message>
        <source>Snapshot Folder:</source>
        <translation>Carpeta de capturas:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>Formato de captura:</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Actualizaciones</translation>
    </message>
    <message>
        <source>Check for Updates Automatically</source>
        <translation>Buscar actualizaciones automáticamente</translation>
    </message>
    <message>
        <source>You have changed some settings. Do you want to save the changes before exiting?</source>
        <translation>Ha cambiado algunos ajustes. ¿Desea guardar los cambios antes de salir?</translation>
    </message>
    <message>
        <source>Select Snapshot Folder</source>
        <translation>Seleccionar la carpeta de capturas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not writable, Please select another one.</source>
        <translation>No se puede escribir en «%1». Seleccione otra carpeta.</translation>
    </message>
</context>
<context>
    <name>QBluRayMenu</name>
    <message>
        <source>Play Movie</source>
        <translation>Reproducir película</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Capítulo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Otros títulos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>QVlcPlayer</name>
    <message>
        <source>Could not init libVLC with the options: %1</source>
        <translation>No se pudo iniciar libVLC con las opciones: %1</translation>
    </message>
    <message>
        <source>Check the options in %1.</source>
        <translation>Compruebe las opciones de %1.</translation>
    </message>
    <message>
        <source>Could not create the libVLC media player.</source>
        <translation>No se pudo crear el reproductor multimedia de libVLC.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>VlcTitleRules</name>
    <message>
        <source>Title %1 · %2 · 1 chapter</source>
        <translation>Título %1 · %2 · 1 capítulo</translation>
    </message>
    <message>
        <source>Title %1 · %2 · %3 chapters</source>
        <translation>Título %1 · %2 · %3 capítulos</translation>
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
        <translation>estéreo</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>uxAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>version</source>
        <translation>versión</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>HomePage:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
</context>
<context>
    <name>uxMainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation>&amp;Apariencia</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>Manual del usuario</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Ayuda en línea</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Soporte</translation>
    </message>
    <message>
        <source>Check Up&amp;date...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>Página &amp;web</translation>
    </message>
    <message>
        <source>&amp;Product Page</source>
        <translation>Página del &amp;producto</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>uxSplashScreen</name>
    <message>
        <source>Load...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
</context>
<context>
    <name>uxSystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Mover</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimizar</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>uxWinTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AdjustDialog</name>
    <message>
        <source>Effects</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Hue</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrast</translation>
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
        <translation>Reset</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>BlurayDiscInfo</name>
    <message>
        <source>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</source>
        <translation>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</source>
        <translation>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</source>
        <translation>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and its decoding failed.</source>
        <translation>This disc is protected by AACS, and its decoding failed.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</source>
        <translation>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and its BD+ decoding failed.</source>
        <translation>This disc is protected by BD+, and its BD+ decoding failed.</translation>
    </message>
    <message>
        <source>The disc cannot be played.</source>
        <translation>The disc cannot be played.</translation>
    </message>
</context>
<context>
    <name>DlgOpenDisc</name>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Invalid Blu-ray file.</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Open Disc</translation>
    </message>
    <message>
        <source>Select a Blu-ray disc:</source>
        <translation>Select a Blu-ray disc:</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>Open Folder...</translation>
    </message>
</context>
<context>
    <name>FfAddFileProcessingDlg</name>
    <message>
        <source>Loading</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>Loading disc. Please wait...</source>
        <translation>Loading disc. Please wait...</translation>
    </message>
</context>
<context>
    <name>FormControlPanel</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Playing:</source>
        <translation>Playing:</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>GoToTimeDialog</name>
    <message>
        <source>Go to Time</source>
        <translation>Go to Time</translation>
    </message>
    <message>
        <source>&amp;Time (h:mm:ss):</source>
        <translation>&amp;Time (h:mm:ss):</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Media Files</source>
        <translation>Media Files</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Disable</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>Open Disc</translation>
    </message>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>Invalid Blu-ray file.</translation>
    </message>
    <message>
        <source>File loading failed.</source>
        <translation>File loading failed.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Navigational slider</source>
        <translation>Navigational slider</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Navigation panel </source>
        <translation>Navigation panel </translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Open snapshot folder</source>
        <translation>Open snapshot folder</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Mute off</source>
        <translation>Mute off</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>Adjust volume</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Open File...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>Open File...</translation>
    </message>
    <message>
        <source>Open Disc...</source>
        <translation>Open Disc...</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Play/Pause</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferences</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>Full Screen/Restore</translation>
    </message>
    <message>
        <source>Reverse Stereo</source>
        <translation>Reverse Stereo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>Blend</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
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
        <translation>Previous Title</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>Previous Chapter</translation>
    </message>
    <message>
        <source>Next Title</source>
        <translation>Next Title</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>Next Chapter</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>Half Size</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normal Size</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>Double Size</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>Fit to Screen</translation>
    </message>
    <message>
        <source>Navigation Panel</source>
        <translation>Navigation Panel</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Open Recent File</source>
        <translation>Open Recent File</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapter</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Audio Track</source>
        <translation>Audio Track</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>Audio Channel</translation>
    </message>
    <message>
        <source>Audio Device</source>
        <translation>Audio Device</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Video Track</source>
        <translation>Video Track</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>Subtitle Track</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>Deinterlace</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>This disc image holds no Blu-ray disc.</source>
        <translation>This disc image holds no Blu-ray disc.</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Subtitle Delay</source>
        <translation>Subtitle Delay</translation>
    </message>
    <message>
        <source>Audio Delay</source>
        <translation>Audio Delay</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>Chapter %1</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>Volume %1%</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>Speed %1</translation>
    </message>
    <message>
        <source>Subtitle delay %1 ms</source>
        <translation>Subtitle delay %1 ms</translation>
    </message>
    <message>
        <source>Audio delay %1 ms</source>
        <translation>Audio delay %1 ms</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Snapshot saved: %1</translation>
    </message>
    <message>
        <source>The disc could not be ejected.</source>
        <translation>The disc could not be ejected.</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>Open &amp;Folder...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>This folder holds no media files.</source>
        <translation>This folder holds no media files.</translation>
    </message>
    <message>
        <source>The subtitle file could not be loaded.</source>
        <translation>The subtitle file could not be loaded.</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>Subtitle Files</translation>
    </message>
    <message>
        <source>Add Subtitle File</source>
        <translation>Add Subtitle File</translation>
    </message>
    <message>
        <source>Add Subtitle File...</source>
        <translation>Add Subtitle File...</translation>
    </message>
    <message>
        <source>Playing a video</source>
        <translation>Playing a video</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>MediaPlayer_Main</name>
    <message>
        <source>Loading language...</source>
        <translation>Loading language...</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. All rights reserved.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Framework initializing...</source>
        <translation>Framework initializing...</translation>
    </message>
    <message>
        <source>Loading skin...</source>
        <translation>Loading skin...</translation>
    </message>
    <message>
        <source>Preparing main window...</source>
        <translation>Preparing main window...</translation>
    </message>
    <message>
        <source>Cannot open %1 in the running copy: %2.</source>
        <translation>Cannot open %1 in the running copy: %2.</translation>
    </message>
    <message>
        <source>the running copy cannot be reached</source>
        <translation>the running copy cannot be reached</translation>
    </message>
    <message>
        <source>the path is too long to be handed over</source>
        <translation>the path is too long to be handed over</translation>
    </message>
    <message>
        <source>the running copy does not take it</source>
        <translation>the running copy does not take it</translation>
    </message>
    <message>
        <source>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</source>
        <translation>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</translation>
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
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>This is neither a file nor a folder, so it cannot be played.</source>
        <translation>This is neither a file nor a folder, so it cannot be played.</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>You are not allowed to read this file.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>The link leads in a circle and never reaches a file.</source>
        <translation>The link leads in a circle and never reaches a file.</translation>
    </message>
    <message>
        <source>The link points to a file that does not exist.</source>
        <translation>The link points to a file that does not exist.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Cannot open &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>OpeningNotice</name>
    <message>
        <source>Opening</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taking long to open.</source>
        <translation>&quot;%1&quot; is taking long to open.</translation>
    </message>
</context>
<context>
    <name>PlatformDiscEjector</name>
    <message>
        <source>The system does not know the device %1.</source>
        <translation>The system does not know the device %1.</translation>
    </message>
    <message>
        <source>The device %1 has no drive to eject.</source>
        <translation>The device %1 has no drive to eject.</translation>
    </message>
    <message>
        <source>Cannot unmount %1</source>
        <translation>Cannot unmount %1</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>Cannot eject %1</source>
        <translation>Cannot eject %1</translation>
    </message>
</context>
<context>
    <name>PlatformUserSharedMemory</name>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</source>
        <translation>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</translation>
    </message>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</source>
        <translation>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</translation>
    </message>
</context>
<context>
    <name>PlayerKeys</name>
    <message>
        <source>Open a file</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>Open a disc</source>
        <translation>Open a disc</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Play or pause</translation>
    </message>
    <message>
        <source>Full screen on or off (or double click)</source>
        <translation>Full screen on or off (or double click)</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Leave full screen</translation>
    </message>
    <message>
        <source>Take a snapshot</source>
        <translation>Take a snapshot</translation>
    </message>
    <message>
        <source>Next frame (while paused)</source>
        <translation>Next frame (while paused)</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>Back 10 seconds</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>Forward 10 seconds</translation>
    </message>
    <message>
        <source>Back 3 seconds</source>
        <translation>Back 3 seconds</translation>
    </message>
    <message>
        <source>Forward 3 seconds</source>
        <translation>Forward 3 seconds</translation>
    </message>
    <message>
        <source>Back 1 minute</source>
        <translation>Back 1 minute</translation>
    </message>
    <message>
        <source>Forward 1 minute</source>
        <translation>Forward 1 minute</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>Jump to 10 % … 90 %</source>
        <translation>Jump to 10 % … 90 %</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>Go to Time...</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>Previous chapter</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>Next chapter</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>Volume up</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>Volume down</translation>
    </message>
    <message>
        <source>Mute on or off</source>
        <translation>Mute on or off</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Slower</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Faster</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normal speed</translation>
    </message>
    <message>
        <source>Subtitles 50 ms earlier</source>
        <translation>Subtitles 50 ms earlier</translation>
    </message>
    <message>
        <source>Subtitles 50 ms later</source>
        <translation>Subtitles 50 ms later</translation>
    </message>
    <message>
        <source>Audio 50 ms earlier</source>
        <translation>Audio 50 ms earlier</translation>
    </message>
    <message>
        <source>Audio 50 ms later</source>
        <translation>Audio 50 ms later</translation>
    </message>
    <message>
        <source>Next playlist entry</source>
        <translation>Next playlist entry</translation>
    </message>
    <message>
        <source>Previous playlist entry</source>
        <translation>Previous playlist entry</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Repeat: Off</source>
        <translation>Repeat: Off</translation>
    </message>
    <message>
        <source>Repeat: One</source>
        <translation>Repeat: One</translation>
    </message>
    <message>
        <source>Repeat: All</source>
        <translation>Repeat: All</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>Snapshot Folder:</source>
        <translation>Snapshot Folder:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>Snapshot Format:</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>Update Settings</translation>
    </message>
    <message>
        <source>Check for Updates Automatically</source>
        <translation>Check for Updates Automatically</translation>
    </message>
    <message>
        <source>You have changed some settings. Do you want to save the changes before exiting?</source>
        <translation>You have changed some settings. Do you want to save the changes before exiting?</translation>
    </message>
    <message>
        <source>Select Snapshot Folder</source>
        <translation>Select Snapshot Folder</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not writable, Please select another one.</source>
        <translation>&quot;%1&quot; is not writable, Please select another one.</translation>
    </message>
</context>
<context>
    <name>QBluRayMenu</name>
    <message>
        <source>Play Movie</source>
        <translation>Play Movie</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>Chapter</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>Other Titles</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>QVlcPlayer</name>
    <message>
        <source>Could not init libVLC with the options: %1</source>
        <translation>Could not init libVLC with the options: %1</translation>
    </message>
    <message>
        <source>Check the options in %1.</source>
        <translation>Check the options in %1.</translation>
    </message>
    <message>
        <source>Could not create the libVLC media player.</source>
        <translation>Could not create the libVLC media player.</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>VlcTitleRules</name>
    <message>
        <source>Title %1 · %2 · 1 chapter</source>
        <translation>Title %1 · %2 · 1 chapter</translation>
    </message>
    <message>
        <source>Title %1 · %2 · %3 chapters</source>
        <translation>Title %1 · %2 · %3 chapters</translation>
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
        <translation>stereo</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n channel</numerusform>
            <numerusform>%n channels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>uxAboutDlg</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>version</source>
        <translation>version</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>HomePage</translation>
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
        <translation>Copyright © %1 %2. All rights reserved.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>HomePage:</source>
        <translation>HomePage:</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation>S&amp;kin</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>User Help</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online Help</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Online Help</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>&amp;Support</translation>
    </message>
    <message>
        <source>Check Up&amp;date...</source>
        <translation>Check Up&amp;date...</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>&amp;Home Page</translation>
    </message>
    <message>
        <source>&amp;Product Page</source>
        <translation>&amp;Product Page</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;About...</translation>
    </message>
</context>
<context>
    <name>uxSplashScreen</name>
    <message>
        <source>Load...</source>
        <translation>Load...</translation>
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
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>&amp;Move</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Size</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>Mi&amp;nimize</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>Ma&amp;ximize</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>uxWinTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>

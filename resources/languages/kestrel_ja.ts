<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AdjustDialog</name>
    <message>
        <source>Effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>ガンマ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>BlurayDiscInfo</name>
    <message>
        <source>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</source>
        <translation>このディスクは AACS で保護されていますが、AACS 復号ライブラリ (libaacs) がインストールされていません。</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</source>
        <translation>このディスクは AACS で保護されていますが、このディスクの鍵が見つかりません。AACS 鍵データベースに鍵を追加してください。</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</source>
        <translation>このディスクは AACS で保護されていますが、有効なホスト証明書が見つかりません (失効している可能性があります)。</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and its decoding failed.</source>
        <translation>このディスクは AACS で保護されており、復号に失敗しました。</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</source>
        <translation>このディスクは BD+ で保護されていますが、BD+ ライブラリ (libbdplus) がインストールされていません。</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and its BD+ decoding failed.</source>
        <translation>このディスクは BD+ で保護されており、BD+ の復号に失敗しました。</translation>
    </message>
    <message>
        <source>The disc cannot be played.</source>
        <translation>このディスクは再生できません。</translation>
    </message>
</context>
<context>
    <name>DlgOpenDisc</name>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>無効なブルーレイファイルです。</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>ディスクを開く</translation>
    </message>
    <message>
        <source>Select a Blu-ray disc:</source>
        <translation>ブルーレイディスクを選択:</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>フォルダーを開く...</translation>
    </message>
</context>
<context>
    <name>FfAddFileProcessingDlg</name>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
    <message>
        <source>Loading disc. Please wait...</source>
        <translation>ディスクを読み込んでいます。お待ちください...</translation>
    </message>
</context>
<context>
    <name>FormControlPanel</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
    <message>
        <source>Playing:</source>
        <translation>再生中:</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
</context>
<context>
    <name>GoToTimeDialog</name>
    <message>
        <source>Go to Time</source>
        <translation>時間を指定して移動</translation>
    </message>
    <message>
        <source>&amp;Time (h:mm:ss):</source>
        <translation>時間 (h:mm:ss)(&amp;T):</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Media Files</source>
        <translation>メディア ファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>トラック</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>ディスクを開く</translation>
    </message>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>無効なブルーレイファイルです。</translation>
    </message>
    <message>
        <source>File loading failed.</source>
        <translation>ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Navigational slider</source>
        <translation>再生位置スライダー</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Navigation panel </source>
        <translation>ナビゲーションパネル </translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Open snapshot folder</source>
        <translation>スナップショットのフォルダーを開く</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <source>Mute off</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>音量を調整</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>ファイルを開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>ファイルを開く...</translation>
    </message>
    <message>
        <source>Open Disc...</source>
        <translation>ディスクを開く...</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>再生/一時停止</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>設定(&amp;P)</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>全画面/元に戻す</translation>
    </message>
    <message>
        <source>Reverse Stereo</source>
        <translation>ステレオ反転</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>ブレンド</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均</translation>
    </message>
    <message>
        <source>Bob</source>
        <translation>Bob</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
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
        <translation>蛍光体</translation>
    </message>
    <message>
        <source>Film NTSC (IVTC)</source>
        <translation>フィルム NTSC (IVTC)</translation>
    </message>
    <message>
        <source>Previous Title</source>
        <translation>前のタイトル</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>前のチャプター</translation>
    </message>
    <message>
        <source>Next Title</source>
        <translation>次のタイトル</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>次のチャプター</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>半分のサイズ</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>通常のサイズ</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>2 倍のサイズ</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>画面に合わせる</translation>
    </message>
    <message>
        <source>Navigation Panel</source>
        <translation>ナビゲーションパネル</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>エフェクト</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Open Recent File</source>
        <translation>最近使ったファイルを開く</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>チャプター</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Audio Track</source>
        <translation>オーディオ トラック</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>オーディオ チャンネル</translation>
    </message>
    <message>
        <source>Audio Device</source>
        <translation>オーディオ デバイス</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Video Track</source>
        <translation>ビデオ トラック</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕トラック</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>インターレース解除</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>This disc image holds no Blu-ray disc.</source>
        <translation>このディスクイメージには Blu-ray ディスクが含まれていません。</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>キーボードショートカット(&amp;K)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Subtitle Delay</source>
        <translation>字幕の遅延</translation>
    </message>
    <message>
        <source>Audio Delay</source>
        <translation>音声の遅延</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>チャプター %1</translation>
    </message>
    <message>
        <source>Volume %1%</source>
        <translation>音量 %1%</translation>
    </message>
    <message>
        <source>Speed %1</source>
        <translation>速度 %1</translation>
    </message>
    <message>
        <source>Subtitle delay %1 ms</source>
        <translation>字幕の遅延 %1 ms</translation>
    </message>
    <message>
        <source>Audio delay %1 ms</source>
        <translation>音声の遅延 %1 ms</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>スナップショットを保存しました: %1</translation>
    </message>
    <message>
        <source>The disc could not be ejected.</source>
        <translation>ディスクを取り出せませんでした。</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>フォルダーを開く(&amp;F)...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>This folder holds no media files.</source>
        <translation>このフォルダーにはメディアファイルがありません。</translation>
    </message>
    <message>
        <source>The subtitle file could not be loaded.</source>
        <translation>字幕ファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>字幕ファイル</translation>
    </message>
    <message>
        <source>Add Subtitle File</source>
        <translation>字幕ファイルを追加</translation>
    </message>
    <message>
        <source>Add Subtitle File...</source>
        <translation>字幕ファイルを追加...</translation>
    </message>
    <message>
        <source>Playing a video</source>
        <translation>動画を再生中</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>Form</source>
        <translation>フォーム</translation>
    </message>
</context>
<context>
    <name>MediaPlayer_Main</name>
    <message>
        <source>Loading language...</source>
        <translation>言語を読み込んでいます...</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. All rights reserved.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Framework initializing...</source>
        <translation>フレームワークを初期化しています...</translation>
    </message>
    <message>
        <source>Loading skin...</source>
        <translation>スキンを読み込んでいます...</translation>
    </message>
    <message>
        <source>Preparing main window...</source>
        <translation>メインウィンドウを準備しています...</translation>
    </message>
    <message>
        <source>Cannot open %1 in the running copy: %2.</source>
        <translation>%1 を実行中のコピーで開けません: %2。</translation>
    </message>
    <message>
        <source>the running copy cannot be reached</source>
        <translation>実行中のコピーに接続できません</translation>
    </message>
    <message>
        <source>the path is too long to be handed over</source>
        <translation>パスが長すぎて引き渡せません</translation>
    </message>
    <message>
        <source>the running copy does not take it</source>
        <translation>実行中のコピーが受け取りません</translation>
    </message>
    <message>
        <source>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</source>
        <translation>製品構成ファイル %1 が見つからないか破損しています。名前と GUID を読み取れません。プログラムを再インストールしてください。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>OpenProblem</name>
    <message>
        <source>The file does not exist.</source>
        <translation>ファイルが存在しません。</translation>
    </message>
    <message>
        <source>This is neither a file nor a folder, so it cannot be played.</source>
        <translation>ファイルでもフォルダーでもないため、再生できません。</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>このファイルを読み取る権限がありません。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The link leads in a circle and never reaches a file.</source>
        <translation>リンクが循環しており、ファイルにたどり着きません。</translation>
    </message>
    <message>
        <source>The link points to a file that does not exist.</source>
        <translation>リンク先のファイルが存在しません。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>「%1」を開けません。</translation>
    </message>
</context>
<context>
    <name>OpeningNotice</name>
    <message>
        <source>Opening</source>
        <translation>開いています</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taking long to open.</source>
        <translation>「%1」を開くのに時間がかかっています。</translation>
    </message>
</context>
<context>
    <name>PlatformDiscEjector</name>
    <message>
        <source>The system does not know the device %1.</source>
        <translation>システムはデバイス %1 を認識していません。</translation>
    </message>
    <message>
        <source>The device %1 has no drive to eject.</source>
        <translation>デバイス %1 には取り出せるドライブがありません。</translation>
    </message>
    <message>
        <source>Cannot unmount %1</source>
        <translation>%1 をアンマウントできません</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>Cannot eject %1</source>
        <translation>%1 を取り出せません</translation>
    </message>
</context>
<context>
    <name>PlatformUserSharedMemory</name>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</source>
        <translation>%1 の共有メモリセグメントは他のユーザーのものか、他者が使用できる状態です。新しいものに置き換えます。</translation>
    </message>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</source>
        <translation>%1 の共有メモリセグメントは他のユーザーのものか、他者が使用できる状態です。使用しません。</translation>
    </message>
</context>
<context>
    <name>PlayerKeys</name>
    <message>
        <source>Open a file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open a disc</source>
        <translation>ディスクを開く</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>再生 / 一時停止</translation>
    </message>
    <message>
        <source>Full screen on or off (or double click)</source>
        <translation>全画面のオン / オフ（またはダブルクリック）</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>全画面を終了</translation>
    </message>
    <message>
        <source>Take a snapshot</source>
        <translation>スナップショットを撮る</translation>
    </message>
    <message>
        <source>Next frame (while paused)</source>
        <translation>次のフレーム（一時停止中）</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 秒戻る</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>10 秒進む</translation>
    </message>
    <message>
        <source>Back 3 seconds</source>
        <translation>3 秒戻る</translation>
    </message>
    <message>
        <source>Forward 3 seconds</source>
        <translation>3 秒進む</translation>
    </message>
    <message>
        <source>Back 1 minute</source>
        <translation>1 分戻る</translation>
    </message>
    <message>
        <source>Forward 1 minute</source>
        <translation>1 分進む</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>先頭に戻る</translation>
    </message>
    <message>
        <source>Jump to 10 % … 90 %</source>
        <translation>10 % … 90 % へ移動</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>時間を指定して移動...</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>前のチャプター</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>次のチャプター</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>Mute on or off</source>
        <translation>消音のオン / オフ</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>遅く</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>速く</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>通常の速度</translation>
    </message>
    <message>
        <source>Subtitles 50 ms earlier</source>
        <translation>字幕を 50 ms 早く</translation>
    </message>
    <message>
        <source>Subtitles 50 ms later</source>
        <translation>字幕を 50 ms 遅く</translation>
    </message>
    <message>
        <source>Audio 50 ms earlier</source>
        <translation>音声を 50 ms 早く</translation>
    </message>
    <message>
        <source>Audio 50 ms later</source>
        <translation>音声を 50 ms 遅く</translation>
    </message>
    <message>
        <source>Next playlist entry</source>
        <translation>プレイリストの次の項目</translation>
    </message>
    <message>
        <source>Previous playlist entry</source>
        <translation>プレイリストの前の項目</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>Playlist</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Repeat: Off</source>
        <translation>リピート: オフ</translation>
    </message>
    <message>
        <source>Repeat: One</source>
        <translation>リピート: 1 項目</translation>
    </message>
    <message>
        <source>Repeat: All</source>
        <translation>リピート: すべて</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Snapshot Folder:</source>
        <translation>スナップショットのフォルダー:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>スナップショットの形式:</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>更新の設定</translation>
    </message>
    <message>
        <source>Check for Updates Automatically</source>
        <translation>更新を自動的に確認する</translation>
    </message>
    <message>
        <source>You have changed some settings. Do you want to save the changes before exiting?</source>
        <translation>設定が変更されています。終了する前に変更を保存しますか?</translation>
    </message>
    <message>
        <source>Select Snapshot Folder</source>
        <translation>スナップショットのフォルダーを選択</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not writable, Please select another one.</source>
        <translation>「%1」には書き込めません。別のフォルダーを選択してください。</translation>
    </message>
</context>
<context>
    <name>QBluRayMenu</name>
    <message>
        <source>Play Movie</source>
        <translation>本編を再生</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>チャプター</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>その他のタイトル</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>QVlcPlayer</name>
    <message>
        <source>Could not init libVLC with the options: %1</source>
        <translation>次のオプションで libVLC を初期化できませんでした: %1</translation>
    </message>
    <message>
        <source>Check the options in %1.</source>
        <translation>%1 のオプションを確認してください。</translation>
    </message>
    <message>
        <source>Could not create the libVLC media player.</source>
        <translation>libVLC メディアプレーヤーを作成できませんでした。</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>VlcTitleRules</name>
    <message>
        <source>Title %1 · %2 · 1 chapter</source>
        <translation>タイトル %1 · %2 · 1 チャプター</translation>
    </message>
    <message>
        <source>Title %1 · %2 · %3 chapters</source>
        <translation>タイトル %1 · %2 · %3 チャプター</translation>
    </message>
</context>
<context>
    <name>VlcTrackFormats</name>
    <message>
        <source>mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>ステレオ</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n チャンネル</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>uxAboutDlg</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. All rights reserved.</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>バージョン: %1</translation>
    </message>
    <message>
        <source>HomePage:</source>
        <translation>ホームページ:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>サポート:</translation>
    </message>
</context>
<context>
    <name>uxMainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>ツール(&amp;T)</translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation>スキン(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>ユーザーヘルプ</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>オンラインヘルプ(&amp;O)</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>オンラインヘルプ</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>サポート(&amp;S)</translation>
    </message>
    <message>
        <source>Check Up&amp;date...</source>
        <translation>アップデートの確認(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>ホームページ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Product Page</source>
        <translation>製品ページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>uxSplashScreen</name>
    <message>
        <source>Load...</source>
        <translation>読み込み中...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
</context>
<context>
    <name>uxSystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>元のサイズに戻す(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移動(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>サイズ変更(&amp;S)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>uxWinTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AdjustDialog</name>
    <message>
        <source>Effects</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>伽马</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>BlurayDiscInfo</name>
    <message>
        <source>This disc is protected by AACS, and the AACS decoding library (libaacs) is not installed.</source>
        <translation>此光盘受 AACS 保护，但未安装 AACS 解密库 (libaacs)。</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no key for this disc was found. Add its key to the AACS key database.</source>
        <translation>此光盘受 AACS 保护，但未找到此光盘的密钥。请将其密钥添加到 AACS 密钥数据库。</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and no valid host certificate was found (it may have been revoked).</source>
        <translation>此光盘受 AACS 保护，但未找到有效的主机证书（可能已被吊销）。</translation>
    </message>
    <message>
        <source>This disc is protected by AACS, and its decoding failed.</source>
        <translation>此光盘受 AACS 保护，解密失败。</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and the BD+ library (libbdplus) is not installed.</source>
        <translation>此光盘受 BD+ 保护，但未安装 BD+ 库 (libbdplus)。</translation>
    </message>
    <message>
        <source>This disc is protected by BD+, and its BD+ decoding failed.</source>
        <translation>此光盘受 BD+ 保护，BD+ 解密失败。</translation>
    </message>
    <message>
        <source>The disc cannot be played.</source>
        <translation>无法播放此光盘。</translation>
    </message>
</context>
<context>
    <name>DlgOpenDisc</name>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>无效的蓝光文件。</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>打开光盘</translation>
    </message>
    <message>
        <source>Select a Blu-ray disc:</source>
        <translation>选择蓝光光盘：</translation>
    </message>
    <message>
        <source>Open Folder...</source>
        <translation>打开文件夹...</translation>
    </message>
</context>
<context>
    <name>FfAddFileProcessingDlg</name>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>Loading disc. Please wait...</source>
        <translation>正在加载光盘，请稍候...</translation>
    </message>
</context>
<context>
    <name>FormControlPanel</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Playing:</source>
        <translation>正在播放：</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
</context>
<context>
    <name>GoToTimeDialog</name>
    <message>
        <source>Go to Time</source>
        <translation>跳转到时间</translation>
    </message>
    <message>
        <source>&amp;Time (h:mm:ss):</source>
        <translation>时间 (h:mm:ss)(&amp;T)：</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>跳转</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Media Files</source>
        <translation>媒体文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>轨道</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open Disc</source>
        <translation>打开光盘</translation>
    </message>
    <message>
        <source>Invalid Blu-ray file.</source>
        <translation>无效的蓝光文件。</translation>
    </message>
    <message>
        <source>File loading failed.</source>
        <translation>文件加载失败。</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Navigational slider</source>
        <translation>进度滑块</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Navigation panel </source>
        <translation>导航面板 </translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Open snapshot folder</source>
        <translation>打开快照文件夹</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Mute off</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <source>Adjust volume</source>
        <translation>调节音量</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>打开文件(&amp;O)...</translation>
    </message>
    <message>
        <source>Open File...</source>
        <translation>打开文件...</translation>
    </message>
    <message>
        <source>Open Disc...</source>
        <translation>打开光盘...</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>首选项(&amp;P)</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>全屏/还原</translation>
    </message>
    <message>
        <source>Reverse Stereo</source>
        <translation>反转立体声</translation>
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
        <translation>丢弃</translation>
    </message>
    <message>
        <source>Blend</source>
        <translation>混合</translation>
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
        <translation>线性</translation>
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
        <translation>荧光</translation>
    </message>
    <message>
        <source>Film NTSC (IVTC)</source>
        <translation>NTSC 电影 (IVTC)</translation>
    </message>
    <message>
        <source>Previous Title</source>
        <translation>上一个标题</translation>
    </message>
    <message>
        <source>Previous Chapter</source>
        <translation>上一章节</translation>
    </message>
    <message>
        <source>Next Title</source>
        <translation>下一个标题</translation>
    </message>
    <message>
        <source>Next Chapter</source>
        <translation>下一章节</translation>
    </message>
    <message>
        <source>Half Size</source>
        <translation>一半大小</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>正常大小</translation>
    </message>
    <message>
        <source>Double Size</source>
        <translation>双倍大小</translation>
    </message>
    <message>
        <source>Fit to Screen</source>
        <translation>适合屏幕</translation>
    </message>
    <message>
        <source>Navigation Panel</source>
        <translation>导航面板</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Open Recent File</source>
        <translation>打开最近的文件</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>章节</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Audio Track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Audio Channel</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Audio Device</source>
        <translation>音频设备</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Video Track</source>
        <translation>视频轨道</translation>
    </message>
    <message>
        <source>Subtitle Track</source>
        <translation>字幕轨道</translation>
    </message>
    <message>
        <source>Deinterlace</source>
        <translation>去隔行</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>This disc image holds no Blu-ray disc.</source>
        <translation>此光盘映像不包含蓝光光盘。</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Subtitle Delay</source>
        <translation>字幕延迟</translation>
    </message>
    <message>
        <source>Audio Delay</source>
        <translation>音频延迟</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
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
        <translation>字幕延迟 %1 毫秒</translation>
    </message>
    <message>
        <source>Audio delay %1 ms</source>
        <translation>音频延迟 %1 毫秒</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>截图已保存：%1</translation>
    </message>
    <message>
        <source>The disc could not be ejected.</source>
        <translation>无法弹出光盘。</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>打开文件夹(&amp;F)...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>This folder holds no media files.</source>
        <translation>此文件夹中没有媒体文件。</translation>
    </message>
    <message>
        <source>The subtitle file could not be loaded.</source>
        <translation>无法加载字幕文件。</translation>
    </message>
    <message>
        <source>Subtitle Files</source>
        <translation>字幕文件</translation>
    </message>
    <message>
        <source>Add Subtitle File</source>
        <translation>添加字幕文件</translation>
    </message>
    <message>
        <source>Add Subtitle File...</source>
        <translation>添加字幕文件...</translation>
    </message>
    <message>
        <source>Playing a video</source>
        <translation>正在播放视频</translation>
    </message>
</context>
<context>
    <name>MainWindowBase</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>MediaPlayer_Main</name>
    <message>
        <source>Loading language...</source>
        <translation>正在加载语言...</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>版权所有 © %1 %2。保留所有权利。</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Framework initializing...</source>
        <translation>正在初始化框架...</translation>
    </message>
    <message>
        <source>Loading skin...</source>
        <translation>正在加载皮肤...</translation>
    </message>
    <message>
        <source>Preparing main window...</source>
        <translation>正在准备主窗口...</translation>
    </message>
    <message>
        <source>Cannot open %1 in the running copy: %2.</source>
        <translation>无法在正在运行的程序中打开 %1：%2。</translation>
    </message>
    <message>
        <source>the running copy cannot be reached</source>
        <translation>无法连接正在运行的程序</translation>
    </message>
    <message>
        <source>the path is too long to be handed over</source>
        <translation>路径太长，无法传递</translation>
    </message>
    <message>
        <source>the running copy does not take it</source>
        <translation>正在运行的程序未接收</translation>
    </message>
    <message>
        <source>The product configuration %1 is missing or damaged: its name and GUID cannot be read. Please reinstall the program.</source>
        <translation>产品配置文件 %1 缺失或已损坏：无法读取其名称和 GUID。请重新安装本程序。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>OpenProblem</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>This is neither a file nor a folder, so it cannot be played.</source>
        <translation>这既不是文件也不是文件夹，无法播放。</translation>
    </message>
    <message>
        <source>You are not allowed to read this file.</source>
        <translation>您没有读取此文件的权限。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The link leads in a circle and never reaches a file.</source>
        <translation>链接形成循环，无法指向任何文件。</translation>
    </message>
    <message>
        <source>The link points to a file that does not exist.</source>
        <translation>链接指向的文件不存在。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
</context>
<context>
    <name>OpeningNotice</name>
    <message>
        <source>Opening</source>
        <translation>正在打开</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is taking long to open.</source>
        <translation>打开“%1”需要较长时间。</translation>
    </message>
</context>
<context>
    <name>PlatformDiscEjector</name>
    <message>
        <source>The system does not know the device %1.</source>
        <translation>系统不认识设备 %1。</translation>
    </message>
    <message>
        <source>The device %1 has no drive to eject.</source>
        <translation>设备 %1 没有可弹出的驱动器。</translation>
    </message>
    <message>
        <source>Cannot unmount %1</source>
        <translation>无法卸载 %1</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>无法打开 %1</translation>
    </message>
    <message>
        <source>Cannot eject %1</source>
        <translation>无法弹出 %1</translation>
    </message>
</context>
<context>
    <name>PlatformUserSharedMemory</name>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; a new one replaces it.</source>
        <translation>%1 下的共享内存段属于其他用户或可被他人使用；已用新的共享内存段替换。</translation>
    </message>
    <message>
        <source>A shared memory segment under %1 belongs to another user or others may use it; it is not used.</source>
        <translation>%1 下的共享内存段属于其他用户或可被他人使用；不予使用。</translation>
    </message>
</context>
<context>
    <name>PlayerKeys</name>
    <message>
        <source>Open a file</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open a disc</source>
        <translation>打开光盘</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>播放或暂停</translation>
    </message>
    <message>
        <source>Full screen on or off (or double click)</source>
        <translation>切换全屏（或双击）</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>退出全屏</translation>
    </message>
    <message>
        <source>Take a snapshot</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Next frame (while paused)</source>
        <translation>下一帧（暂停时）</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>后退 10 秒</translation>
    </message>
    <message>
        <source>Forward 10 seconds</source>
        <translation>前进 10 秒</translation>
    </message>
    <message>
        <source>Back 3 seconds</source>
        <translation>后退 3 秒</translation>
    </message>
    <message>
        <source>Forward 3 seconds</source>
        <translation>前进 3 秒</translation>
    </message>
    <message>
        <source>Back 1 minute</source>
        <translation>后退 1 分钟</translation>
    </message>
    <message>
        <source>Forward 1 minute</source>
        <translation>前进 1 分钟</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>回到开头</translation>
    </message>
    <message>
        <source>Jump to 10 % … 90 %</source>
        <translation>跳到 10 % … 90 %</translation>
    </message>
    <message>
        <source>Go to Time...</source>
        <translation>跳转到时间...</translation>
    </message>
    <message>
        <source>Previous chapter</source>
        <translation>上一章</translation>
    </message>
    <message>
        <source>Next chapter</source>
        <translation>下一章</translation>
    </message>
    <message>
        <source>Volume up</source>
        <translation>增大音量</translation>
    </message>
    <message>
        <source>Volume down</source>
        <translation>减小音量</translation>
    </message>
    <message>
        <source>Mute on or off</source>
        <translation>静音或取消静音</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>减速</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>加速</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>正常速度</translation>
    </message>
    <message>
        <source>Subtitles 50 ms earlier</source>
        <translation>字幕提前 50 毫秒</translation>
    </message>
    <message>
        <source>Subtitles 50 ms later</source>
        <translation>字幕推迟 50 毫秒</translation>
    </message>
    <message>
        <source>Audio 50 ms earlier</source>
        <translation>音频提前 50 毫秒</translation>
    </message>
    <message>
        <source>Audio 50 ms later</source>
        <translation>音频推迟 50 毫秒</translation>
    </message>
    <message>
        <source>Next playlist entry</source>
        <translation>播放列表的下一项</translation>
    </message>
    <message>
        <source>Previous playlist entry</source>
        <translation>播放列表的上一项</translation>
    </message>
</context>
<context>
    <name>PlaylistMenu</name>
    <message>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Repeat: Off</source>
        <translation>重复：关</translation>
    </message>
    <message>
        <source>Repeat: One</source>
        <translation>重复：单个</translation>
    </message>
    <message>
        <source>Repeat: All</source>
        <translation>重复：全部</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Snapshot Folder:</source>
        <translation>快照文件夹：</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>快照格式：</translation>
    </message>
    <message>
        <source>Update Settings</source>
        <translation>更新设置</translation>
    </message>
    <message>
        <source>Check for Updates Automatically</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>You have changed some settings. Do you want to save the changes before exiting?</source>
        <translation>您更改了一些设置。是否在退出前保存更改？</translation>
    </message>
    <message>
        <source>Select Snapshot Folder</source>
        <translation>选择快照文件夹</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not writable, Please select another one.</source>
        <translation>“%1”不可写入，请选择其他文件夹。</translation>
    </message>
</context>
<context>
    <name>QBluRayMenu</name>
    <message>
        <source>Play Movie</source>
        <translation>播放影片</translation>
    </message>
    <message>
        <source>Chapter</source>
        <translation>章节</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Other Titles</source>
        <translation>其他标题</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>QVlcPlayer</name>
    <message>
        <source>Could not init libVLC with the options: %1</source>
        <translation>无法使用以下选项初始化 libVLC：%1</translation>
    </message>
    <message>
        <source>Check the options in %1.</source>
        <translation>请检查 %1 中的选项。</translation>
    </message>
    <message>
        <source>Could not create the libVLC media player.</source>
        <translation>无法创建 libVLC 媒体播放器。</translation>
    </message>
</context>
<context>
    <name>ShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>VlcTitleRules</name>
    <message>
        <source>Title %1 · %2 · 1 chapter</source>
        <translation>标题 %1 · %2 · 1 个章节</translation>
    </message>
    <message>
        <source>Title %1 · %2 · %3 chapters</source>
        <translation>标题 %1 · %2 · %3 个章节</translation>
    </message>
</context>
<context>
    <name>VlcTrackFormats</name>
    <message>
        <source>mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n 声道</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>uxAboutDlg</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>HomePage</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>版权所有 © %1 %2。保留所有权利。</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>版本：%1</translation>
    </message>
    <message>
        <source>HomePage:</source>
        <translation>主页：</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>支持：</translation>
    </message>
</context>
<context>
    <name>uxMainWindowBase</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation>皮肤(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>用户帮助</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>在线帮助</translation>
    </message>
    <message>
        <source>&amp;Support</source>
        <translation>支持(&amp;S)</translation>
    </message>
    <message>
        <source>Check Up&amp;date...</source>
        <translation>检查更新(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Home Page</source>
        <translation>主页(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Product Page</source>
        <translation>产品页面(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>uxSplashScreen</name>
    <message>
        <source>Load...</source>
        <translation>正在加载...</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
</context>
<context>
    <name>uxSystemMenu</name>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移动(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>大小(&amp;S)</translation>
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
        <translation>关闭(&amp;C)</translation>
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
        <translation>还原</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>

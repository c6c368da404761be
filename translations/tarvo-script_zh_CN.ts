<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>Tarvo Script Application</source>
        <translation>Tarvo Script Application</translation>
    </message>
    <message>
        <source>About Tarvo Script Application</source>
        <translation>关于 Tarvo Script Application</translation>
    </message>
    <message>
        <source>Version 1.01.00.02</source>
        <translation>版本 1.01.00.02</translation>
    </message>
    <message>
        <source>Tarvo Script Application for Linux %1</source>
        <translation>Tarvo Script Application for Linux %1</translation>
    </message>
    <message>
        <source>%1

File: %2

Line: %3</source>
        <translation>%1

文件：%2

行：%3</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Error: This application only works with Qt version %1 or greater on a graphical desktop.</source>
        <translation>错误：本程序只能在图形桌面上使用 Qt %1 或更高版本运行。</translation>
    </message>
    <message>
        <source>Error: The application could not locate the proper font.</source>
        <translation>错误：程序找不到所需的字体。</translation>
    </message>
    <message>
        <source>Error: The application could not create the COM port Event Handler.</source>
        <translation>错误：程序无法创建 COM 端口事件处理程序。</translation>
    </message>
    <message>
        <source>The settings could not be written to %1 (%2). The last folder and the recent files will not be remembered.</source>
        <translation>无法将设置写入 %1（%2）。将不会记住上次使用的文件夹和最近的文件。</translation>
    </message>
    <message>
        <source>Tvo Files (*.tvo)</source>
        <translation>TVO 文件 (*.tvo)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>The document %1 could not be opened:
%2</source>
        <translation>无法打开文档 %1：
%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>The document could not be saved to %1:
%2</source>
        <translation>无法将文档保存到 %1：
%2</translation>
    </message>
    <message>
        <source>Some COM port settings of %1 were out of range and were set to their defaults:
%2</source>
        <translation>%1 的部分 COM 端口设置超出范围，已恢复为默认值：
%2</translation>
    </message>
    <message>
        <source>Some records of %1 could not be read and were left out; saving the document makes this permanent:
%2</source>
        <translation>%1 中的部分记录无法读取，已被略过；保存文档后将永久丢失：
%2</translation>
    </message>
    <message>
        <source>The file %1 no longer exists. It was removed from the recent file list.</source>
        <translation>文件 %1 已不存在，已从最近文件列表中删除。</translation>
    </message>
    <message>
        <source>Tarvo</source>
        <translation>Tarvo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>The user guide is not installed: %1 does not exist. Reinstall Tarvo Script Application.</source>
        <translation>未安装用户指南：%1 不存在。请重新安装 Tarvo Script Application。</translation>
    </message>
    <message>
        <source>The user guide %1 could not be shown: the desktop has no program for web pages.</source>
        <translation>无法显示用户指南 %1：桌面上没有打开网页的程序。</translation>
    </message>
    <message>
        <source>File Properties</source>
        <translation>文件属性</translation>
    </message>
    <message>
        <source>Document Schema: %1</source>
        <translation>文档架构：%1</translation>
    </message>
    <message>
        <source>Language Table Schema: %1</source>
        <translation>语言表架构：%1</translation>
    </message>
    <message>
        <source>Language Table Firmware Version: %1.%2</source>
        <translation>语言表固件版本：%1.%2</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Move Language Table Upwards in Tree</source>
        <translation>在树中上移语言表</translation>
    </message>
    <message>
        <source>Move Language Table Downwards in Tree</source>
        <translation>在树中下移语言表</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>创建新文档</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开现有文档</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>关闭当前文档</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>以新名称保存当前文档</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>属性(&amp;P)...</translation>
    </message>
    <message>
        <source>Show the schema and firmware version of the active document</source>
        <translation>显示当前文档的架构和固件版本</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出程序；会提示保存文档</translation>
    </message>
    <message>
        <source>Move Table &amp;Up</source>
        <translation>上移表(&amp;U)</translation>
    </message>
    <message>
        <source>Move Table &amp;Down</source>
        <translation>下移表(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Redraw the form of the active document</source>
        <translation>重绘当前文档的表单</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap</source>
        <translation>将窗口层叠排列</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles</source>
        <translation>将窗口平铺排列，互不重叠</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window</source>
        <translation>将图标排列在窗口底部</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>用户指南(&amp;U)</translation>
    </message>
    <message>
        <source>Read how to connect, download, recover and restore a keyboard</source>
        <translation>阅读如何连接键盘、下载、恢复和还原</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information and version number</source>
        <translation>显示程序信息和版本号</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开此文档</translation>
    </message>
    <message>
        <source>&amp;Maximized Resolution Sizes</source>
        <translation>最大化分辨率尺寸(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>传输(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>调试(&amp;D)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Show &amp;Characters Used</source>
        <translation>显示所用字符(&amp;C)</translation>
    </message>
    <message>
        <source>List the characters of the selected table&apos;s language</source>
        <translation>列出所选表语言的字符</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>访问被拒绝</translation>
    </message>
    <message>
        <source>the file is not a settings file</source>
        <translation>该文件不是设置文件</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>语言(&amp;L)...</translation>
    </message>
    <message>
        <source>Choose the language of the editor for its next start</source>
        <translation>选择编辑器下次启动时使用的语言</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The editor shows the chosen language when it is started again.</source>
        <translation>重新启动编辑器后将显示所选语言。</translation>
    </message>
</context>
<context>
    <name>ComPort</name>
    <message>
        <source>COM Port Setup</source>
        <translation>COM 端口设置</translation>
    </message>
    <message>
        <source>Select the COM port that will be used to communicate with the keyboard:</source>
        <translation>请选择与键盘通信所用的 COM 端口：</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM：</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>设备(&amp;D)：</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, missing)</source>
        <translation>%1（%2，缺失）</translation>
    </message>
    <message>
        <source>%1 (%2, not a serial port)</source>
        <translation>%1（%2，不是串口）</translation>
    </message>
    <message>
        <source>%1 (%2, not a valid address)</source>
        <translation>%1（%2，地址无效）</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 is present on this system.</source>
        <translation>%1 存在于本系统中。</translation>
    </message>
    <message>
        <source>%1 is not present on this system. It can still be chosen; a transfer on %2 reports the device as missing until it is connected.</source>
        <translation>%1 不在本系统中。仍可选择它；在连接之前，%2 上的传输会报告设备缺失。</translation>
    </message>
    <message>
        <source>%1 is not a serial port. A transfer on %2 cannot use it; choose a serial device (such as /dev/ttyUSB0) or a network serial server (rfc2217://HOST:PORT).</source>
        <translation>%1 不是串口，%2 上的传输无法使用它；请选择串口设备（如 /dev/ttyUSB0）或网络串口服务器（rfc2217://HOST:PORT）。</translation>
    </message>
    <message>
        <source>%1 is a keyboard behind a network serial server (RFC 2217). A transfer on %2 connects to it when it starts.</source>
        <translation>%1 是网络串口服务器（RFC 2217）后面的键盘。%2 上的传输开始时会连接它。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>/dev/ttyUSB0 or rfc2217://HOST:PORT</source>
        <translation>/dev/ttyUSB0 或 rfc2217://HOST:PORT</translation>
    </message>
    <message>
        <source>The environment variable %1 maps %2 to this device and wins over the choice made here.</source>
        <translation>环境变量 %1 将 %2 映射到此设备，优先于此处的选择。</translation>
    </message>
    <message>
        <source>The device of %1 could not be stored: %2</source>
        <translation>无法保存 %1 的设备：%2</translation>
    </message>
    <message>
        <source>COM Port Settings</source>
        <translation>COM 端口参数</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>缓冲区</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>硬件</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM 端口：</translation>
    </message>
    <message>
        <source>Baud:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>校验：</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Handshaking:</source>
        <translation>握手：</translation>
    </message>
    <message>
        <source>In Buffer Size:</source>
        <translation>输入缓冲区大小：</translation>
    </message>
    <message>
        <source>R Threshold:</source>
        <translation>R 阈值：</translation>
    </message>
    <message>
        <source>Input Len:</source>
        <translation>输入长度：</translation>
    </message>
    <message>
        <source>Out Buffer Size:</source>
        <translation>输出缓冲区大小：</translation>
    </message>
    <message>
        <source>S Threshold:</source>
        <translation>S 阈值：</translation>
    </message>
    <message>
        <source>EOF Enable:</source>
        <translation>启用 EOF：</translation>
    </message>
    <message>
        <source>Null Discard:</source>
        <translation>丢弃空字符：</translation>
    </message>
    <message>
        <source>RTS Enable:</source>
        <translation>启用 RTS：</translation>
    </message>
    <message>
        <source>DTR Enable:</source>
        <translation>启用 DTR：</translation>
    </message>
    <message>
        <source>Parity Replace:</source>
        <translation>校验替换：</translation>
    </message>
    <message>
        <source>Input Mode:</source>
        <translation>输入模式：</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Configure COM Port...</source>
        <translation>配置 COM 端口(&amp;C)...</translation>
    </message>
    <message>
        <source>Select the COM port used to communicate with the keyboard</source>
        <translation>选择与键盘通信所用的 COM 端口</translation>
    </message>
    <message>
        <source>COM Port &amp;Settings...</source>
        <translation>COM 端口参数(&amp;S)...</translation>
    </message>
    <message>
        <source>Show and change every setting of the COM port</source>
        <translation>查看并更改 COM 端口的所有设置</translation>
    </message>
</context>
<context>
    <name>CoreMessages</name>
    <message>
        <source>Error: COM %d can not be opened.</source>
        <translation>错误：无法打开 COM %d。</translation>
    </message>
    <message>
        <source>Error: The transfer has timed out.</source>
        <translation>错误：传输超时。</translation>
    </message>
    <message>
        <source>An internal error occurred (code: %s).</source>
        <translation>发生内部错误（代码：%s）。</translation>
    </message>
    <message>
        <source>An internal error occurred (code: %d).</source>
        <translation>发生内部错误（代码：%d）。</translation>
    </message>
    <message>
        <source>Error: Communication could not be established.

Please make sure that:

1) The correct COM port has been chosen .
2) The RS-232 cable is connected to the COM port and the keyboard.
3) The keyboard has been placed in &quot;bootloader&quot; mode.

Refer to the ReadMe file for more information on placing the keyboard in &quot;bootloader&quot; mode.</source>
        <translation>错误：无法建立通信。

请确认：

1) 已选择正确的 COM 端口。
2) RS-232 电缆已连接 COM 端口和键盘。
3) 键盘已置于“引导程序”（bootloader）模式。

有关将键盘置于“引导程序”模式的详细信息，请参阅 ReadMe 文件。</translation>
    </message>
    <message>
        <source>The serial port was lost (unplugged or closed)</source>
        <translation>串口已丢失（已拔出或已关闭）</translation>
    </message>
    <message>
        <source>Error: The keyboard failed to return its ID.</source>
        <translation>错误：键盘未返回其 ID。</translation>
    </message>
    <message>
        <source>Error: The COM port is locked.</source>
        <translation>错误：COM 端口已被锁定。</translation>
    </message>
    <message>
        <source>Error: The transfer session could not be initialized.</source>
        <translation>错误：无法初始化传输会话。</translation>
    </message>
    <message>
        <source>Error: A timer resource could not be allocated.</source>
        <translation>错误：无法分配计时器资源。</translation>
    </message>
    <message>
        <source>The Quill application is only compatible with keyboard model type: KBD-OMNIA</source>
        <translation>Quill 程序仅兼容键盘型号：KBD-OMNIA</translation>
    </message>
    <message>
        <source>The keyboard&apos;s bootloader is version %s: it answers reads only with unchecked text lines, so its language tables cannot be read to import or download them. Query Keyboard still shows what it holds.</source>
        <translation>键盘的引导程序版本为 %s：它只以未经校验的文本行响应读取，因此无法读取其语言表来导入或下载。“查询键盘”仍可显示其内容。</translation>
    </message>
    <message>
        <source>Establishing Connection</source>
        <translation>正在建立连接</translation>
    </message>
    <message>
        <source>Pinging Keyboard</source>
        <translation>正在 Ping 键盘</translation>
    </message>
    <message>
        <source>Pong Received</source>
        <translation>已收到 Pong</translation>
    </message>
    <message>
        <source>Flashing Sector</source>
        <translation>正在刷写扇区</translation>
    </message>
    <message>
        <source>Sector Flashed</source>
        <translation>扇区已刷写</translation>
    </message>
    <message>
        <source>Reading Keyboard ID</source>
        <translation>正在读取键盘 ID</translation>
    </message>
    <message>
        <source>Keyboard ID Received</source>
        <translation>已收到键盘 ID</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>传输完成</translation>
    </message>
    <message>
        <source>** Error **</source>
        <translation>** 错误 **</translation>
    </message>
    <message>
        <source>Pinging keyboard at 19200 baud rate..........</source>
        <translation>正在以 19200 波特率 Ping 键盘..........</translation>
    </message>
    <message>
        <source>Pinging keyboard at 57600 baud rate............</source>
        <translation>正在以 57600 波特率 Ping 键盘............</translation>
    </message>
    <message>
        <source>Error: The document could not be opened because it was created with a newer version of this application.

Wend Schema: %d
Doc Schema: %d</source>
        <extracomment>&quot;Wend Schema&quot; is the schema this program writes; &quot;Wend&quot; has no translation.</extracomment>
        <translation>错误：无法打开该文档，因为它是用本程序的较新版本创建的。

Wend 架构：%d
文档架构：%d</translation>
    </message>
    <message>
        <source>Error - This version of Tarvo Script Application supports .tvo file that is created with keyboard firmware 1.40 or above.</source>
        <translation>错误 - 此版本的 Tarvo Script Application 仅支持用键盘固件 1.40 或更高版本创建的 .tvo 文件。</translation>
    </message>
    <message>
        <source>Error: The document could not be created -- no valid language table templates could be found.</source>
        <translation>错误：无法创建文档 -- 找不到有效的语言表模板。</translation>
    </message>
    <message>
        <source>Error: The document could not be created -- the maximum number of documents already exists.</source>
        <translation>错误：无法创建文档 -- 文档数量已达上限。</translation>
    </message>
    <message>
        <source>Error: &lt;illegal character&gt;: &apos;%c&apos; (%d)</source>
        <translation>错误：&lt;非法字符&gt;：&apos;%c&apos; (%d)</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected End Of Line&gt;</source>
        <translation>错误：&lt;意外的行尾&gt;</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected token&gt;: %s</source>
        <translation>错误：&lt;意外的标记&gt;：%s</translation>
    </message>
    <message>
        <source>Error: &lt;invalid schema number&gt;: The template&apos;s file-wide schema number is not supported.</source>
        <translation>错误：&lt;无效的架构编号&gt;：不支持模板文件的架构编号。</translation>
    </message>
    <message>
        <source>Error: &lt;unexpected token&gt;: EOLN</source>
        <translation>错误：&lt;意外的标记&gt;：EOLN</translation>
    </message>
    <message>
        <source>A file exception was raised (code == %d).</source>
        <translation>发生文件异常（代码 == %d）。</translation>
    </message>
    <message>
        <source>Error: &lt;too many lines&gt;: No section keyword was found within %d lines.</source>
        <translation>错误：&lt;行数过多&gt;：在 %d 行内未找到节关键字。</translation>
    </message>
    <message>
        <source>Error: &lt;too many records&gt;: A section holds more than %d records.</source>
        <translation>错误：&lt;记录过多&gt;：某节包含超过 %d 条记录。</translation>
    </message>
    <message>
        <source>Error: &lt;invalid menu number&gt;: %d (menus are numbered %d to %d)</source>
        <translation>错误：&lt;无效的菜单编号&gt;：%d（菜单编号为 %d 至 %d）</translation>
    </message>
    <message>
        <source>Error: &lt;invalid entry number&gt;: %d (entries are numbered %d to %d)</source>
        <translation>错误：&lt;无效的条目编号&gt;：%d（条目编号为 %d 至 %d）</translation>
    </message>
    <message>
        <source>Error: &lt;invalid font number&gt;: %d (fonts are numbered %d to %d)</source>
        <translation>错误：&lt;无效的字体编号&gt;：%d（字体编号为 %d 至 %d）</translation>
    </message>
    <message>
        <source>It is larger than %d MB, more than any template holds.</source>
        <translation>它大于 %d MB，超过任何模板的大小。</translation>
    </message>
    <message>
        <source>Error: &lt;too many tables&gt;: A template holds at most %d language tables.</source>
        <translation>错误：&lt;表过多&gt;：一个模板最多包含 %d 个语言表。</translation>
    </message>
    <message>
        <source>Tx Buffer Below SThreshold</source>
        <translation>发送缓冲区低于 SThreshold</translation>
    </message>
    <message>
        <source>Rx Buffer Met RThreshold</source>
        <translation>接收缓冲区达到 RThreshold</translation>
    </message>
    <message>
        <source>CTS Changed</source>
        <translation>CTS 已改变</translation>
    </message>
    <message>
        <source>DSR Transitioned To 0</source>
        <translation>DSR 变为 0</translation>
    </message>
    <message>
        <source>CD Changed</source>
        <translation>CD 已改变</translation>
    </message>
    <message>
        <source>Ring Detected</source>
        <translation>检测到振铃</translation>
    </message>
    <message>
        <source>EOF Received (ASCII 26)</source>
        <translation>收到 EOF（ASCII 26）</translation>
    </message>
    <message>
        <source>BREAK Received</source>
        <translation>收到 BREAK</translation>
    </message>
    <message>
        <source>CTS Timeout</source>
        <translation>CTS 超时</translation>
    </message>
    <message>
        <source>DSR Timeout</source>
        <translation>DSR 超时</translation>
    </message>
    <message>
        <source>Framing Error</source>
        <translation>帧错误</translation>
    </message>
    <message>
        <source>Port Overrun</source>
        <translation>端口溢出</translation>
    </message>
    <message>
        <source>CD Timeout</source>
        <translation>CD 超时</translation>
    </message>
    <message>
        <source>Rx Buffer Overflow</source>
        <translation>接收缓冲区溢出</translation>
    </message>
    <message>
        <source>Rx Parity Error</source>
        <translation>接收校验错误</translation>
    </message>
    <message>
        <source>Tx Buffer Full</source>
        <translation>发送缓冲区已满</translation>
    </message>
    <message>
        <source>DCB Retrieval Error</source>
        <translation>DCB 读取错误</translation>
    </message>
    <message>
        <source>No Event</source>
        <translation>无事件</translation>
    </message>
    <message>
        <source>In Buffer Size</source>
        <translation>输入缓冲区大小</translation>
    </message>
    <message>
        <source>Input Len</source>
        <translation>输入长度</translation>
    </message>
    <message>
        <source>Out Buffer Size</source>
        <translation>输出缓冲区大小</translation>
    </message>
    <message>
        <source>Parity Replace</source>
        <translation>校验替换</translation>
    </message>
    <message>
        <source>** Unknown Event **</source>
        <translation>** 未知事件 **</translation>
    </message>
    <message>
        <source>RTS &amp; Xon/Xoff</source>
        <translation>RTS &amp; Xon/Xoff</translation>
    </message>
    <message>
        <source>In Buffer Size must be a value between %d and %d.</source>
        <translation>输入缓冲区大小必须介于 %d 和 %d 之间。</translation>
    </message>
    <message>
        <source>RThreshold must be a value between %d and %d.</source>
        <translation>RThreshold 必须介于 %d 和 %d 之间。</translation>
    </message>
    <message>
        <source>Input Len must be a value between %d and %d.</source>
        <translation>输入长度必须介于 %d 和 %d 之间。</translation>
    </message>
    <message>
        <source>Out Buffer Size must be a value between %d and %d.</source>
        <translation>输出缓冲区大小必须介于 %d 和 %d 之间。</translation>
    </message>
    <message>
        <source>SThreshold must be a value between %d and %d.</source>
        <translation>SThreshold 必须介于 %d 和 %d 之间。</translation>
    </message>
    <message>
        <source>Parity Replace must be a value between %d and %d.</source>
        <translation>校验替换必须介于 %d 和 %d 之间。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d is incomplete: a write of it was interrupted, so it cannot be imported. Write it again first.</source>
        <translation>键盘语言表 #%d 不完整：其写入曾被中断，因此无法导入。请先重新写入。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds no table to import.</source>
        <translation>键盘语言表 #%d 中没有可导入的表。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d: the template has no table of language %d.</source>
        <translation>键盘语言表 #%d：模板中没有语言 %d 的表。</translation>
    </message>
    <message>
        <source>Please select the language to be imported</source>
        <translation>请选择要导入的语言</translation>
    </message>
    <message>
        <source>Error: The keyboard only supports %d language tables.

Uploads must be restricted to keyboard language tables 1 - %d.</source>
        <translation>错误：键盘仅支持 %d 个语言表。

上传必须限于键盘语言表 1 - %d。</translation>
    </message>
    <message>
        <source>Keyboard language tables #%d and #%d would both receive the document&apos;s table %d. Download only one of them, or choose a table &quot;as stored&quot; for each.</source>
        <translation>键盘语言表 #%d 和 #%d 都会接收文档表 %d。请只下载其中一个，或为每个选择一个“按原样”的表。</translation>
    </message>
    <message>
        <source>Slots %d and %d would both receive document table %d; name the table for each with N=I.</source>
        <translation>槽位 %d 和 %d 都会接收文档表 %d；请用 N=I 为每个槽位指定表。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d: the document has no table %d.</source>
        <translation>键盘语言表 #%d：文档中没有表 %d。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds no table to match. Choose one of the document&apos;s tables &quot;as stored&quot; for it.</source>
        <translation>键盘语言表 #%d 中没有可匹配的表。请为它选择文档中的一个表“按原样”写入。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d holds language %d, and the document has no table of that language. Choose one of the document&apos;s tables &quot;as stored&quot; for it, or &quot;(do not download)&quot;.</source>
        <translation>键盘语言表 #%d 中是语言 %d，而文档中没有该语言的表。请为它选择文档中的一个表“按原样”写入，或选择“（不下载）”。</translation>
    </message>
    <message>
        <source>(do not download)</source>
        <translation>（不下载）</translation>
    </message>
    <message>
        <source>Flash Memory Is Blank</source>
        <translation>闪存为空</translation>
    </message>
    <message>
        <source>The version of the language tables present in the keyboard must be greater than or equal to 1.94</source>
        <translation>键盘中语言表的版本必须大于或等于 1.94</translation>
    </message>
    <message>
        <source>Cancelling download operation would corrupt  language table in the keyboard 
 Press Yes to cancel or No to continue downloading</source>
        <translation>取消下载会损坏键盘中的语言表。
按“是”取消，按“否”继续下载。</translation>
    </message>
    <message>
        <source>Transferring Language Table  %s:</source>
        <translation>正在传输语言表 %s：</translation>
    </message>
    <message>
        <source>Language table #%d in the keyboard is now incomplete and must be written again.</source>
        <translation>键盘中的语言表 #%d 现已不完整，必须重新写入。</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: its image holds %d bytes instead of %d. Nothing was erased.</source>
        <translation>无法写入语言表 #%d：其映像为 %d 字节，而不是 %d 字节。未擦除任何内容。</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: the record of its write cannot be stored (%s). Nothing was erased.</source>
        <translation>无法写入语言表 #%d：无法保存其写入记录（%s）。未擦除任何内容。</translation>
    </message>
    <message>
        <source>Language table #%d cannot be written: the keyboard has %d language table slots. Nothing was erased.</source>
        <translation>无法写入语言表 #%d：键盘只有 %d 个语言表槽位。未擦除任何内容。</translation>
    </message>
    <message>
        <source>The document&apos;s tables %d and %d both came from keyboard language table #%d.</source>
        <translation>文档表 %d 和 %d 都来自键盘语言表 #%d。</translation>
    </message>
    <message>
        <source>Document tables %d and %d both record keyboard slot %d.</source>
        <translation>文档表 %d 和 %d 都记录了键盘槽位 %d。</translation>
    </message>
    <message>
        <source>The document&apos;s table %d records no keyboard language table it came from, so it cannot be written back as stored.</source>
        <translation>文档表 %d 未记录其来源的键盘语言表，因此无法按原样写回。</translation>
    </message>
    <message>
        <source>No table of the document came from keyboard language table #%d, so nothing can be written back into it as stored. Choose one of the document&apos;s tables &quot;as stored&quot; for it.</source>
        <translation>文档中没有来自键盘语言表 #%d 的表，因此无法按原样写回。请为它选择文档中的一个表“按原样”写入。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d was not read completely; nothing was merged.</source>
        <translation>未能完整读取键盘语言表 #%d；未合并任何内容。</translation>
    </message>
    <message>
        <source>Keyboard language table #%d reads erased in its script menus or its last block, as an interrupted write leaves it; nothing was merged.</source>
        <translation>键盘语言表 #%d 的脚本菜单或最后一块读出为已擦除，正如中断的写入所留下的；未合并任何内容。</translation>
    </message>
    <message>
        <source>( empty )</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>( flashed clear )</source>
        <translation>（已擦除）</translation>
    </message>
    <message>
        <source>Reading Language Table Information</source>
        <translation>正在读取语言表信息</translation>
    </message>
    <message>
        <source>Reading Script Menus:</source>
        <translation>正在读取脚本菜单：</translation>
    </message>
    <message>
        <source>Script Menu %d to %s</source>
        <translation>脚本菜单 %d 至 %s</translation>
    </message>
    <message>
        <source>(new language table)</source>
        <translation>（新语言表）</translation>
    </message>
    <message>
        <source>Reading Language Table  %s:</source>
        <translation>正在读取语言表 %s：</translation>
    </message>
    <message>
        <source>Finished reading scripts from keyboard for merging, click Ok to transfer the merged scripts.</source>
        <translation>已从键盘读完要合并的脚本，单击“确定”传输合并后的脚本。</translation>
    </message>
    <message>
        <source>Error: Bad checksum on incoming packet.</source>
        <translation>错误：收到的数据包校验和错误。</translation>
    </message>
    <message>
        <source>Dump S Records</source>
        <translation>转储 S 记录</translation>
    </message>
    <message>
        <source>Dump Iconic Language S Records</source>
        <translation>转储图标语言 S 记录</translation>
    </message>
    <message>
        <source>(dump nothing)</source>
        <translation>（不转储）</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Binary</source>
        <translation>二进制</translation>
    </message>
    <message>
        <source>A communication error occurred.</source>
        <translation>发生通信错误。</translation>
    </message>
    <message>
        <source>A command error occurred.</source>
        <translation>发生命令错误。</translation>
    </message>
    <message>
        <source>  at 19200 Baudrate </source>
        <extracomment>Follows &quot;Pinging Keyboard&quot; on the progress line; keep the blanks at both ends.</extracomment>
        <translation>  （19200 波特）</translation>
    </message>
    <message>
        <source>  at  57600 Baudrate </source>
        <extracomment>Follows &quot;Pinging Keyboard&quot; on the progress line; keep the blanks at both ends.</extracomment>
        <translation>  （57600 波特）</translation>
    </message>
    <message>
        <source>%d of %d</source>
        <extracomment>Blocks done of blocks in all.</extracomment>
        <translation>%d / %d</translation>
    </message>
    <message>
        <source>The keyboard reports no language table slots it supports.</source>
        <translation>键盘未报告任何受支持的语言表槽位。</translation>
    </message>
    <message>
        <source>The document holds no language table to download.</source>
        <translation>文档中没有可下载的语言表。</translation>
    </message>
    <message>
        <source> (keyboard language table #%d)</source>
        <translation>（键盘语言表 #%d）</translation>
    </message>
    <message>
        <source>The script menus read from the keyboard could not be merged into the document.</source>
        <translation>无法将从键盘读取的脚本菜单合并到文档中。</translation>
    </message>
    <message>
        <source>keyboard language table #%d differs at block %d, offset %s: expected %s, read %s</source>
        <translation>键盘语言表 #%d 在块 %d、偏移 %s 处不一致：应为 %s，读到 %s</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>What a verify read back where no byte came.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>cancelled: %s</source>
        <translation>已取消：%s</translation>
    </message>
    <message>
        <source>the session failed</source>
        <translation>会话失败</translation>
    </message>
    <message>
        <source>not every block of the chosen slots came in</source>
        <translation>未收到所选槽位的全部数据块</translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>已取消；未擦除任何内容</translation>
    </message>
    <message>
        <source>cancelled; the tables were written but not verified</source>
        <translation>已取消；表已写入但未校验</translation>
    </message>
    <message>
        <source>%s; nothing was erased</source>
        <translation>%s；未擦除任何内容</translation>
    </message>
    <message>
        <source>the keyboard could not be read: %s</source>
        <translation>无法读取键盘：%s</translation>
    </message>
    <message>
        <source>the keyboard could not be read, nothing was erased: %s</source>
        <translation>无法读取键盘，未擦除任何内容：%s</translation>
    </message>
    <message>
        <source>the written tables could not be read back to verify them: %s</source>
        <translation>无法回读已写入的表以进行校验：%s</translation>
    </message>
    <message>
        <source>the file is damaged or not a document: %s</source>
        <translation>文件已损坏或不是文档：%s</translation>
    </message>
    <message>
        <source>the file is empty, not a document</source>
        <translation>文件为空，不是文档</translation>
    </message>
    <message>
        <source>the file is a language table template, not a document</source>
        <translation>该文件是语言表模板，不是文档</translation>
    </message>
    <message>
        <source>the file is not a document</source>
        <translation>该文件不是文档</translation>
    </message>
    <message>
        <source>An image read from the keyboard is not a whole table.</source>
        <translation>从键盘读取的映像不是完整的表。</translation>
    </message>
    <message>
        <source>No table was read from the keyboard.</source>
        <translation>未从键盘读取任何表。</translation>
    </message>
    <message>
        <source>The tables read from the keyboard could not be made into a document.</source>
        <translation>无法用从键盘读取的表创建文档。</translation>
    </message>
    <message>
        <source>A language table could not be copied.</source>
        <translation>无法复制语言表。</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>a file of this name exists</source>
        <translation>已存在同名文件</translation>
    </message>
    <message>
        <source>


Template: %s

Line: %d

Column: %d</source>
        <extracomment>Follows a template error; keep the line breaks.</extracomment>
        <translation>


模板：%s

行：%d

列：%d</translation>
    </message>
    <message>
        <source>The template has no byte order mark.</source>
        <translation>模板没有字节顺序标记 (BOM)。</translation>
    </message>
    <message>
        <source>A new document could not be created.</source>
        <translation>无法创建新文档。</translation>
    </message>
    <message>
        <source>The template &quot;%s&quot; could not be opened.  </source>
        <extracomment>The cause follows at once; keep the two blanks at the end where the language puts blanks between sentences.</extracomment>
        <translation>无法打开模板“%s”。</translation>
    </message>
    <message>
        <source>An unspecified error occured.</source>
        <translation>发生了未指明的错误。</translation>
    </message>
    <message>
        <source>It could not be found.</source>
        <extracomment>&quot;It&quot; is the template.</extracomment>
        <translation>找不到该文件。</translation>
    </message>
    <message>
        <source>All or part of its pathname is invalid.</source>
        <translation>其路径名全部或部分无效。</translation>
    </message>
    <message>
        <source>The permitted number of open files was exceeded.</source>
        <translation>超出了允许打开的文件数。</translation>
    </message>
    <message>
        <source>Access to the file was denied.</source>
        <translation>拒绝访问该文件。</translation>
    </message>
    <message>
        <source>Its file handle is invalid.</source>
        <translation>其文件句柄无效。</translation>
    </message>
    <message>
        <source>There was an error trying to set the file pointer.</source>
        <translation>设置文件指针时出错。</translation>
    </message>
    <message>
        <source>There was a hardware error.</source>
        <translation>发生硬件错误。</translation>
    </message>
    <message>
        <source>There was a sharing violation.</source>
        <translation>发生共享冲突。</translation>
    </message>
    <message>
        <source>There was a lock violation.</source>
        <translation>发生锁定冲突。</translation>
    </message>
    <message>
        <source>The EOF was encountered unexpectantly.</source>
        <translation>意外遇到文件结尾 (EOF)。</translation>
    </message>
    <message>
        <source>The template &quot;%s&quot; could not be read.  </source>
        <extracomment>The cause follows at once; keep the two blanks at the end where the language puts blanks between sentences.</extracomment>
        <translation>无法读取模板“%s”。</translation>
    </message>
    <message>
        <source>It ends in the middle of a character.</source>
        <extracomment>&quot;It&quot; is the template.</extracomment>
        <translation>文件在字符中间结束。</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <extracomment>A handshaking of the serial line: a technical name, kept as it is.</extracomment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>RTS</source>
        <extracomment>A handshaking of the serial line: a technical name, kept as it is.</extracomment>
        <translation>RTS</translation>
    </message>
    <message>
        <source>ASCII</source>
        <extracomment>An input mode of the serial line: a technical name, kept as it is.</extracomment>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>refused: %s</source>
        <extracomment>%s: why the download would stop before erasing this table.</extracomment>
        <translation>已拒绝：%s</translation>
    </message>
    <message>
        <source>unchanged: the keyboard already holds it</source>
        <translation>未更改：键盘中已有此表</translation>
    </message>
    <message>
        <source>recovered from the backup %s</source>
        <extracomment>%s: the backup file&apos;s path.</extracomment>
        <translation>从备份 %s 恢复</translation>
    </message>
    <message>
        <source>recovered from the interrupted write&apos;s record</source>
        <translation>从中断写入的记录恢复</translation>
    </message>
    <message>
        <source>written as stored</source>
        <translation>按原样写入</translation>
    </message>
    <message>
        <source>%d entry changes</source>
        <translation>%d 个条目将更改</translation>
    </message>
    <message>
        <source>%d entries change</source>
        <translation>%d 个条目将更改</translation>
    </message>
    <message>
        <source>An error occurred while attempting to set the COM port&apos;s %s</source>
        <extracomment>%s is one of the COM port&apos;s settings, as its own text says it, ending in a full stop.</extracomment>
        <translation>设置 COM 端口的以下设置时出错：%s</translation>
    </message>
    <message>
        <source>An error occurred while attempting to get the COM port&apos;s %s</source>
        <extracomment>%s is one of the COM port&apos;s settings, as its own text says it, ending in a full stop.</extracomment>
        <translation>读取 COM 端口的以下设置时出错：%s</translation>
    </message>
    <message>
        <source>PortOpen value.</source>
        <extracomment>A property of the serial control: PortOpen is its name.</extracomment>
        <translation>PortOpen 值。</translation>
    </message>
    <message>
        <source>port number.</source>
        <translation>端口号。</translation>
    </message>
    <message>
        <source>general settings (Baud, Parity, Data Bits, and Stop Bits).</source>
        <translation>常规设置（波特率、校验、数据位和停止位）。</translation>
    </message>
    <message>
        <source>Handshaking value.</source>
        <translation>握手方式。</translation>
    </message>
    <message>
        <source>In Buffer Size.</source>
        <translation>输入缓冲区大小。</translation>
    </message>
    <message>
        <source>RThreshold value.</source>
        <extracomment>RThreshold is the serial control&apos;s own name.</extracomment>
        <translation>RThreshold 值。</translation>
    </message>
    <message>
        <source>Input Len.</source>
        <translation>输入长度。</translation>
    </message>
    <message>
        <source>Out Buffer Size.</source>
        <translation>输出缓冲区大小。</translation>
    </message>
    <message>
        <source>SThreshold value.</source>
        <extracomment>SThreshold is the serial control&apos;s own name.</extracomment>
        <translation>SThreshold 值。</translation>
    </message>
    <message>
        <source>EOF Enable property.</source>
        <extracomment>EOF Enable is the serial control&apos;s own name.</extracomment>
        <translation>EOF Enable 属性。</translation>
    </message>
    <message>
        <source>Null Discard property.</source>
        <extracomment>Null Discard is the serial control&apos;s own name.</extracomment>
        <translation>Null Discard 属性。</translation>
    </message>
    <message>
        <source>RTS Enable property.</source>
        <extracomment>RTS Enable is the serial control&apos;s own name.</extracomment>
        <translation>RTS Enable 属性。</translation>
    </message>
    <message>
        <source>DTR Enable property.</source>
        <extracomment>DTR Enable is the serial control&apos;s own name.</extracomment>
        <translation>DTR Enable 属性。</translation>
    </message>
    <message>
        <source>Parity Replace value.</source>
        <translation>校验替换值。</translation>
    </message>
    <message>
        <source>Input Mode.</source>
        <translation>输入模式。</translation>
    </message>
    <message>
        <source>(incomplete)</source>
        <extracomment>After a table&apos;s name in a slot&apos;s list: a write of it was interrupted.</extracomment>
        <translation>（不完整）</translation>
    </message>
    <message>
        <source>(blank: interrupted write of %s)</source>
        <extracomment>After &quot;Flash Memory Is Blank&quot; in a slot&apos;s list; %s is the language of the table that was being written.</extracomment>
        <translation>（空：%s 的写入被中断）</translation>
    </message>
    <message>
        <source>keyboard language table #%d (%s, language %d) skipped: the template has no table of that language</source>
        <extracomment>%s is the table&apos;s name.</extracomment>
        <translation>已跳过键盘语言表 #%d（%s，语言 %d）：模板中没有该语言的表</translation>
    </message>
    <message>
        <source>keyboard language table #%d (%s) skipped: it is incomplete, a write of it was interrupted</source>
        <extracomment>%s is the table&apos;s name.</extracomment>
        <translation>已跳过键盘语言表 #%d（%s）：其写入曾被中断，内容不完整</translation>
    </message>
    <message>
        <source>keyboard language table #%d unchanged: it already holds this table</source>
        <translation>键盘语言表 #%d 未更改：其中已是此表</translation>
    </message>
    <message>
        <source>no chosen slot holds a table to back up</source>
        <translation>所选槽位中没有可备份的表</translation>
    </message>
    <message>
        <source>%s was not written</source>
        <extracomment>%s is the backup file&apos;s path.</extracomment>
        <translation>未写入 %s</translation>
    </message>
    <message>
        <source>backup of %d table saved to %s</source>
        <extracomment>One table; %s is the backup file&apos;s path.</extracomment>
        <translation>已将 %d 个表的备份保存到 %s</translation>
    </message>
    <message>
        <source>backup of %d tables saved to %s</source>
        <extracomment>Several tables; %s is the backup file&apos;s path.</extracomment>
        <translation>已将 %d 个表的备份保存到 %s</translation>
    </message>
    <message>
        <source>no place to save the backup</source>
        <translation>没有保存备份的位置</translation>
    </message>
    <message>
        <source>backup: %s</source>
        <extracomment>Why the backup document could not be made.</extracomment>
        <translation>备份：%s</translation>
    </message>
    <message>
        <source>the backup %s cannot be read: %s</source>
        <extracomment>The first %s is the backup file&apos;s path, the second why.</extracomment>
        <translation>无法读取备份 %s：%s</translation>
    </message>
    <message>
        <source>the backup %s holds a table of another language for it</source>
        <extracomment>&quot;it&quot; is the keyboard&apos;s slot.</extracomment>
        <translation>备份 %s 中此槽位的表是另一种语言</translation>
    </message>
    <message>
        <source>its table in the backup %s reads erased</source>
        <extracomment>&quot;its&quot; is the keyboard&apos;s slot&apos;s.</extracomment>
        <translation>备份 %s 中此槽位的表读出为已擦除</translation>
    </message>
    <message>
        <source>the backup %s holds no table of it</source>
        <extracomment>&quot;it&quot; is the keyboard&apos;s slot.</extracomment>
        <translation>备份 %s 中没有此槽位的表</translation>
    </message>
    <message>
        <source>no backup was saved before it</source>
        <extracomment>&quot;it&quot; is the interrupted write.</extracomment>
        <translation>该次写入之前未保存备份</translation>
    </message>
    <message>
        <source>keyboard language table #%d cannot be recovered: %s</source>
        <extracomment>%s says why.</extracomment>
        <translation>无法恢复键盘语言表 #%d：%s</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left blank by an interrupted write on this device (assumed: a blank slot cannot show it)</source>
        <translation>键盘语言表 #%d 因本设备上一次中断的写入而为空（推定：空槽位无法表明这一点）</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left incomplete by an interrupted write</source>
        <translation>键盘语言表 #%d 因一次中断的写入而不完整</translation>
    </message>
    <message>
        <source>the document&apos;s edited entries are merged into its table in the backup %s</source>
        <extracomment>&quot;its&quot; is the keyboard&apos;s slot&apos;s.</extracomment>
        <translation>文档中已编辑的条目将合并到备份 %s 中此槽位的表里</translation>
    </message>
    <message>
        <source>%s, so the document&apos;s edited entries are merged into the image that write was writing</source>
        <extracomment>%s says why the backup was not used.</extracomment>
        <translation>%s，因此文档中已编辑的条目将合并到该次写入所写的映像中</translation>
    </message>
    <message>
        <source>keyboard language table #%d was left by an interrupted write: the document&apos;s table is written as stored, as asked</source>
        <translation>键盘语言表 #%d 是一次中断的写入留下的：按要求按原样写入文档的表</translation>
    </message>
    <message>
        <source>keyboard language table #%d is blank and several remembered writes of different tables could have left it so</source>
        <translation>键盘语言表 #%d 为空，记录中多次写入不同表的操作都可能造成这种情况</translation>
    </message>
    <message>
        <source>keyboard language table #%d is incomplete and several remembered writes of different tables could have left it so</source>
        <translation>键盘语言表 #%d 不完整，记录中多次写入不同表的操作都可能造成这种情况</translation>
    </message>
    <message>
        <source>keyboard language table #%d is blank and no write remembered on this device left it so</source>
        <translation>键盘语言表 #%d 为空，而本设备记录的写入中没有一次会造成这种情况</translation>
    </message>
    <message>
        <source>keyboard language table #%d is incomplete and no remembered write matches what it holds</source>
        <translation>键盘语言表 #%d 不完整，记录的写入中没有与其内容相符的</translation>
    </message>
    <message>
        <source>nothing was erased. Merge into a backup&apos;s table of the slot with --recover-from BACKUP.tvo, or write the document&apos;s table as stored with --slots %d=I</source>
        <extracomment>Keep the command-line options --recover-from BACKUP.tvo and --slots %d=I as they are.</extracomment>
        <translation>未擦除任何内容。可用 --recover-from BACKUP.tvo 合并到备份中此槽位的表，或用 --slots %d=I 按原样写入文档的表</translation>
    </message>
    <message>
        <source>Backups saved before earlier writes of it:</source>
        <extracomment>The paths of the backups follow.</extracomment>
        <translation>之前写入前保存的备份：</translation>
    </message>
    <message>
        <source>The serial settings held %s %d, which is out of range; %d is used instead.</source>
        <extracomment>%s names the setting; the first %d is the value the file held, the second the value used.</extracomment>
        <translation>串口设置中的%s为 %d，超出范围；改用 %d。</translation>
    </message>
    <message>
        <source>port index</source>
        <translation>端口索引</translation>
    </message>
    <message>
        <source>baud index</source>
        <translation>波特率索引</translation>
    </message>
    <message>
        <source>parity index</source>
        <translation>校验索引</translation>
    </message>
    <message>
        <source>data-bits index</source>
        <translation>数据位索引</translation>
    </message>
    <message>
        <source>stop-bits index</source>
        <translation>停止位索引</translation>
    </message>
    <message>
        <source>handshaking index</source>
        <translation>握手方式索引</translation>
    </message>
    <message>
        <source>input-mode index</source>
        <translation>输入模式索引</translation>
    </message>
    <message>
        <source>RThreshold</source>
        <extracomment>The serial control&apos;s own name.</extracomment>
        <translation>RThreshold</translation>
    </message>
    <message>
        <source>SThreshold</source>
        <extracomment>The serial control&apos;s own name.</extracomment>
        <translation>SThreshold</translation>
    </message>
    <message>
        <source>language table %d: %d entry records whose keys name no menu entry (menus 0-95, entries 1-14) were dropped, keys</source>
        <extracomment>The keys follow, in hexadecimal.</extracomment>
        <translation>语言表 %d：已丢弃 %d 条键不对应任何菜单条目（菜单 0-95，条目 1-14）的条目记录，键</translation>
    </message>
    <message>
        <source>entry %d of menu %d would not read back as it was written in the table&apos;s font, so it was not changed</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>菜单 %2 的条目 %1 无法按表的字体原样读回，因此未更改</translation>
    </message>
    <message>
        <source>the language table is read-only</source>
        <translation>语言表为只读</translation>
    </message>
    <message>
        <source>the language table&apos;s font %d is unknown, so its entries cannot be edited</source>
        <translation>语言表的字体 %d 未知，因此无法编辑其条目</translation>
    </message>
    <message>
        <source>the language table&apos;s texts are encoded in font %d (its document record) but the keyboard shows them in font %d (image byte 330), so its entries cannot be edited</source>
        <translation>语言表的文字以字体 %d 编码（其文档记录），而键盘以字体 %d 显示（映像字节 330），因此无法编辑其条目</translation>
    </message>
    <message>
        <source>menu %d is not a script menu (80-95)</source>
        <translation>菜单 %d 不是脚本菜单（80-95）</translation>
    </message>
    <message>
        <source>entry %d does not exist (1-14)</source>
        <translation>条目 %d 不存在（1-14）</translation>
    </message>
    <message>
        <source>menu %d has no name, so the editor does not show it</source>
        <translation>菜单 %d 没有名称，因此编辑器不显示它</translation>
    </message>
    <message>
        <source>the table&apos;s font %d has %d lines per entry</source>
        <translation>表的字体 %d 每个条目有 %d 行</translation>
    </message>
    <message>
        <source>line %d holds at most %d characters</source>
        <translation>第 %d 行最多容纳 %d 个字符</translation>
    </message>
    <message>
        <source>line %d holds a character (%s) that font %d cannot show</source>
        <extracomment>%s is the character&apos;s code, such as U+00E9.</extracomment>
        <translation>第 %1 行含有字体 %3 无法显示的字符（%2）</translation>
    </message>
    <message>
        <source>entry %d of menu %d has no action controls</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>菜单 %2 的条目 %1 没有动作控件</translation>
    </message>
    <message>
        <source>entry %d of menu %d has a fixed action that the editor does not change</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>菜单 %2 的条目 %1 有固定动作，编辑器不会更改</translation>
    </message>
    <message>
        <source>entry %d of menu %d has an action of kind %d that the editor does not change</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>菜单 %2 的条目 %1 有类型为 %3 的动作，编辑器不会更改</translation>
    </message>
    <message>
        <source>only entries of menu 80 link to a menu</source>
        <translation>只有菜单 80 的条目可链接到菜单</translation>
    </message>
    <message>
        <source>entry %d of menu 80 links only to menu %d</source>
        <translation>菜单 80 的条目 %d 只能链接到菜单 %d</translation>
    </message>
    <message>
        <source>the macro number must be from 0 to %d</source>
        <translation>宏编号必须在 0 到 %d 之间</translation>
    </message>
    <message>
        <source>entry %d of menu %d has no action, so its text cannot be typed</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>菜单 %2 的条目 %1 没有动作，因此无法输入其文字</translation>
    </message>
    <message>
        <source>The macro number of entry %d of menu %d must be a number from 0 to %d.</source>
        <extracomment>%1 is the entry, %2 the menu; write %1 and %2 to put them in another order.</extracomment>
        <translation>菜单 %2 的条目 %1 的宏编号必须是 0 到 %3 之间的数字。</translation>
    </message>
    <message>
        <source>unfinished (no end recorded)</source>
        <extracomment>A transfer in the history whose end was never recorded.</extracomment>
        <translation>未完成（无结束记录）</translation>
    </message>
    <message>
        <source>%s generation %d, bootloader %s, firmware %s</source>
        <extracomment>The first %s is the keyboard&apos;s model (KBD-OMNIA), the others version numbers.</extracomment>
        <translation>%s 第 %d 代，引导程序 %s，固件 %s</translation>
    </message>
    <message>
        <source>%d %s</source>
        <extracomment>A slot&apos;s number and what happened to it in a transfer (&quot;3 written&quot;).</extracomment>
        <translation>%d %s</translation>
    </message>
    <message>
        <source>complete</source>
        <extracomment>A transfer&apos;s result in the history.</extracomment>
        <translation>完成</translation>
    </message>
    <message>
        <source>exit %d</source>
        <extracomment>A transfer&apos;s result in the history: the tool&apos;s exit status.</extracomment>
        <translation>退出状态 %d</translation>
    </message>
    <message>
        <source>exit %d: %s</source>
        <extracomment>A transfer&apos;s result in the history: the tool&apos;s exit status and its message.</extracomment>
        <translation>退出状态 %d：%s</translation>
    </message>
    <message>
        <source>written</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>已写入</translation>
    </message>
    <message>
        <source>unchanged</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>未更改</translation>
    </message>
    <message>
        <source>verified</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>已校验</translation>
    </message>
    <message>
        <source>incomplete</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>不完整</translation>
    </message>
    <message>
        <source>recovered</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>已恢复</translation>
    </message>
    <message>
        <source>as_stored</source>
        <extracomment>A slot&apos;s outcome in a transfer: written as stored in the document.</extracomment>
        <translation>按原样</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>A slot&apos;s outcome in a transfer.</extracomment>
        <translation>失败</translation>
    </message>
    <message>
        <source>read</source>
        <extracomment>A slot&apos;s outcome in a transfer: its table was read.</extracomment>
        <translation>已读取</translation>
    </message>
    <message>
        <source>started</source>
        <extracomment>A slot&apos;s outcome in a transfer: begun, with no end recorded.</extracomment>
        <translation>已开始</translation>
    </message>
    <message>
        <source>no action</source>
        <extracomment>A script-menu entry&apos;s action.</extracomment>
        <translation>无动作</translation>
    </message>
    <message>
        <source>link to menu %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the menu&apos;s number (80-95).</extracomment>
        <translation>链接到菜单 %d</translation>
    </message>
    <message>
        <source>CCL macro %d</source>
        <extracomment>A script-menu entry&apos;s action: CCL is the keyboard&apos;s command language; %d the macro&apos;s number.</extracomment>
        <translation>CCL 宏 %d</translation>
    </message>
    <message>
        <source>off macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>关闭宏 %d</translation>
    </message>
    <message>
        <source>camera macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>摄像机宏 %d</translation>
    </message>
    <message>
        <source>monitor macro %d</source>
        <extracomment>A script-menu entry&apos;s action: %d is the macro&apos;s number.</extracomment>
        <translation>监视器宏 %d</translation>
    </message>
    <message>
        <source>command (kind %d, code %s)</source>
        <extracomment>A command the template placed in an entry: %d its kind, %s its code in hexadecimal (0x2A).</extracomment>
        <translation>命令（类型 %d，代码 %s）</translation>
    </message>
    <message>
        <source>%s, %s</source>
        <extracomment>How a slot is written (&quot;written as stored&quot;), then how many of its entries change; keep the language&apos;s own comma.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>%s can only be read.</source>
        <translation>%s 只能读取。</translation>
    </message>
    <message>
        <source>%s must be a value between %d and %d.</source>
        <translation>%s 必须是 %d 到 %d 之间的值。</translation>
    </message>
    <message>
        <source>%s can only be changed while the port is closed.</source>
        <translation>%s 只能在串口关闭时更改。</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not a valid Settings text (for example 19200,N,8,1).</source>
        <extracomment>%s is the settings text as given, such as 19200,N,8,1.</extracomment>
        <translation>“%s”不是有效的 Settings 文本（例如 19200,N,8,1）。</translation>
    </message>
    <message>
        <source>The port %s is already open.</source>
        <extracomment>%s is the port&apos;s device, such as /dev/ttyUSB0.</extracomment>
        <translation>串口 %s 已打开。</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>串口未打开。</translation>
    </message>
    <message>
        <source>(%s)</source>
        <extracomment>What the port said about a failure, after it.</extracomment>
        <translation>（%s）</translation>
    </message>
    <message>
        <source>the transfer history could not be written: %s</source>
        <extracomment>%s is why: the file and what the system said.</extracomment>
        <translation>无法写入传输历史：%s</translation>
    </message>
    <message>
        <source>%s is not a network serial address: %s (write rfc2217://HOST:PORT)</source>
        <translation>%s 不是网络串口地址：%s（请写成 rfc2217://HOST:PORT）</translation>
    </message>
    <message>
        <source>it does not start with rfc2217://</source>
        <translation>它不以 rfc2217:// 开头</translation>
    </message>
    <message>
        <source>the IPv6 address has no closing ]</source>
        <translation>IPv6 地址缺少右方括号 ]</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is not an IPv6 address</source>
        <translation>“%s”不是 IPv6 地址</translation>
    </message>
    <message>
        <source>no port number follows the host</source>
        <translation>主机后面没有端口号</translation>
    </message>
    <message>
        <source>no host is given</source>
        <translation>未给出主机</translation>
    </message>
    <message>
        <source>a host name cannot hold &apos;%s&apos;</source>
        <translation>主机名不能包含“%s”</translation>
    </message>
    <message>
        <source>the port &quot;%s&quot; is not a number</source>
        <extracomment>%s is the port as typed; the TCP port of the network serial server.</extracomment>
        <translation>端口“%s”不是数字</translation>
    </message>
    <message>
        <source>the port %s is not between 1 and 65535</source>
        <translation>端口 %s 不在 1 到 65535 之间</translation>
    </message>
    <message>
        <source>cannot keep a copy of its old content: %s</source>
        <translation>无法保留旧内容的副本：%s</translation>
    </message>
    <message>
        <source>cannot be written: %s</source>
        <translation>无法写入：%s</translation>
    </message>
    <message>
        <source>%s; its old content is kept in %s</source>
        <extracomment>The first %s says why the file cannot be written, the second names the copy of its old content.</extracomment>
        <translation>%s；旧内容保存在 %s 中</translation>
    </message>
    <message>
        <source>cannot be followed to a file: %s</source>
        <translation>无法追踪到文件：%s</translation>
    </message>
    <message>
        <source>is a directory</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>file exists (use --force to replace it)</source>
        <translation>文件已存在（使用 --force 替换）</translation>
    </message>
    <message>
        <source>the file is read-only and was left unchanged</source>
        <translation>文件为只读，未作更改</translation>
    </message>
    <message>
        <source>cannot create a temporary file: %s</source>
        <translation>无法创建临时文件：%s</translation>
    </message>
    <message>
        <source>cannot be opened: %s</source>
        <translation>无法打开：%s</translation>
    </message>
    <message>
        <source>is not a regular file (a pipe or a device is not read)</source>
        <translation>不是普通文件（不读取管道或设备）</translation>
    </message>
    <message>
        <source>file is too large</source>
        <translation>文件太大</translation>
    </message>
    <message>
        <source>cannot be read: %s</source>
        <translation>无法读取：%s</translation>
    </message>
    <message>
        <source>Error: Output File not specified.</source>
        <translation>错误：未指定输出文件。</translation>
    </message>
    <message>
        <source>position %d: the document has no table %d (it has %d)</source>
        <extracomment>%d are the output position (0-7), the table asked for and the document&apos;s number of tables.</extracomment>
        <translation>位置 %d：文档中没有表 %d（共有 %d 个）</translation>
    </message>
    <message>
        <source>table %d: its image holds %d bytes, not %d</source>
        <translation>表 %d：其映像为 %d 字节，而不是 %d 字节</translation>
    </message>
    <message>
        <source>%s: %s</source>
        <extracomment>A file and what went wrong with it.</extracomment>
        <translation>%s：%s</translation>
    </message>
    <message>
        <source>%s: is not a regular file</source>
        <translation>%s：不是普通文件</translation>
    </message>
    <message>
        <source>%s: is the iconic font file itself</source>
        <translation>%s：就是图标字体文件本身</translation>
    </message>
    <message>
        <source>the iconic font preamble goes with S-records only</source>
        <translation>图标字体前导部分只能用于 S 记录</translation>
    </message>
    <message>
        <source>no language table selected: nothing to dump</source>
        <translation>未选择语言表：没有可转储的内容</translation>
    </message>
    <message>
        <source>%s:%d: %s</source>
        <extracomment>The font file, the line number and what is wrong in that line.</extracomment>
        <translation>%s:%d：%s</translation>
    </message>
    <message>
        <source>%s at column %d is not a hexadecimal digit</source>
        <extracomment>%s is a character in quotes or a byte such as &quot;byte 0x1F&quot;; %d the column.</extracomment>
        <translation>第 %2 列的 %1 不是十六进制数字</translation>
    </message>
    <message>
        <source>the line holds %d characters, not %d hexadecimal digits</source>
        <translation>该行有 %d 个字符，而不是 %d 个十六进制数字</translation>
    </message>
    <message>
        <source>more than %d lines: the font would pass address 0x0FFFFF</source>
        <translation>超过 %d 行：字体将超出地址 0x0FFFFF</translation>
    </message>
    <message>
        <source>%s: the iconic font file holds no lines</source>
        <translation>%s：图标字体文件中没有任何行</translation>
    </message>
    <message>
        <source>iconic font file %s</source>
        <extracomment>%s is the font file and why it could not be read.</extracomment>
        <translation>图标字体文件 %s</translation>
    </message>
</context>
<context>
    <name>Diagnostics</name>
    <message>
        <source>&amp;System Default Locale...</source>
        <translation>系统默认区域设置(&amp;S)...</translation>
    </message>
    <message>
        <source>Set &amp;Thread Locale</source>
        <translation>设置线程区域设置(&amp;T)</translation>
    </message>
    <message>
        <source>Last &amp;Error Message...</source>
        <translation>上一条错误消息(&amp;E)...</translation>
    </message>
    <message>
        <source>System Default Locale</source>
        <translation>系统默认区域设置</translation>
    </message>
    <message>
        <source>System Defalut Locale (LCID):</source>
        <translation>系统默认区域设置（LCID）：</translation>
    </message>
    <message>
        <source>LANGID:</source>
        <translation>LANGID：</translation>
    </message>
    <message>
        <source>SORTID:</source>
        <translation>SORTID：</translation>
    </message>
    <message>
        <source>The system locale &quot;%1&quot; has no identifier of its own; shown as %2.</source>
        <translation>系统区域设置“%1”没有自己的标识符；显示为 %2。</translation>
    </message>
    <message>
        <source>Set Thread Locale</source>
        <translation>设置线程区域设置</translation>
    </message>
    <message>
        <source>Locales</source>
        <translation>区域设置</translation>
    </message>
    <message>
        <source>This sets the app&apos;s ThreadLocale value in the registry.  On startup, this value is read by the app&apos;s constructor.  If TL = 0x000, then the app uses the system default locale as usual.  Otherwise it sets its thread locale to whatever has been chosen above.</source>
        <translation>此处设置程序在设置中的 ThreadLocale 值。程序启动时读取该值。如果 TL = 0x000，程序照常使用系统默认区域设置；否则将线程区域设置为上面所选的值。</translation>
    </message>
    <message>
        <source>Debug Last Error Message</source>
        <translation>调试上一条错误消息</translation>
    </message>
    <message>
        <source>Error Code:</source>
        <translation>错误代码：</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>DebugLastErrorMsgDlg</source>
        <extracomment>The window&apos;s own name from the system it came from; no translation.</extracomment>
        <translation>DebugLastErrorMsgDlg</translation>
    </message>
    <message>
        <source>&amp;COM Port Debug...</source>
        <translation>COM 端口调试(&amp;C)...</translation>
    </message>
    <message>
        <source>Debug COM Port</source>
        <translation>调试 COM 端口</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>程序内部错误。</translation>
    </message>
    <message>
        <source>GetPortOpen() threw an exception.</source>
        <translation>GetPortOpen() 引发了异常。</translation>
    </message>
    <message>
        <source>SetPortOpen(TRUE) threw an exception.</source>
        <translation>SetPortOpen(TRUE) 引发了异常。</translation>
    </message>
    <message>
        <source>SetPortOpen(FALSE) threw an exception.</source>
        <translation>SetPortOpen(FALSE) 引发了异常。</translation>
    </message>
    <message>
        <source>GetInputMode() threw an exception.</source>
        <translation>GetInputMode() 引发了异常。</translation>
    </message>
    <message>
        <source>SendBinary() threw an exception.</source>
        <translation>SendBinary() 引发了异常。</translation>
    </message>
    <message>
        <source>SendText() threw an exception.</source>
        <translation>SendText() 引发了异常。</translation>
    </message>
    <message>
        <source>GetInBufferCount() threw an exception.</source>
        <translation>GetInBufferCount() 引发了异常。</translation>
    </message>
    <message>
        <source>GetOutBufferCount() threw an exception.</source>
        <translation>GetOutBufferCount() 引发了异常。</translation>
    </message>
    <message>
        <source>ReceiveBinary() threw an exception.</source>
        <translation>ReceiveBinary() 引发了异常。</translation>
    </message>
    <message>
        <source>ReceiveText() threw an exception.</source>
        <translation>ReceiveText() 引发了异常。</translation>
    </message>
    <message>
        <source>&amp;Dump Lang Table Data...</source>
        <translation>转储语言表数据(&amp;D)...</translation>
    </message>
    <message>
        <source>Dump &amp;Iconic SRecord</source>
        <translation>转储图标 S 记录(&amp;I)</translation>
    </message>
    <message>
        <source>Display Schema 1 Template &amp;List...</source>
        <translation>显示架构 1 模板列表(&amp;L)...</translation>
    </message>
    <message>
        <source>Schema 1 Templates</source>
        <translation>架构 1 模板</translation>
    </message>
    <message>
        <source>Template &amp;Parser...</source>
        <translation>模板解析器(&amp;P)...</translation>
    </message>
    <message>
        <source>Template Parser</source>
        <translation>模板解析器</translation>
    </message>
    <message>
        <source>Template Files (*.LT3 *.lt3);;All Files (*)</source>
        <translation>模板文件 (*.LT3 *.lt3);;所有文件 (*)</translation>
    </message>
    <message>
        <source>&amp;Unicode Input Dialog...</source>
        <translation>Unicode 输入对话框(&amp;U)...</translation>
    </message>
    <message>
        <source>Unicode Input</source>
        <translation>Unicode 输入</translation>
    </message>
    <message>
        <source>Write the iconic font and the tables as S-records</source>
        <translation>将图标字体和表写为 S 记录</translation>
    </message>
    <message>
        <source>Write the tables as S-records or memory maps</source>
        <translation>将表写为 S 记录或内存映射</translation>
    </message>
    <message>
        <source>Show the locale the application runs under</source>
        <translation>显示程序运行时的区域设置</translation>
    </message>
    <message>
        <source>Talk to the keyboard by hand on the COM port</source>
        <translation>通过 COM 端口手动与键盘通信</translation>
    </message>
    <message>
        <source>List the installed templates and their check results</source>
        <translation>列出已安装的模板及其检查结果</translation>
    </message>
    <message>
        <source>Show the system&apos;s text for an error code</source>
        <translation>显示错误代码的系统说明</translation>
    </message>
    <message>
        <source>Choose the locale the application takes at its next start</source>
        <translation>选择程序下次启动时使用的区域设置</translation>
    </message>
    <message>
        <source>Parse a template and list its messages</source>
        <translation>解析模板并列出其消息</translation>
    </message>
    <message>
        <source>Type a character by its code point into the focused edit</source>
        <translation>按码位将字符输入到当前编辑框</translation>
    </message>
    <message>
        <source>Not available: a single frame must not change the keyboard&apos;s flash.</source>
        <translation>不可用：单个帧不得更改键盘的闪存。</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>接收(&amp;R)</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>Buffers</source>
        <translation>缓冲区</translation>
    </message>
    <message>
        <source>IBC:</source>
        <extracomment>The input buffer count, as the COM port names it; keep the abbreviation.</extracomment>
        <translation>IBC：</translation>
    </message>
    <message>
        <source>OBC:</source>
        <extracomment>The output buffer count, as the COM port names it; keep the abbreviation.</extracomment>
        <translation>OBC：</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>更新(&amp;U)</translation>
    </message>
    <message>
        <source>CO&amp;M...</source>
        <translation>CO&amp;M...</translation>
    </message>
    <message>
        <source>Go O&amp;nline</source>
        <translation>联机(&amp;N)</translation>
    </message>
    <message>
        <source>Go O&amp;ffline</source>
        <translation>脱机(&amp;F)</translation>
    </message>
    <message>
        <source>Send C&amp;0</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>发送 C0(&amp;0)</translation>
    </message>
    <message>
        <source>Send T&amp;7</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>发送 T7(&amp;7)</translation>
    </message>
    <message>
        <source>Send S&amp;8</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>发送 S8(&amp;8)</translation>
    </message>
    <message>
        <source>Send &amp;T0</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>发送 T0(&amp;T)</translation>
    </message>
    <message>
        <source>Send S&amp;2</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>发送 S2(&amp;2)</translation>
    </message>
    <message>
        <source>Send C&amp;1</source>
        <extracomment>C0, T7, S8, T0, S2 and C1 are the keyboard&apos;s frame names: keep them.</extracomment>
        <translation>发送 C1(&amp;1)</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>输入：</translation>
    </message>
    <message>
        <source>Addr:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>(Hex)</source>
        <translation>（十六进制）</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>发送(&amp;S)</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>清除(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Output File:</source>
        <translation>输出文件：</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Language Tables:</source>
        <translation>语言表：</translation>
    </message>
    <message>
        <source>Dump Type</source>
        <translation>转储类型</translation>
    </message>
    <message>
        <source>&amp;S-Record(s)</source>
        <translation>S 记录(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Memory Map(s)  [Block]</source>
        <translation>内存映射(&amp;M)  [块]</translation>
    </message>
    <message>
        <source>M&amp;emory Map(s)  [Detail]</source>
        <translation>内存映射(&amp;E)  [详细]</translation>
    </message>
    <message>
        <source>Auto Set 1-8</source>
        <translation>自动设置 1-8</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>&amp;Dump</source>
        <translation>转储(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗？</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>  message %1</source>
        <translation>  消息 %1</translation>
    </message>
    <message>
        <source> at line %1, column %2</source>
        <translation>，位于第 %1 行第 %2 列</translation>
    </message>
    <message>
        <source>unknown language</source>
        <translation>未知语言</translation>
    </message>
    <message>
        <source>  table &quot;%1&quot;: language 0x%2 (%3), font %4</source>
        <translation>  表“%1”：语言 0x%2（%3），字体 %4</translation>
    </message>
    <message>
        <source>  parsed: %1 table(s)
</source>
        <translation>  已解析：%1 个表
</translation>
    </message>
    <message>
        <source>  parse failed
</source>
        <translation>  解析失败
</translation>
    </message>
    <message>
        <source>  parse failed without a message
</source>
        <translation>  解析失败，无消息
</translation>
    </message>
    <message>
        <source>Start folder: %1
Program folder: %2

</source>
        <translation>起始文件夹：%1
程序文件夹：%2

</translation>
    </message>
    <message>
        <source>No template is installed.
</source>
        <translation>未安装任何模板。
</translation>
    </message>
    <message>
        <source>Template %1: %2
</source>
        <translation>模板 %1：%2
</translation>
    </message>
    <message>
        <source>
Catalogue checks:
</source>
        <translation>
目录检查：
</translation>
    </message>
    <message>
        <source>  none
</source>
        <translation>  无
</translation>
    </message>
    <message>
        <source>Template: %1
</source>
        <translation>模板：%1
</translation>
    </message>
    <message>
        <source>&amp;Parse...</source>
        <translation>解析(&amp;P)...</translation>
    </message>
    <message>
        <source>No keyboard-font edit has the focus.</source>
        <translation>没有键盘字体编辑框获得焦点。</translation>
    </message>
    <message>
        <source>Code point:</source>
        <translation>码位：</translation>
    </message>
    <message>
        <source>Character:</source>
        <translation>字符：</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>输入(&amp;T)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a code point.</source>
        <translation>“%1”不是码位。</translation>
    </message>
    <message>
        <source>U+%1 is not in the edit&apos;s character set.</source>
        <translation>U+%1 不在编辑框的字符集中。</translation>
    </message>
    <message>
        <source>Typed %1.</source>
        <translation>已输入 %1。</translation>
    </message>
    <message>
        <source>Language Neutral</source>
        <extracomment>A locale&apos;s name, as the system&apos;s locale list gives it.</extracomment>
        <translation>语言中性</translation>
    </message>
    <message>
        <source>English (US)</source>
        <translation>英语（美国）</translation>
    </message>
    <message>
        <source>Spanish (Modern)</source>
        <translation>西班牙语（现代）</translation>
    </message>
    <message>
        <source>Dutch (Standard)</source>
        <translation>荷兰语（标准）</translation>
    </message>
    <message>
        <source>French (Standard)</source>
        <translation>法语（标准）</translation>
    </message>
    <message>
        <source>German (Standard)</source>
        <translation>德语（标准）</translation>
    </message>
    <message>
        <source>Italian (Standard)</source>
        <translation>意大利语（标准）</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>&amp;Language of the editor (the keyboard&apos;s own texts are not translated):</source>
        <translation>编辑器语言(&amp;L)（键盘本身的文本不翻译）：</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>桌面语言</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Write the document&apos;s language tables into several keyboards at once</source>
        <translation>将文档的语言表同时写入多个键盘</translation>
    </message>
    <message>
        <source>Choose the Keyboards</source>
        <translation>选择键盘</translation>
    </message>
    <message>
        <source>Tick the COM port of each keyboard to download to:</source>
        <translation>勾选要下载到的每个键盘的 COM 端口：</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM 端口</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Present now</source>
        <translation>当前存在</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>network address</source>
        <translation>网络地址</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>下载(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>Download to Several Keyboards</source>
        <translation>下载到多个键盘</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>插槽</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>阶段</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancel &amp;All</source>
        <translation>全部取消(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy Results</source>
        <translation>复制结果(&amp;C)</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>%1:%2</source>
        <translation>%1:%2</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Reading the slots</source>
        <translation>正在读取插槽</translation>
    </message>
    <message>
        <source>Reading back</source>
        <translation>正在回读</translation>
    </message>
    <message>
        <source>Saving the backup</source>
        <translation>正在保存备份</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>正在写入</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>正在校验</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>COM%1 (%2):

%3</source>
        <translation>COM%1 (%2)：

%3</translation>
    </message>
    <message>
        <source>Cancel the download to every keyboard that has not finished?</source>
        <translation>是否取消向所有尚未完成的键盘的下载？</translation>
    </message>
    <message>
        <source>COM%1: Language table #%2 would be left incomplete.</source>
        <translation>COM%1：语言表 #%2 将处于不完整状态。</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>Language table #%1 is incomplete and must be written again</source>
        <translation>语言表 #%1 不完整，必须重新写入</translation>
    </message>
    <message>
        <source>backup: %1</source>
        <translation>备份：%1</translation>
    </message>
    <message>
        <source>Read the identity and the language tables of several keyboards at once</source>
        <translation>同时读取多个键盘的标识和语言表</translation>
    </message>
    <message>
        <source>Tick the COM port of each keyboard to query:</source>
        <translation>勾选要查询的每个键盘的 COM 端口：</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>查询(&amp;Q)</translation>
    </message>
    <message>
        <source>Query Several Keyboards</source>
        <translation>查询多个键盘</translation>
    </message>
    <message>
        <source>The keyboards on %1 hold the same languages: choose their slots once.</source>
        <translation>%1 上的键盘包含相同的语言：只需为它们选择一次插槽。</translation>
    </message>
    <message>
        <source>Choose the slots of the keyboard on %1.</source>
        <translation>请选择 %1 上键盘的插槽。</translation>
    </message>
    <message>
        <source>What the Download Will Change</source>
        <translation>下载将更改的内容</translation>
    </message>
    <message>
        <source>Nothing has been erased yet. Untick a keyboard to leave it out; Write writes the others, Cancel writes none.</source>
        <translation>尚未擦除任何内容。取消勾选某个键盘即可将其排除；“写入”写入其余键盘，“取消”则不写入任何键盘。</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写入(&amp;W)</translation>
    </message>
    <message>
        <source>COM%1 (%2): %3</source>
        <translation>COM%1 (%2)：%3</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>已排除</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>已排除</translation>
    </message>
    <message>
        <source>Download to Se&amp;veral Keyboards...</source>
        <translation>下载到多个键盘(&amp;V)...</translation>
    </message>
    <message>
        <source>Query Several &amp;Keyboards...</source>
        <translation>查询多个键盘(&amp;K)...</translation>
    </message>
</context>
<context>
    <name>Forms</name>
    <message>
        <source>This language table is read-only: its script menus can be viewed but not changed.</source>
        <translation>此语言表为只读：其脚本菜单可以查看，但不能更改。</translation>
    </message>
    <message>
        <source>Discard this edit and keep the entry as it is stored?</source>
        <translation>放弃此编辑并保留已存储的条目吗？</translation>
    </message>
    <message>
        <source>[%1] Links</source>
        <translation>[%1] 链接</translation>
    </message>
    <message>
        <source>Font-Point Character Entry</source>
        <translation>按字体码位输入字符</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>HandOverSheet</name>
    <message>
        <source>the transfer history cannot be read: %1</source>
        <translation>无法读取传输历史：%1</translation>
    </message>
    <message>
        <source>the tables hold Hangul text and no installed font has it: it would print as empty boxes; install the package %1</source>
        <translation>表中含有韩文，但没有已安装的字体包含这些字符：打印出来会是空方框；请安装软件包 %1</translation>
    </message>
    <message>
        <source>the tables hold CJK text and no installed font has it: it would print as empty boxes; install the package %1</source>
        <translation>表中含有中日韩文字，但没有已安装的字体包含这些字符：打印出来会是空方框；请安装软件包 %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Transfer &amp;History...</source>
        <translation>传输历史(&amp;H)...</translation>
    </message>
    <message>
        <source>Show every query, import, download and restore recorded on this computer</source>
        <translation>显示本计算机上记录的所有查询、导入、下载和还原</translation>
    </message>
    <message>
        <source>Transfer History</source>
        <translation>传输历史</translation>
    </message>
    <message>
        <source>&amp;Device:</source>
        <translation>设备(&amp;D)：</translation>
    </message>
    <message>
        <source>All devices</source>
        <translation>所有设备</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>槽位</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>%1 damaged line(s) of the history were skipped.</source>
        <translation>已跳过历史记录中 %1 行损坏的内容。</translation>
    </message>
    <message>
        <source>No transfers recorded yet.</source>
        <translation>尚无传输记录。</translation>
    </message>
    <message>
        <source>Double-click a row that names a backup to open it.</source>
        <translation>双击列有备份的行即可打开该备份。</translation>
    </message>
    <message>
        <source>The transfer history cannot be read:
%1</source>
        <translation>无法读取传输历史：
%1</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>打印(&amp;R)...</translation>
    </message>
    <message>
        <source>Print the hand-over sheet of the active document</source>
        <translation>打印当前文档的交接单</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>导出为 PDF(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the hand-over sheet of the active document as a PDF file</source>
        <translation>将当前文档的交接单保存为 PDF 文件</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>导出为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The hand-over sheet was saved to %1.</source>
        <translation>交接单已保存到 %1。</translation>
    </message>
    <message>
        <source>The hand-over sheet could not be made:
%1</source>
        <translation>无法生成交接单：
%1</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>the device does not exist</source>
        <translation>设备不存在</translation>
    </message>
    <message>
        <source>the device is busy or you are not permitted to use it</source>
        <translation>设备正忙，或您无权使用它</translation>
    </message>
    <message>
        <source>the device is already open</source>
        <translation>设备已被打开</translation>
    </message>
    <message>
        <source>the device is no longer available (unplugged or closed)</source>
        <translation>设备已不可用（已拔出或已关闭）</translation>
    </message>
    <message>
        <source>The serial port %1: %2.</source>
        <translation>串口 %1：%2。</translation>
    </message>
    <message>
        <source>the line settings %1 baud, %2 data bits cannot be applied (%3)</source>
        <translation>无法应用线路设置 %1 波特、%2 数据位（%3）</translation>
    </message>
    <message>
        <source>The serial port COM%1 (%2) cannot be opened: %3.</source>
        <translation>无法打开串口 COM%1（%2）：%3。</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <source>the bytes could not be sent (%1)</source>
        <translation>无法发送字节（%1）</translation>
    </message>
    <message>
        <source>writing failed (%1)</source>
        <translation>写入失败（%1）</translation>
    </message>
    <message>
        <source>The serial port COM%1 cannot be opened: %2.</source>
        <translation>无法打开串口 COM%1：%2。</translation>
    </message>
    <message>
        <source>The serial port %1: the port is not open.</source>
        <translation>串口 %1：端口未打开。</translation>
    </message>
    <message>
        <source>%1 (the server said: %2)</source>
        <extracomment>%1 is why the connection failed; %2 what the server sent, in its own words.</extracomment>
        <translation>%1（服务器回应：%2）</translation>
    </message>
    <message>
        <source>the server refuses COM Port Control: it does not speak RFC 2217</source>
        <extracomment>&quot;COM Port Control&quot; is the name of the RFC 2217 option: it has no translation.</extracomment>
        <translation>服务器拒绝 COM Port Control：它不支持 RFC 2217</translation>
    </message>
    <message>
        <source>the server set the %s to %s instead of %s</source>
        <extracomment>%1 is a line setting&apos;s name (line speed, data bits ...), %2 the value the server set, %3 the one asked for; write %1, %2 and %3 to put them in another order.</extracomment>
        <translation>服务器将%1设为 %2，而不是 %3</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>data bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>parity</source>
        <translation>校验位</translation>
    </message>
    <message>
        <source>stop bits</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>line</source>
        <extracomment>The line settings as a whole.</extracomment>
        <translation>线路设置</translation>
    </message>
    <message>
        <source>the network serial server at %1 paused the data flow and never resumed it: the server holds the data back, not the cable</source>
        <translation>网络串口服务器 %1 暂停了数据流且一直未恢复：是服务器扣住了数据，而不是电缆的问题</translation>
    </message>
    <message>
        <source>%1 port %2</source>
        <extracomment>A network serial server: %1 is its host, %2 its TCP port number.</extracomment>
        <translation>%1 端口 %2</translation>
    </message>
    <message>
        <source>%1 data bits cannot be set through a network serial server.</source>
        <translation>无法通过网络串口服务器设置 %1 个数据位。</translation>
    </message>
    <message>
        <source>The parity letter is not one of E, M, N, O and S.</source>
        <translation>校验字母不是 E、M、N、O、S 之一。</translation>
    </message>
    <message>
        <source>The baud rate must be positive.</source>
        <translation>波特率必须大于 0。</translation>
    </message>
    <message>
        <source>nothing listens at %1 (connection refused)</source>
        <translation>%1 上没有服务在监听（连接被拒绝）</translation>
    </message>
    <message>
        <source>the host %1 is not known</source>
        <translation>未知主机 %1</translation>
    </message>
    <message>
        <source>the connection to %1 failed (%2)</source>
        <translation>连接 %1 失败（%2）</translation>
    </message>
    <message>
        <source>the server at %1 closed the connection before the port was ready</source>
        <translation>服务器 %1 在端口就绪前关闭了连接</translation>
    </message>
    <message>
        <source>the server at %1 closed the connection</source>
        <translation>服务器 %1 关闭了连接</translation>
    </message>
    <message>
        <source>no connection to %1 within %2 s</source>
        <translation>%2 秒内未能连接到 %1</translation>
    </message>
    <message>
        <source>the server at %1 does not speak RFC 2217: it agreed no COM Port Control within %2 s</source>
        <extracomment>&quot;COM Port Control&quot; is the name of the RFC 2217 option: it has no translation.</extracomment>
        <translation>服务器 %1 不支持 RFC 2217：%2 秒内未协商 COM Port Control</translation>
    </message>
    <message>
        <source>the server at %1 did not confirm the line settings within %2 s</source>
        <translation>服务器 %1 在 %2 秒内未确认线路设置</translation>
    </message>
    <message>
        <source>%1 data bits are not supported by the serial ports of this system.</source>
        <translation>本系统的串口不支持 %1 个数据位。</translation>
    </message>
    <message>
        <source>1.5 stop bits are not supported by the serial ports of this system.</source>
        <translation>本系统的串口不支持 1.5 个停止位。</translation>
    </message>
</context>
<context>
    <name>Server</name>
    <message>
        <source>Set Halvard Server Document Association</source>
        <translation>设置 Halvard 服务器文档关联</translation>
    </message>
    <message>
        <source>Associate an Halvard Server document with the language tables in this Tarvo document by entering a path to an .hvd file below:</source>
        <translation>在下方输入 .hvd 文件的路径，将 Halvard 服务器文档与此 Tarvo 文档中的语言表关联：</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Halvard Files (*.hvd)</source>
        <translation>Halvard 文件 (*.hvd)</translation>
    </message>
    <message>
        <source>&amp;Set Halvard Server Document Association...</source>
        <translation>设置 Halvard 服务器文档关联(&amp;S)...</translation>
    </message>
    <message>
        <source>Associate a Halvard server document with the active document</source>
        <translation>将 Halvard 服务器文档与当前文档关联</translation>
    </message>
    <message>
        <source>&amp;Launch Halvard Server</source>
        <translation>启动 Halvard 服务器(&amp;L)</translation>
    </message>
    <message>
        <source>Log in and open the associated document in the Halvard server</source>
        <translation>登录并在 Halvard 服务器中打开关联的文档</translation>
    </message>
    <message>
        <source>Error: The Halvard server document filename &quot;%1&quot; does not have an .hvd extension.</source>
        <translation>错误：Halvard 服务器文档文件名“%1”的扩展名不是 .hvd。</translation>
    </message>
    <message>
        <source>Error: The Halvard server document &quot;%1&quot; could not be found.</source>
        <translation>错误：找不到 Halvard 服务器文档“%1”。</translation>
    </message>
    <message>
        <source>Error: The Login server could not be started.</source>
        <translation>错误：无法启动登录服务器。</translation>
    </message>
    <message>
        <source>Error: Invalid Access Level - Installer or Administrator privileges are required to open the Halvard  file.</source>
        <translation>错误：访问级别无效 - 打开 Halvard 文件需要安装人员或管理员权限。</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to launch the Halvard server.</source>
        <translation>错误：启动 Halvard 服务器时发生异常。</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to bypass the Halvard server&apos;s Automation restrictions.</source>
        <translation>错误：绕过 Halvard 服务器的自动化限制时发生异常。</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to disable the bypass of the Halvard server&apos;s Automation restrictions.</source>
        <translation>错误：取消绕过 Halvard 服务器的自动化限制时发生异常。</translation>
    </message>
    <message>
        <source>Error: A general exception was thrown during the Halvard server launch operation.</source>
        <translation>错误：启动 Halvard 服务器期间发生一般异常。</translation>
    </message>
    <message>
        <source>Error: An exception was thrown while attempting to restore the window of the Halvard server document.</source>
        <translation>错误：还原 Halvard 服务器文档窗口时发生异常。</translation>
    </message>
    <message>
        <source>The Halvard server launch was cancelled. Every object obtained from the servers was released.</source>
        <translation>Halvard 服务器的启动已取消。从服务器获取的所有对象均已释放。</translation>
    </message>
    <message>
        <source>Launch Halvard Server</source>
        <translation>启动 Halvard 服务器</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Starting the Login server...</source>
        <translation>正在启动登录服务器...</translation>
    </message>
    <message>
        <source>Waiting for the login...</source>
        <translation>正在等待登录...</translation>
    </message>
    <message>
        <source>Starting the Halvard server...</source>
        <translation>正在启动 Halvard 服务器...</translation>
    </message>
    <message>
        <source>Asking the Halvard server for its documents...</source>
        <translation>正在向 Halvard 服务器请求文档...</translation>
    </message>
    <message>
        <source>Bypassing the Halvard server&apos;s Automation restrictions...</source>
        <translation>正在绕过 Halvard 服务器的自动化限制...</translation>
    </message>
    <message>
        <source>Opening the Halvard server document...</source>
        <translation>正在打开 Halvard 服务器文档...</translation>
    </message>
    <message>
        <source>Restoring the Halvard server&apos;s Automation restrictions...</source>
        <translation>正在恢复 Halvard 服务器的自动化限制...</translation>
    </message>
    <message>
        <source>Showing the Halvard server document...</source>
        <translation>正在显示 Halvard 服务器文档...</translation>
    </message>
    <message>
        <source>Restoring the window of the Halvard server document...</source>
        <translation>正在还原 Halvard 服务器文档窗口...</translation>
    </message>
</context>
<context>
    <name>StateFiles</name>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>the folder %1 cannot be synced to disk</source>
        <translation>无法将文件夹 %1 同步到磁盘</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>大于 %1 字节</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Reminder</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Before proceeding further, please ensure that following steps have been followed:

1. Select a COM port.
2. Connect the COM port to the keyboard with the RS-232 cable.
3. Place the keyboard in &quot;bootloader&quot; mode.
4. Please press &quot;Yes&quot; to proceed  else press &quot;Cancel&quot;.

Refer to the ReadMe file for more information on placing the keyboard in &quot;bootloader&quot; mode.</source>
        <translation>继续之前，请确认已完成以下步骤：

1. 选择 COM 端口。
2. 用 RS-232 电缆将 COM 端口与键盘连接。
3. 将键盘置于“引导程序”（bootloader）模式。
4. 按“是”继续，否则按“取消”。

有关将键盘置于“引导程序”模式的详细信息，请参阅 ReadMe 文件。</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>%1 Keyboard Language Table #%2</source>
        <translation>%1 键盘语言表 #%2</translation>
    </message>
    <message>
        <source>Select modified Language Table(s) to transfer</source>
        <translation>选择要传输的已修改语言表</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>下载(&amp;D)</translation>
    </message>
    <message>
        <source>Import Language Table From Keyboard</source>
        <translation>从键盘导入语言表</translation>
    </message>
    <message>
        <source>Keyboard Language Table #%1 %2</source>
        <translation>键盘语言表 #%1 %2</translation>
    </message>
    <message>
        <source>&amp;Import Script</source>
        <translation>导入脚本(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Please select the language to be imported</source>
        <translation>请选择要导入的语言</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 is incomplete: a write of it was interrupted, so it cannot be imported. Write it again first.</source>
        <translation>键盘语言表 #%1 不完整：其写入曾被中断，因此无法导入。请先重新写入。</translation>
    </message>
    <message>
        <source>%1 (document table %2, as stored)</source>
        <translation>%1（文档表 %2，按原样）</translation>
    </message>
    <message>
        <source>&amp;Back up the keyboard&apos;s tables first</source>
        <translation>先备份键盘中的表(&amp;B)</translation>
    </message>
    <message>
        <source>Write the tables &amp;as stored (restore a backup)</source>
        <translation>按原样写入表(&amp;A)（还原备份）</translation>
    </message>
    <message>
        <source>&amp;Verify after writing</source>
        <translation>写入后校验(&amp;V)</translation>
    </message>
    <message>
        <source>Transfer Language Table</source>
        <translation>传输语言表</translation>
    </message>
    <message>
        <source>Read Language Table From Keyboard</source>
        <translation>从键盘读取语言表</translation>
    </message>
    <message>
        <source>Current Block:</source>
        <translation>当前块：</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>#### of ####</source>
        <translation>#### / ####</translation>
    </message>
    <message>
        <source>%1 blocks/s, %2 left</source>
        <translation>%1 块/秒，剩余 %2</translation>
    </message>
    <message>
        <source>waiting for the keyboard for %1 s</source>
        <translation>已等待键盘 %1 秒</translation>
    </message>
    <message>
        <source>Verifying Language Tables:</source>
        <translation>正在校验语言表：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Transfer Complete</source>
        <translation>传输完成</translation>
    </message>
    <message>
        <source>Query Keyboard</source>
        <translation>查询键盘</translation>
    </message>
    <message>
        <source>Language Tables</source>
        <translation>语言表</translation>
    </message>
    <message>
        <source>  Table Description          Schema     Font         Version     Language ID</source>
        <extracomment>The column headings, each parted from the next by two spaces or more.</extracomment>
        <translation>  表说明                     架构       字体         版本        语言 ID</translation>
    </message>
    <message>
        <source>Transfer Complete: %1 written, %2 unchanged%3.</source>
        <translation>传输完成：已写入 %1 个，%2 个未变%3。</translation>
    </message>
    <message>
        <source>, verified</source>
        <translation>，已校验</translation>
    </message>
    <message>
        <source>The keyboard already holds these tables: nothing was written (%1 unchanged).</source>
        <translation>键盘中已有这些表：未写入任何内容（%1 个未变）。</translation>
    </message>
    <message>
        <source>The keyboard already holds these tables</source>
        <translation>键盘中已有这些表</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>传输已取消。</translation>
    </message>
    <message>
        <source>The keyboard&apos;s tables were saved before the write, in the backup:
%1</source>
        <translation>写入前已将键盘中的表保存到备份：
%1</translation>
    </message>
    <message>
        <source>Interrupted Write</source>
        <translation>中断的写入</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was left by an interrupted write, and no remembered write proves what it held. Nothing has been erased.

Yes: recover from a backup. Choose the backup; its table of this slot keeps the keyboard&apos;s own menus, and the document&apos;s edited entries are merged into it.
No: write the document&apos;s table as stored. The keyboard&apos;s own menus in this slot are lost.
Cancel: erase nothing.</source>
        <translation>键盘语言表 #%1 由一次中断的写入留下，且没有记录能证明其原有内容。尚未擦除任何内容。

是：从备份恢复。选择备份；该槽位的表保留键盘自身的菜单，并合并文档中编辑过的条目。
否：按原样写入文档中的表。此槽位中键盘自身的菜单将丢失。
取消：不擦除任何内容。</translation>
    </message>
    <message>
        <source>Recover from Backup</source>
        <translation>从备份恢复</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again: the keyboard&apos;s menus were taken from the backup of %2 (%3).</source>
        <translation>已重新写入键盘语言表 #%1：键盘的菜单取自 %2 的备份（%3）。</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again: the keyboard&apos;s menus were taken from the write of %2 that was interrupted.</source>
        <translation>已重新写入键盘语言表 #%1：键盘的菜单取自 %2 那次中断的写入。</translation>
    </message>
    <message>
        <source>Keyboard language table #%1 was written again with the document&apos;s table as stored.</source>
        <translation>已按原样用文档中的表重新写入键盘语言表 #%1。</translation>
    </message>
    <message>
        <source>No keyboard language table holds the document&apos;s table %1 (language %2). Blank slots that could take it: %3.</source>
        <translation>没有键盘语言表包含文档表 %1（语言 %2）。可以容纳它的空槽位：%3。</translation>
    </message>
    <message>
        <source>No keyboard language table holds the document&apos;s table %1 (language %2).</source>
        <translation>没有键盘语言表包含文档表 %1（语言 %2）。</translation>
    </message>
    <message>
        <source>Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard&apos;s menus will come from the backup:
%1</source>
        <translation>请检查电缆并确认键盘处于引导程序模式，然后再次下载：键盘的菜单将取自备份：
%1</translation>
    </message>
    <message>
        <source>Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard&apos;s menus will come from the record of this write.</source>
        <translation>请检查电缆并确认键盘处于引导程序模式，然后再次下载：键盘的菜单将取自此次写入的记录。</translation>
    </message>
    <message>
        <source>&amp;Restore Keyboard from Backup...</source>
        <translation>从备份还原键盘(&amp;R)...</translation>
    </message>
    <message>
        <source>Restore Keyboard from Backup</source>
        <translation>从备份还原键盘</translation>
    </message>
    <message>
        <source>The backup&apos;s tables go back into the keyboard language tables they came from, as stored</source>
        <translation>备份中的表将按原样写回其来源的键盘语言表</translation>
    </message>
    <message>
        <source>TVO Documents (*.tvo)</source>
        <translation>TVO 文档 (*.tvo)</translation>
    </message>
    <message>
        <source>%1 records no keyboard language table its tables came from, so it is no backup to restore. Open it and use Download Script Menu instead.</source>
        <translation>%1 未记录其表来自哪个键盘语言表，因此不是可还原的备份。请打开它并改用“下载脚本菜单”。</translation>
    </message>
    <message>
        <source>Written back from the backup %1:</source>
        <translation>已从备份 %1 写回：</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Create a new document from the keyboard&apos;s language tables</source>
        <translation>用键盘中的语言表创建新文档</translation>
    </message>
    <message>
        <source>&amp;Query Keyboard...</source>
        <translation>查询键盘(&amp;Q)...</translation>
    </message>
    <message>
        <source>Show the language tables the keyboard holds</source>
        <translation>显示键盘中的语言表</translation>
    </message>
    <message>
        <source>&amp;Download Script Menu...</source>
        <translation>下载脚本菜单(&amp;D)...</translation>
    </message>
    <message>
        <source>Write the document&apos;s language tables into the keyboard</source>
        <translation>将文档中的语言表写入键盘</translation>
    </message>
    <message>
        <source>Write a backup&apos;s tables back into the keyboard slots they came from</source>
        <translation>将备份中的表写回其来源的键盘槽位</translation>
    </message>
    <message>
        <source>Reading Script Menus:</source>
        <translation>正在读取脚本菜单：</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>条目</translation>
    </message>
    <message>
        <source>Held by</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>Menu %1, entry %2</source>
        <translation>菜单 %1，条目 %2</translation>
    </message>
    <message>
        <source>Keyboard Language Table #%1 %2: %3</source>
        <extracomment>%3: what happens to the table and how many of its entries change, e.g. &quot;written as stored, 2 entries change&quot;.</extracomment>
        <translation>键盘语言表 #%1 %2：%3</translation>
    </message>
    <message>
        <source>The keyboard already holds the document&apos;s entries.</source>
        <translation>键盘中已有文档的条目。</translation>
    </message>
    <message>
        <source>OK erases these keyboard language tables and writes them. Cancel erases nothing.</source>
        <translation>按“确定”将擦除并写入这些键盘语言表。按“取消”不擦除任何内容。</translation>
    </message>
    <message>
        <source>Co&amp;mpare with Keyboard...</source>
        <translation>与键盘比较(&amp;M)...</translation>
    </message>
    <message>
        <source>Compare with Keyboard</source>
        <translation>与键盘比较</translation>
    </message>
    <message>
        <source>Show what a download would change in the keyboard, without writing anything</source>
        <translation>显示下载会更改键盘中的哪些内容，不写入任何内容</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>比较(&amp;M)</translation>
    </message>
    <message>
        <source>Select the Language Table(s) to compare with the document</source>
        <translation>选择要与文档比较的语言表</translation>
    </message>
    <message>
        <source>Comparison Complete</source>
        <translation>比较完成</translation>
    </message>
    <message>
        <source>Nothing was written to the keyboard.</source>
        <translation>未向键盘写入任何内容。</translation>
    </message>
    <message>
        <source>no template to make the backup document from</source>
        <extracomment>Why no backup could be made; &quot;; nothing was erased&quot; follows.</extracomment>
        <translation>没有可用于生成备份文档的模板</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Language Tables</source>
        <translation>语言表</translation>
    </message>
</context>
<context>
    <name>Widgets</name>
    <message>
        <source>Characters Display</source>
        <translation>字符显示</translation>
    </message>
    <message>
        <source>Selected Character</source>
        <translation>所选字符</translation>
    </message>
    <message>
        <source>Character Code</source>
        <translation>字符代码</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>C&amp;odepoints...</source>
        <translation>码位(&amp;O)...</translation>
    </message>
</context>
</TS>

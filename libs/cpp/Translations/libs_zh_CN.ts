<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>构建日期：%1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>版权所有 © %1 Velmora。保留所有权利。</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> 信息</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>法律声明(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;本应用程序使用：&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>工具包</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>采用 LGPLv3 许可</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>（更多）</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>Qt 源代码可在以下网址获取</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> 更新通知</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>启动时检查更新</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>无法写入数据。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>无法将样式表保存到 %1。
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>设置信息提示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 样式编辑器</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise 正在等待桌面允许截图。
如果桌面询问是否允许应用程序截图，请回答它的问题。</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise 将在 %1 秒后放弃。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> 简介</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>始终跳过简介(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>观看视频(&amp;W)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;新版本 </translation>
    </message>
    <message>
        <source> of </source>
        <translation>（</translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>）现已推出。&lt;br&gt;是否获取最新版本？&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;您使用的已是最新版本。&lt;br&gt;仍要打开应用网页吗？&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>关注我们</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>关注我们</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>关注我们，及时了解&lt;br&gt;</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. 重要新闻&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. 新应用&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. 应用更新&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   以及更多……</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>在 YouTube 上关注我们</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>在 Facebook 上关注我们</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>在 Twitter 上关注我们</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>在 VKontakte 上关注我们</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;在 Facebook 上为 Velmora 点“赞”，加入我们！&lt;br&gt;谢谢！&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>全部是</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>全部否</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>评价 &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>立即评价(&amp;R)</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>喜欢“</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>”吗？</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>请在 App Store 中为本应用评分。&lt;br&gt;这将帮助我们 &lt;br&gt;改进应用的功能。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>评价(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>邮件(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>稍后(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>不再询问(&amp;D)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>无法截取屏幕。</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>无法将截图保存到 %1：
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>到桌面</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>到主文件夹</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>请选择要截取的区域。
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>图像文件将保存</translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>按住 [ALT]，截图完成后将打开其所在位置
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>按 [A] 查看“关于”对话框
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>按 [ESC] 取消此操作</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>截图窗口不在已截取的屏幕上，因此无法选择任何内容。未保存任何文件。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>此处没有可用的截取屏幕的方式。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin 未在 %1 秒内交出屏幕画面。</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>桌面没有 KWin 截图接口。</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin 未截取屏幕：%1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>KWin 的截图不是屏幕 %1 的画面。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>桌面未在 %1 秒内响应截图请求。</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>桌面未提供截图服务；需要 xdg-desktop-portal 及适用于该桌面的后端。
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>桌面拒绝了截图。</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>桌面无法截图。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>无法将桌面的截图 %1 读取为图片。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>桌面的截图与其屏幕不符。</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>如果桌面仍在询问是否允许应用程序截图，该问题已不再有效：请关闭它并重新启动 Clipwise。</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>桌面不允许沙盒之外的程序（包括 Clipwise）截图：它保存了对其询问的这一回答。要重新允许，请在终端中运行此命令，然后重新启动 Clipwise：
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>合成器没有提供复制其屏幕的方式（wlr-screencopy）。</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>合成器未报告任何屏幕。</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>合成器未在 %1 秒内复制屏幕。</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>合成器拒绝复制屏幕 %1。</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>合成器提供的屏幕 %1 副本格式无法被 Clipwise 读取。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>无法截取屏幕。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>如果您喜欢这个应用，</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;请分享给&lt;br&gt;您的朋友。&lt;br&gt;谢谢！</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>分享</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>分享到 Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>分享到 Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>通过电子邮件告诉朋友</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>建置日期：%1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>版權所有 © %1 Velmora。保留所有權利。</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> 資訊</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>法律聲明(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>確定(&amp;O)</translation>
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
        <translation>&lt;H3&gt;本應用程式使用：&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>工具組</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>採用 LGPLv3 授權</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>（更多）</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>Qt 原始碼可於以下網址取得</translation>
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
        <translation>啟動時檢查更新</translation>
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
        <translation>無法寫入資料。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>儲存失敗</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>無法將樣式表儲存到 %1。
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>設定資訊提示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>套用(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重設(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 樣式編輯器</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise 正在等待桌面允許擷取螢幕。
如果桌面詢問是否允許應用程式擷取螢幕，請回答它的問題。</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise 將在 %1 秒後放棄。</translation>
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
        <translation> 簡介</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>一律略過簡介(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>觀看影片(&amp;W)</translation>
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
        <translation>）現已推出。&lt;br&gt;是否取得最新版本？&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;您使用的已是最新版本。&lt;br&gt;仍要開啟應用程式網頁嗎？&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>關注我們</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>關注我們</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>關注我們，隨時掌握&lt;br&gt;</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. 重要消息&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. 新應用程式&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. 應用程式更新&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   以及更多……</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>在 YouTube 上關注我們</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>在 Facebook 上關注我們</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>在 Twitter 上關注我們</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>在 VKontakte 上關注我們</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;在 Facebook 上為 Velmora 按「讚」，加入我們！&lt;br&gt;謝謝！&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
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
        <translation>重試</translation>
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
        <translation>評分 &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>立即評分(&amp;R)</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>喜歡「</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>」嗎？</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>請在 App Store 為本應用程式評分。&lt;br&gt;這將協助我們 &lt;br&gt;改善應用程式的功能。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>評分(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>郵件(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>稍後(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>不要再詢問(&amp;D)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>無法擷取螢幕。</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>無法將擷取畫面儲存到 %1：
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>到桌面</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>到個人資料夾</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>請選取要擷取的區域。
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>影像檔將儲存</translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>按住 [ALT]，擷取完成後將開啟其所在位置
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>按 [A] 檢視「關於」對話框
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>按 [ESC] 取消此操作</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>擷取視窗不在已擷取的螢幕上，因此無法選取任何內容。未儲存任何檔案。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>此處沒有可用的擷取螢幕方式。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin 未在 %1 秒內交出螢幕畫面。</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>桌面沒有 KWin 螢幕擷取介面。</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin 未擷取螢幕：%1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>KWin 的螢幕擷取不是螢幕 %1 的畫面。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>桌面未在 %1 秒內回應螢幕截圖請求。</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>桌面未提供螢幕截圖服務；需要 xdg-desktop-portal 及適用於該桌面的後端。
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>桌面拒絕了螢幕截圖。</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>桌面無法擷取螢幕截圖。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>無法將桌面的螢幕截圖 %1 讀取為圖片。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>桌面的螢幕擷取與其螢幕不符。</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>如果桌面仍在詢問是否允許應用程式擷取螢幕，該問題已不再有效：請關閉它並重新啟動 Clipwise。</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>桌面不允許沙盒之外的程式（包括 Clipwise）擷取螢幕：它保存了對其詢問的這一回答。若要重新允許，請在終端機中執行此命令，然後重新啟動 Clipwise：
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>合成器沒有提供複製其螢幕的方式（wlr-screencopy）。</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>合成器未回報任何螢幕。</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>合成器未在 %1 秒內複製螢幕。</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>合成器拒絕複製螢幕 %1。</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>合成器提供的螢幕 %1 副本格式無法被 Clipwise 讀取。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>無法擷取螢幕。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>如果您喜歡這個應用程式，</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;請分享給&lt;br&gt;您的朋友。&lt;br&gt;謝謝！</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>關閉(&amp;C)</translation>
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
        <translation>關閉(&amp;C)</translation>
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
        <translation>透過電子郵件告訴朋友</translation>
    </message>
</context>
</TS>

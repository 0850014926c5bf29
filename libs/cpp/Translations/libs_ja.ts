<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>ビルド日: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. 無断転載を禁じます。</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> 情報</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>法的通知(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;このアプリケーションが使用しているもの:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>ツールキット</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>LGPLv3 ライセンス</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(詳細)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>Qt のソースコードは次の場所で入手できます</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> 更新のお知らせ</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>起動時に更新を確認する</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>データを書き込めませんでした。</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>スタイルシートを %1 に保存できませんでした。
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>情報ツールチップ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>リセット(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS スタイルエディター</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise はスクリーンショットを撮るためのデスクトップの許可を待っています。
デスクトップがアプリケーションのスクリーンショットを許可するか尋ねてきたら、その質問に答えてください。</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise は %1 秒後に待つのをやめます。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> 紹介</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>常に紹介をスキップ(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>動画を見る(&amp;W)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;新しいバージョン </translation>
    </message>
    <message>
        <source> of </source>
        <translation>（</translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>）が利用可能です。&lt;br&gt;最新バージョンを入手しますか？&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;最新バージョンをお使いです。&lt;br&gt;それでもアプリの Web ページを開きますか？&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>フォローする</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>フォローする</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>フォローして最新情報を受け取りましょう&lt;br&gt;</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. 重要なお知らせ&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. 新しいアプリ&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. アプリの更新&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   などをお届けします...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>YouTube でフォロー</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Facebook でフォロー</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Twitter でフォロー</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>VKontakte でフォロー</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Facebook で Velmora に「いいね！」してください！&lt;br&gt;ありがとうございます！&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>中止</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>無視</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>すべてはい</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>すべていいえ</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>評価: &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>今すぐ評価(&amp;R)</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>「</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>」を気に入っていただけましたか？</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>App Store でアプリを評価してください。&lt;br&gt;今後のアプリの機能を &lt;br&gt;改善する助けになります。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>評価(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>メール(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>後で(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>今後表示しない(&amp;D)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>画面をキャプチャできませんでした。</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>キャプチャを %1 に保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>ホームフォルダー</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>切り取る範囲を選択してください。
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>画像ファイルの保存先: </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>[ALT] を押したままにすると、撮影後に保存先を開きます
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>[A] を押すとバージョン情報を表示します
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>[ESC] を押すと操作をキャンセルします</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>キャプチャ ウィンドウがキャプチャできた画面上にないため、何も選択できません。何も保存されませんでした。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>ここでは画面をキャプチャする方法がありません。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin が %1 秒以内に画面を渡しませんでした。</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>デスクトップに KWin のスクリーンショット インターフェイスがありません。</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin がスクリーンショットを撮りませんでした: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>KWin のスクリーンショットは画面 %1 の画像ではありません。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>デスクトップが %1 秒以内にスクリーンショットの要求に応答しませんでした。</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>デスクトップにスクリーンショットサービスがありません。xdg-desktop-portal とデスクトップ用のバックエンドが必要です。
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>デスクトップがスクリーンショットを拒否しました。</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>デスクトップはスクリーンショットを撮れませんでした。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>デスクトップのスクリーンショット %1 を画像として読み込めませんでした。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>デスクトップのスクリーンショットが画面と一致しません。</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>デスクトップがまだアプリケーションのスクリーンショットを許可するか尋ねている場合、その質問はもう無効です。閉じてから Clipwise を再度起動してください。</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>デスクトップは、Clipwise を含むサンドボックス外のプログラムにスクリーンショットを許可していません。質問へのその回答が保存されています。再び許可するには、端末でこのコマンドを実行してから Clipwise を再度起動してください:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>コンポジターは画面をコピーする手段 (wlr-screencopy) を提供していません。</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>コンポジターが画面を一つも報告していません。</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>コンポジターが %1 秒以内に画面をコピーしませんでした。</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>コンポジターが画面 %1 のコピーを拒否しました。</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>コンポジターによる画面 %1 のコピーは、Clipwise が読み取れない形式です。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>画面をキャプチャできませんでした。</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>アプリを気に入っていただけたら</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;ぜひお友達に&lt;br&gt;シェアしてください。&lt;br&gt;ありがとうございます！</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>シェア</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Facebook でシェア</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Twitter でシェア</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>メールで友達に知らせる</translation>
    </message>
</context>
</TS>

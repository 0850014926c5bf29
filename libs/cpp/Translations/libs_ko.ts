<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>빌드 날짜: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. 모든 권리 보유.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> 정보</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>법적 고지(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>뒤로(&amp;B)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;이 애플리케이션이 사용하는 구성 요소:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>툴킷</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>LGPLv3 라이선스</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(자세히)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>Qt 소스 코드는 다음에서 받을 수 있습니다</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> 업데이트 알림</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>시작할 때 업데이트 확인</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>데이터를 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>스타일 시트를 %1에 저장할 수 없습니다.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>정보 도구 설명(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>적용(&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>다른 이름으로 저장(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>초기화(&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>작업</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS 스타일 편집기</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise가 스크린샷을 찍기 위해 데스크톱의 허가를 기다리고 있습니다.
데스크톱이 응용 프로그램의 스크린샷 촬영 허용 여부를 물으면 그 질문에 답하십시오.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise는 %1초 후에 기다리기를 멈춥니다.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> 소개</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>항상 소개 건너뛰기(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>동영상 보기(&amp;W)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;새 버전 </translation>
    </message>
    <message>
        <source> of </source>
        <translation> (</translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>)을(를) 사용할 수 있습니다.&lt;br&gt;최신 버전을 받으시겠습니까?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;최신 버전을 사용하고 있습니다.&lt;br&gt;그래도 앱 웹 페이지로 이동하시겠습니까?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>함께하세요</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>함께하세요</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>팔로우하고 소식을 받아 보세요&lt;br&gt;</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. 주요 소식&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. 새 앱&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. 앱 업데이트&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   그 밖의 소식...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>YouTube에서 구독</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Facebook에서 팔로우</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Twitter에서 팔로우</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>VKontakte에서 팔로우</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Facebook에서 Velmora에 &apos;좋아요&apos;를 눌러 주세요!&lt;br&gt;감사합니다!&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>모두 예</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>모두 아니요</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>평가하기: &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>지금 평가하기(&amp;R)</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>&quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot; 앱이 마음에 드시나요?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>App Store에서 앱을 평가해 주세요.&lt;br&gt;앞으로 앱의 기능을 &lt;br&gt;개선하는 데 도움이 됩니다.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>평가(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>메일(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>나중에(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>다시 묻지 않기(&amp;D)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>화면을 캡처할 수 없습니다.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>캡처를 %1에 저장할 수 없습니다:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>홈 폴더</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>잘라낼 영역을 선택하세요.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>이미지 파일 저장 위치: </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>[ALT]를 누르고 있으면 캡처 후 저장 위치가 열립니다
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>[A]를 누르면 프로그램 정보가 표시됩니다
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>[ESC]를 누르면 작업이 취소됩니다</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>캡처 창이 캡처할 수 있었던 화면에 있지 않아 아무것도 선택할 수 없습니다. 아무것도 저장되지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>여기서는 화면을 캡처할 방법이 없습니다.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin이 %1초 안에 화면을 넘겨주지 않았습니다.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>데스크톱에 KWin 스크린샷 인터페이스가 없습니다.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin이 스크린샷을 찍지 않았습니다: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>KWin의 스크린샷은 화면 %1의 그림이 아닙니다.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>데스크톱이 %1초 안에 스크린샷 요청에 응답하지 않았습니다.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>데스크톱에 스크린샷 서비스가 없습니다. 데스크톱용 백엔드와 함께 xdg-desktop-portal이 필요합니다.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>데스크톱이 스크린샷 촬영을 거부했습니다.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>데스크톱이 스크린샷을 찍지 못했습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>데스크톱의 스크린샷 %1을(를) 그림으로 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>데스크톱의 스크린샷이 화면과 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>데스크톱이 아직 응용 프로그램의 스크린샷 촬영 허용 여부를 묻고 있다면 그 질문은 더 이상 유효하지 않습니다. 질문을 닫고 Clipwise를 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>데스크톱이 Clipwise를 포함해 샌드박스 밖의 프로그램이 스크린샷을 찍는 것을 허용하지 않습니다. 질문에 대한 그 답을 저장해 두었습니다. 다시 허용하려면 터미널에서 이 명령을 실행한 다음 Clipwise를 다시 시작하십시오:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>컴포지터가 화면을 복사하는 방법(wlr-screencopy)을 제공하지 않습니다.</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>컴포지터가 알려 주는 화면이 없습니다.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>컴포지터가 %1초 안에 화면을 복사하지 않았습니다.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>컴포지터가 화면 %1의 복사를 거부했습니다.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>컴포지터가 복사한 화면 %1의 형식을 Clipwise가 읽을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>화면을 캡처할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>앱이 마음에 드신다면</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;친구들과&lt;br&gt;공유해 주세요.&lt;br&gt;감사합니다!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>공유</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Facebook에 공유</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Twitter에 공유</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>이메일로 친구에게 알리기</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>تاريخ البناء: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>حقوق النشر © %1 Velmora. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – معلومات</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>&amp;إشعارات قانونية</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;يستخدم هذا التطبيق:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>مجموعة الأدوات</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>بموجب رخصة LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(المزيد)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>الشيفرة المصدرية لـ Qt متاحة على</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – إشعار التحديثات</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>التحقق من التحديثات عند البدء</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>تعذّرت كتابة البيانات.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>فشل الحفظ</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>تعذّر حفظ ورقة الأنماط في %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;تلميحات المعلومات</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;تطبيق</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;مساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;إعادة تعيين</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>العمليات</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>محرر أنماط CSS</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>ينتظر Clipwise إذن سطح المكتب لالتقاط لقطة الشاشة.
إذا سأل سطح المكتب عمّا إذا كان يُسمح للتطبيقات بالتقاط لقطات الشاشة، فأجب عن سؤاله.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>سيتوقف Clipwise عن الانتظار بعد %1 ث.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – مقدمة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>ت&amp;خطي المقدمة دائمًا</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;مشاهدة الفيديوهات</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;الإصدار الأحدث </translation>
    </message>
    <message>
        <source> of </source>
        <translation> من </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> متاح.&lt;br&gt;هل تريد الحصول على أحدث إصدار؟&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;أنت تستخدم أحدث إصدار متاح.&lt;br&gt;هل تريد الانتقال إلى صفحة التطبيق على الويب رغم ذلك؟&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>انضم إلينا</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>انضم إلينا</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>تابعنا لتبقى على اطلاع&lt;br&gt;على</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. الأخبار المهمة&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. التطبيقات الجديدة&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. تحديثات التطبيقات&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   والمزيد...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>تابعنا على يوتيوب</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>تابعنا على فيسبوك</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>تابعنا على تويتر</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>تابعنا على فكونتاكتي</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>معلومات</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;سجّل إعجابك بـ Velmora على فيسبوك لتنضم إلينا!&lt;br&gt;شكرًا لك!&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>تجاهل</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>نعم للكل</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>لا للكل</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>قيّم &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;قيّمه الآن</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>هل يعجبك &quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot;؟</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>يُرجى تقييم التطبيق في App Store.&lt;br&gt;سيساعدنا ذلك على تحسين &lt;br&gt;ميزات التطبيق مستقبلًا.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;تقييم</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;بريد</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;لاحقًا</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;لا تسألني مجددًا</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>تعذّر التقاط الشاشة.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>تعذّر حفظ اللقطة في %1:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>على سطح المكتب</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>في المجلد الرئيسي</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>حدد المنطقة التي تريد اقتصاصها.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>سيُحفظ ملف الصورة </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>أبقِ [ALT] مضغوطًا لفتح مجلد اللقطة بعد التقاطها
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>اضغط [A] لعرض نافذة حول البرنامج
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>اضغط [ESC] لإلغاء هذه العملية</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>نافذة الالتقاط ليست على شاشة أمكن التقاطها، لذا لا يمكن تحديد أي شيء. لم يُحفظ أي شيء.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>لا تتوفر هنا أي طريقة لالتقاط الشاشة.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>لم يسلّم KWin الشاشة خلال %1 ثانية.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>لا تتوفر في سطح المكتب واجهة لقطات الشاشة الخاصة بـ KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>لم يلتقط KWin لقطة الشاشة: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>لقطة KWin ليست صورة للشاشة %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>لم يستجب سطح المكتب لطلب لقطة الشاشة خلال %1 ثانية.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>لا يوفر سطح المكتب خدمة لقطات الشاشة؛ يلزم xdg-desktop-portal مع واجهة خلفية لسطح المكتب.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>رفض سطح المكتب التقاط لقطة الشاشة.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>تعذر على سطح المكتب التقاط لقطة الشاشة.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>تعذرت قراءة لقطة الشاشة %1 من سطح المكتب كصورة.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>لقطة الشاشة من سطح المكتب لا تطابق شاشاته.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>إذا كان سطح المكتب لا يزال يسأل عمّا إذا كان يُسمح للتطبيقات بالتقاط لقطات الشاشة، فلم يعد لهذا السؤال أثر: أغلقه وشغّل Clipwise من جديد.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>لا يسمح سطح المكتب للبرامج خارج بيئة معزولة، ومنها Clipwise، بالتقاط لقطات الشاشة: فهو يحتفظ بهذه الإجابة عن سؤاله. للسماح بذلك من جديد، نفّذ هذا الأمر في طرفية ثم شغّل Clipwise من جديد:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>لا يتيح المُركِّب أي طريقة لنسخ شاشاته (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>لا يُبلغ المُركِّب عن أي شاشة.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>لم ينسخ المُركِّب الشاشات خلال %1 ثانية.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>رفض المُركِّب نسخ الشاشة %1.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>نسخة الشاشة %1 التي قدّمها المُركِّب بصيغة لا يستطيع Clipwise قراءتها.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>تعذّر التقاط الشاشة.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>إذا أعجبك التطبيق</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;فشاركه مع&lt;br&gt;أصدقائك.&lt;br&gt;شكرًا!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>المشاركة على فيسبوك</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>المشاركة على تويتر</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>أخبر صديقًا عبر البريد الإلكتروني</translation>
    </message>
</context>
</TS>

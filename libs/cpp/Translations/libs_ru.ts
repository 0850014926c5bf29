<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>версия %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Дата сборки: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>© Velmora, %1. Все права защищены.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> — о программе</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>&amp;Правовая информация</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Это приложение использует:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>по лицензии LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(подробнее)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>исходный код Qt доступен на</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> — обновления</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Проверять обновления при запуске</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>Не удалось записать данные.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>Не удалось сохранить таблицу стилей в %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Подсказки с именами</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Сбросить</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Операции</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Редактор стилей CSS</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise ждёт разрешения рабочего стола сделать снимок экрана.
Если рабочий стол спрашивает, можно ли приложениям делать снимки экрана, ответьте на его вопрос.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise прекратит ожидание через %1 с.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> — введение</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>&amp;Всегда пропускать введение</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Смотреть видео</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Новая версия </translation>
    </message>
    <message>
        <source> of </source>
        <translation> программы </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> доступна.&lt;br&gt;Загрузить новую версию?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;У вас установлена последняя версия.&lt;br&gt;Всё равно открыть веб-страницу приложения?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Присоединяйтесь</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Присоединяйтесь</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Подпишитесь на нас и будьте в курсе&lt;br&gt;наших</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. важных новостей&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. новых приложений&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. обновлений приложений&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   и не только...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Мы на YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Мы в Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Мы в Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Мы во ВКонтакте</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Поставьте «Нравится» Velmora на Facebook!&lt;br&gt;Спасибо!&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Да для всех</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Нет для всех</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Оцените &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Оценить сейчас</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>Вам нравится «</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>»?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Пожалуйста, оцените приложение в App Store.&lt;br&gt;Это поможет нам улучшать &lt;br&gt;его возможности.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;Оценить</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Написать</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Позже</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Больше не спрашивать</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Не удалось сделать снимок экрана.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>Не удалось сохранить снимок в %1:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>на рабочем столе</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>в домашней папке</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Выделите область, которую нужно вырезать.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Файл изображения будет сохранён </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Удерживайте [ALT], чтобы после снимка открыть папку
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Нажмите [A], чтобы открыть окно «О программе»
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Нажмите [ESC], чтобы отменить операцию</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>Окно захвата находится не на том экране, который удалось снять, поэтому выделить ничего нельзя. Ничего не сохранено.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Здесь нет способа сделать снимок экрана.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin не передал изображение экрана в течение %1 с.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>В рабочей среде нет интерфейса снимков экрана KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin не сделал снимок экрана: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>Снимок от KWin не является изображением экрана %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>Рабочий стол не ответил на запрос снимка экрана в течение %1 с.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>Рабочий стол не предоставляет службу снимков экрана; нужен xdg-desktop-portal с модулем для этого рабочего стола.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>Рабочий стол отказал в снимке экрана.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>Рабочему столу не удалось сделать снимок экрана.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>Снимок экрана %1 от рабочего стола не удалось прочитать как изображение.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>Снимок рабочей среды не соответствует её экранам.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Если рабочий стол всё ещё спрашивает, можно ли приложениям делать снимки экрана, этот вопрос больше не действует: закройте его и запустите Clipwise снова.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>Рабочий стол не разрешает программам вне песочницы, в том числе Clipwise, делать снимки экрана: он сохранил этот ответ на свой вопрос. Чтобы снова разрешить, выполните эту команду в терминале и затем запустите Clipwise снова:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>Композитор не позволяет копировать свои экраны (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>Композитор не сообщает ни об одном экране.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>Композитор не скопировал экраны в течение %1 секунд.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>Композитор отказался копировать экран %1.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>Копия экрана %1 от композитора имеет формат, который Clipwise не может прочитать.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Не удалось сделать снимок экрана.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Если вам нравится приложение,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;поделитесь им&lt;br&gt;с друзьями.&lt;br&gt;Спасибо!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Поделиться в Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Поделиться в Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Рассказать другу по почте</translation>
    </message>
</context>
</TS>

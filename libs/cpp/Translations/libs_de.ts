<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Erstellt am: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – Info</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>&amp;Rechtliche Hinweise</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Diese Anwendung verwendet:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>unter der LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(mehr)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>der Quelltext von Qt ist erhältlich unter</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Aktualisierungen</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Beim Start nach Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>Die Daten konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>Das Stylesheet konnte nicht unter %1 gespeichert werden.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Info-Tooltips setzen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS-Stil-Editor</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise wartet auf die Erlaubnis der Arbeitsumgebung, das Bildschirmfoto aufzunehmen.
Falls die Arbeitsumgebung fragt, ob Anwendungen Bildschirmfotos aufnehmen dürfen, beantworten Sie ihre Frage.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise gibt in %1 s auf.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Einführung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>Einführung &amp;immer überspringen</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Videos ansehen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Die neuere Version </translation>
    </message>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> ist verfügbar.&lt;br&gt;Neueste Version herunterladen?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Sie verwenden bereits die neueste Version.&lt;br&gt;Trotzdem die Webseite der App öffnen?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Folgen Sie uns</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Folgen Sie uns</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Folgen Sie uns und bleiben Sie informiert&lt;br&gt;über unsere</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. wichtige Neuigkeiten&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. neue Apps&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. App-Updates&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   und mehr ...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Folgen Sie uns auf YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Folgen Sie uns auf Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Folgen Sie uns auf Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Folgen Sie uns auf VKontakte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Klicken Sie bei Velmora auf Facebook auf „Gefällt mir“!&lt;br&gt;Vielen Dank!&lt;/H3&gt;</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Ja für alle</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Nein für alle</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Bewerten Sie &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>Jetzt &amp;bewerten</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>Gefällt Ihnen „</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>“?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Bitte bewerten Sie die App im App Store.&lt;br&gt;Das hilft uns, die Funktionen &lt;br&gt;der App künftig zu verbessern.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;Bewerten</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>Die Aufnahme konnte nicht unter %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Wählen Sie den auszuschneidenden Bereich aus.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Speicherort der Bilddatei: </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>[ALT] halten, um nach der Aufnahme den Ordner zu öffnen
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Drücken Sie [A] für Informationen über das Programm
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Drücken Sie [ESC], um den Vorgang abzubrechen</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>Das Aufnahmefenster liegt auf keinem Bildschirm, der aufgenommen werden konnte; es kann nichts ausgewählt werden. Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Hier steht keine Möglichkeit zur Verfügung, den Bildschirm aufzunehmen.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin hat den Bildschirm nicht innerhalb von %1 Sekunden übergeben.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>Die Arbeitsumgebung bietet keine KWin-Bildschirmfoto-Schnittstelle.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin hat das Bildschirmfoto nicht aufgenommen: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>Das Bildschirmfoto von KWin ist kein Bild des Bildschirms %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>Die Arbeitsumgebung hat die Bildschirmfoto-Anfrage nicht innerhalb von %1 Sekunden beantwortet.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>Die Arbeitsumgebung bietet keinen Bildschirmfoto-Dienst; dafür werden xdg-desktop-portal und ein Backend für die Arbeitsumgebung benötigt.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>Die Arbeitsumgebung hat das Bildschirmfoto verweigert.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>Die Arbeitsumgebung konnte kein Bildschirmfoto aufnehmen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>Das Bildschirmfoto %1 der Arbeitsumgebung konnte nicht als Bild gelesen werden.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>Das Bildschirmfoto der Arbeitsumgebung passt nicht zu ihren Bildschirmen.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Falls die Arbeitsumgebung noch fragt, ob Anwendungen Bildschirmfotos aufnehmen dürfen, zählt diese Frage nicht mehr: Schließen Sie sie und starten Sie Clipwise erneut.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>Die Arbeitsumgebung erlaubt Programmen außerhalb einer Sandbox, darunter Clipwise, keine Bildschirmfotos: Sie hat diese Antwort auf ihre Frage gespeichert. Um es wieder zu erlauben, führen Sie diesen Befehl in einem Terminal aus und starten Sie Clipwise dann erneut:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>Der Compositor bietet keine Möglichkeit, seine Bildschirme zu kopieren (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>Der Compositor meldet keine Bildschirme.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>Der Compositor hat die Bildschirme nicht innerhalb von %1 Sekunden kopiert.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>Der Compositor hat es abgelehnt, den Bildschirm %1 zu kopieren.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>Die Kopie des Bildschirms %1 vom Compositor liegt in einer Form vor, die Clipwise nicht lesen kann.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Der Bildschirm konnte nicht aufgenommen werden.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Wenn Ihnen die App gefällt,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;empfehlen Sie sie bitte&lt;br&gt;Ihren Freunden.&lt;br&gt;Danke!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Auf Facebook teilen</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Auf Twitter teilen</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Per E-Mail weiterempfehlen</translation>
    </message>
</context>
</TS>

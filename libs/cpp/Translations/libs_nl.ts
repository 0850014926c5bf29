<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>versie %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Builddatum: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – Info</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>&amp;Juridische kennisgevingen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Deze toepassing gebruikt:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>onder de LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(meer)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>de broncode van Qt is beschikbaar op</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Updates</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Bij het starten op updates controleren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>De gegevens konden niet worden geschreven.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Opslaan mislukt</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>Het stijlblad kon niet worden opgeslagen in %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Info-tooltips instellen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Opnieuw instellen</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Bewerkingen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS-stijleditor</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise wacht op toestemming van de desktop om de schermafdruk te maken.
Als de desktop vraagt of toepassingen schermafdrukken mogen maken, beantwoord dan zijn vraag.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise geeft het op over %1 s.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Introductie</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>Introductie &amp;altijd overslaan</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Video&apos;s bekijken</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;De nieuwere versie </translation>
    </message>
    <message>
        <source> of </source>
        <translation> van </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> is beschikbaar.&lt;br&gt;De nieuwste versie ophalen?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;U gebruikt de nieuwste beschikbare versie.&lt;br&gt;Toch naar de webpagina van de app gaan?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Volg ons</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Volg ons</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Volg ons en blijf op de hoogte&lt;br&gt;van ons</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. belangrijk nieuws&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. nieuwe apps&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. app-updates&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   en meer...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Volg ons op YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Volg ons op Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Volg ons op Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Volg ons op VKontakte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Klik op „Vind ik leuk” bij Velmora op Facebook!&lt;br&gt;Bedankt!&lt;/H3&gt;</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Negeren</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Ja op alles</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Nee op alles</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Beoordeel &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>Nu &amp;beoordelen</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>Bevalt &quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot; u?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Beoordeel de app in de App Store.&lt;br&gt;Zo helpt u ons de functies &lt;br&gt;van de app te verbeteren.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;Beoordelen</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Mailen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Niet meer vragen</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Het scherm kon niet worden vastgelegd.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>De schermopname kon niet worden opgeslagen in %1:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>op het bureaublad</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>in de persoonlijke map</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Selecteer het gebied dat u wilt uitsnijden.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>De afbeelding wordt opgeslagen </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Houd [ALT] vast om na de opname de map te openen
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Druk op [A] voor informatie over het programma
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Druk op [ESC] om te annuleren</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>Het opnamevenster staat niet op een scherm dat kon worden vastgelegd, dus er kan niets worden geselecteerd. Er is niets opgeslagen.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Hier is geen manier beschikbaar om het scherm vast te leggen.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin heeft het scherm niet binnen %1 seconden overgedragen.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>De bureaubladomgeving heeft geen schermafdrukinterface van KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin heeft de schermafdruk niet gemaakt: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>De schermafdruk van KWin is geen afbeelding van het scherm %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>De desktop heeft niet binnen %1 seconden op het schermafdrukverzoek geantwoord.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>De desktop biedt geen schermafdrukdienst; daarvoor zijn xdg-desktop-portal en een backend voor de desktop nodig.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>De desktop heeft de schermafdruk geweigerd.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>De desktop kon de schermafdruk niet maken.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>De schermafdruk %1 van de desktop kon niet als afbeelding worden gelezen.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>De schermafdruk van de bureaubladomgeving past niet bij haar schermen.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Als de desktop nog vraagt of toepassingen schermafdrukken mogen maken, telt die vraag niet meer: sluit haar en start Clipwise opnieuw.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>De desktop staat programma&apos;s buiten een sandbox, waaronder Clipwise, niet toe schermafdrukken te maken: hij bewaart dat antwoord op zijn vraag. Om het weer toe te staan, voert u deze opdracht uit in een terminal en start u Clipwise daarna opnieuw:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>De compositor biedt geen manier om zijn schermen te kopiëren (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>De compositor meldt geen schermen.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>De compositor heeft de schermen niet binnen %1 seconden gekopieerd.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>De compositor weigerde het scherm %1 te kopiëren.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>De kopie van het scherm %1 van de compositor heeft een vorm die Clipwise niet kan lezen.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Het scherm kon niet worden vastgelegd.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Als u de app leuk vindt,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;deel hem dan met&lt;br&gt;uw vrienden.&lt;br&gt;Bedankt!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Delen op Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Delen op Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Tip een vriend per e-mail</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>versione %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Data di compilazione: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – Informazioni</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>&amp;Note legali</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Questa applicazione utilizza:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>con licenza LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(altro)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>il codice sorgente di Qt è disponibile su</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Aggiornamenti</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Controlla gli aggiornamenti all&apos;avvio</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>Impossibile scrivere i dati.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Salvataggio non riuscito</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>Impossibile salvare il foglio di stile in %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Suggerimenti informativi</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;pplica</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Salva &amp;con nome...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operazioni</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Editor di stili CSS</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise attende il permesso del desktop per fare lo screenshot.
Se il desktop chiede se le applicazioni possono fare screenshot, rispondi alla sua domanda.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise rinuncia tra %1 s.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Introduzione</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>Salta &amp;sempre l&apos;introduzione</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Guarda i video</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;La nuova versione </translation>
    </message>
    <message>
        <source> of </source>
        <translation> di </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> è disponibile.&lt;br&gt;Scaricare la versione più recente?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Stai usando la versione più recente disponibile.&lt;br&gt;Aprire comunque la pagina web dell&apos;app?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Unisciti a noi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Unisciti a noi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Seguici e resta aggiornato&lt;br&gt;su</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. notizie importanti&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. nuove app&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. aggiornamenti delle app&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   e altro ancora...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Seguici su YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Seguici su Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Seguici su Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Seguici su VKontakte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Metti «Mi piace» a Velmora su Facebook!&lt;br&gt;Grazie!&lt;/H3&gt;</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Sì a tutto</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>No a tutto</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Valuta &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Valuta ora</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>Ti piace &quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot;?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Valuta l&apos;app sull&apos;App Store.&lt;br&gt;Ci aiuterà a migliorare &lt;br&gt;le funzioni dell&apos;app in futuro.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;Valuta</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Più tardi</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Non chiedere più</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Impossibile catturare lo schermo.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>Impossibile salvare la cattura in %1:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>sul Desktop</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>nella cartella Home</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Seleziona l&apos;area da ritagliare.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Il file immagine verrà salvato </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Tieni [ALT] per aprire la cartella dopo la cattura
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Premi [A] per le informazioni sul programma
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Premi [ESC] per annullare l&apos;operazione</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>La finestra di cattura non si trova su uno schermo che è stato possibile catturare, quindi non si può selezionare nulla. Non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Qui non è disponibile alcun modo per catturare lo schermo.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin non ha consegnato lo schermo entro %1 secondi.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>Il desktop non offre l&apos;interfaccia di cattura dello schermo di KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin non ha eseguito la cattura dello schermo: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>La cattura di KWin non è un&apos;immagine dello schermo %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>Il desktop non ha risposto alla richiesta di screenshot entro %1 secondi.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>Il desktop non offre alcun servizio di screenshot; serve xdg-desktop-portal con un backend per il desktop.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>Il desktop ha rifiutato di fare lo screenshot.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>Il desktop non è riuscito a fare lo screenshot.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>Non è stato possibile leggere come immagine lo screenshot %1 del desktop.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>La cattura del desktop non corrisponde ai suoi schermi.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Se il desktop chiede ancora se le applicazioni possono fare screenshot, quella domanda non conta più: chiudila e avvia di nuovo Clipwise.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>Il desktop non consente ai programmi fuori da una sandbox, tra cui Clipwise, di fare screenshot: conserva quella risposta alla sua domanda. Per consentirlo di nuovo, esegui questo comando in un terminale, poi avvia di nuovo Clipwise:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>Il compositor non offre alcun modo per copiare i suoi schermi (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>Il compositor non segnala alcuno schermo.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>Il compositor non ha copiato gli schermi entro %1 secondi.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>Il compositor ha rifiutato di copiare lo schermo %1.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>La copia dello schermo %1 fornita dal compositor è in un formato che Clipwise non sa leggere.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Non è stato possibile catturare lo schermo.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Se l&apos;app ti piace,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;condividila con&lt;br&gt;i tuoi amici.&lt;br&gt;Grazie!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Condividi su Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Condividi su Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Consiglia a un amico via e-mail</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Date de compilation : %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. Tous droits réservés.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – Informations</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>&amp;Mentions légales</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Cette application utilise :&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>sous licence LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(plus)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>le code source de Qt est disponible sur</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Mises à jour</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Rechercher les mises à jour au démarrage</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>Les données n&apos;ont pas pu être écrites.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>La feuille de style n&apos;a pas pu être enregistrée dans %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Infobulles d&apos;identification</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Éditeur de styles CSS</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise attend que le bureau l&apos;autorise à faire la capture d&apos;écran.
Si le bureau demande si les applications peuvent faire des captures d&apos;écran, répondez à sa question.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise abandonne dans %1 s.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Présentation</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>&amp;Toujours ignorer la présentation</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Regarder les vidéos</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;La nouvelle version </translation>
    </message>
    <message>
        <source> of </source>
        <translation> de </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> est disponible.&lt;br&gt;Obtenir la dernière version ?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Vous utilisez la dernière version disponible.&lt;br&gt;Ouvrir quand même la page web de l&apos;application ?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Rejoignez-nous</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Rejoignez-nous</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Suivez-nous et restez informé&lt;br&gt;de nos</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. actualités importantes&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. nouvelles applications&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. mises à jour des applications&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   et plus encore...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Suivez-nous sur YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Suivez-nous sur Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Suivez-nous sur Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Suivez-nous sur VKontakte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Cliquez sur « J&apos;aime » sur la page Facebook de Velmora !&lt;br&gt;Merci !&lt;/H3&gt;</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Oui pour tout</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Non pour tout</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Évaluez &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Évaluer maintenant</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>Vous aimez « </translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation> » ?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Merci d&apos;évaluer l&apos;application sur l&apos;App Store.&lt;br&gt;Cela nous aidera à améliorer &lt;br&gt;ses fonctionnalités.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>É&amp;valuer</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Courriel</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Ne plus me demander</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>L&apos;écran n&apos;a pas pu être capturé.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>La capture n&apos;a pas pu être enregistrée dans %1 :
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>sur le Bureau</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>dans le dossier personnel</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Sélectionnez la zone à découper.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>Le fichier image sera enregistré </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Maintenez [ALT] pour ouvrir le dossier après la capture
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Appuyez sur [A] pour afficher la fenêtre À propos
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Appuyez sur [ESC] pour annuler l&apos;opération</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>La fenêtre de capture ne se trouve sur aucun écran qui a pu être capturé ; rien ne peut être sélectionné. Rien n&apos;a été enregistré.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Aucun moyen de capturer l&apos;écran n&apos;est disponible ici.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin n&apos;a pas transmis l&apos;écran dans un délai de %1 secondes.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>L&apos;environnement de bureau n&apos;offre pas l&apos;interface de capture d&apos;écran de KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin n&apos;a pas pris la capture d&apos;écran : %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>La capture de KWin n&apos;est pas une image de l&apos;écran %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>Le bureau n&apos;a pas répondu à la demande de capture d&apos;écran en %1 secondes.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>Le bureau n&apos;offre aucun service de capture d&apos;écran ; il faut xdg-desktop-portal avec un module pour ce bureau.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>Le bureau a refusé de faire la capture d&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>Le bureau n&apos;a pas pu faire la capture d&apos;écran.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>La capture d&apos;écran %1 fournie par le bureau n&apos;a pas pu être lue comme image.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>La capture d&apos;écran de l&apos;environnement de bureau ne correspond pas à ses écrans.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Si le bureau demande encore si les applications peuvent faire des captures d&apos;écran, cette question ne compte plus : fermez-la et relancez Clipwise.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>Le bureau n&apos;autorise pas les programmes hors d&apos;un bac à sable, dont Clipwise, à faire des captures d&apos;écran : il garde cette réponse à sa question. Pour l&apos;autoriser à nouveau, exécutez cette commande dans un terminal, puis relancez Clipwise :
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>Le compositeur n&apos;offre aucun moyen de copier ses écrans (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>Le compositeur ne signale aucun écran.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>Le compositeur n&apos;a pas copié les écrans en %1 secondes.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>Le compositeur a refusé de copier l&apos;écran %1.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>La copie de l&apos;écran %1 fournie par le compositeur est dans un format que Clipwise ne sait pas lire.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>L&apos;écran n&apos;a pas pu être capturé.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Si vous aimez l&apos;application,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;partagez-la avec&lt;br&gt;vos amis.&lt;br&gt;Merci !</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Partager sur Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Partager sur Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Recommander par courriel</translation>
    </message>
</context>
</TS>

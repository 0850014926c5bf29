<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>versión %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Fecha de compilación: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – Información</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>Avisos &amp;legales</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Esta aplicación utiliza:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>bajo la LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(más)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>el código fuente de Qt está disponible en</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Actualizaciones</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Buscar actualizaciones al iniciar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>No se pudieron escribir los datos.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>No se pudo guardar la hoja de estilos en %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Información en sugerencias</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operaciones</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>Editor de estilos CSS</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise está esperando el permiso del escritorio para hacer la captura de pantalla.
Si el escritorio pregunta si las aplicaciones pueden hacer capturas de pantalla, responda a su pregunta.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise desistirá en %1 s.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> – Introducción</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>Omitir &amp;siempre la introducción</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Ver vídeos</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;La versión más reciente </translation>
    </message>
    <message>
        <source> of </source>
        <translation> de </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> está disponible.&lt;br&gt;¿Obtener la versión más reciente?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Está usando la versión más reciente disponible.&lt;br&gt;¿Ir a la página web de la aplicación de todos modos?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Únase a nosotros</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Únase a nosotros</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Síganos y manténgase informado&lt;br&gt;sobre nuestras</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. noticias importantes&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. nuevas aplicaciones&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. actualizaciones de aplicaciones&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   y mucho más...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Síganos en YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Síganos en Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Síganos en Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Síganos en VKontakte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;¡Dale «Me gusta» a Velmora en Facebook!&lt;br&gt;¡Gracias!&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Sí a todo</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>No a todo</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Valore &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Valorar ahora</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>¿Le gusta &quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot;?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Valore la aplicación en la App Store.&lt;br&gt;Nos ayudará a mejorar &lt;br&gt;sus funciones en el futuro.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;Valorar</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;Correo</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>No se pudo capturar la pantalla.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>No se pudo guardar la captura en %1:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>en el Escritorio</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>en la carpeta personal</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Seleccione el área que desea recortar.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>El archivo de imagen se guardará </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Mantenga [ALT] para abrir la carpeta tras la captura
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Pulse [A] para ver la información del programa
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Pulse [ESC] para cancelar la operación</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>La ventana de captura no está en una pantalla que se haya podido capturar, así que no se puede seleccionar nada. No se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Aquí no hay ninguna forma de capturar la pantalla.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin no entregó la pantalla en %1 segundos.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>El escritorio no ofrece la interfaz de capturas de pantalla de KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin no hizo la captura de pantalla: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>La captura de KWin no es una imagen de la pantalla %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>El escritorio no respondió a la solicitud de captura de pantalla en %1 segundos.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>El escritorio no ofrece ningún servicio de captura de pantalla; necesita xdg-desktop-portal con un módulo para el escritorio.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>El escritorio se negó a hacer la captura de pantalla.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>El escritorio no pudo hacer la captura de pantalla.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>No se pudo leer como imagen la captura de pantalla %1 del escritorio.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>La captura del escritorio no se corresponde con sus pantallas.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Si el escritorio todavía pregunta si las aplicaciones pueden hacer capturas de pantalla, esa pregunta ya no cuenta: ciérrela e inicie Clipwise de nuevo.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>El escritorio no permite a los programas fuera de un entorno aislado, entre ellos Clipwise, hacer capturas de pantalla: guarda esa respuesta a su pregunta. Para permitirlo de nuevo, ejecute este comando en una terminal y luego inicie Clipwise de nuevo:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>El compositor no ofrece ninguna forma de copiar sus pantallas (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>El compositor no informa de ninguna pantalla.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>El compositor no copió las pantallas en %1 segundos.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>El compositor se negó a copiar la pantalla %1.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>La copia de la pantalla %1 que entregó el compositor tiene un formato que Clipwise no puede leer.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>No se pudo capturar la pantalla.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Si le gusta la aplicación,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;compártala con&lt;br&gt;sus amigos.&lt;br&gt;¡Gracias!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Compartir en Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Compartir en Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Recomendar a un amigo por correo</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>versão %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>Data da compilação: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>Copyright © %1 Velmora. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> – Informações</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>Avisos &amp;legais</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Este aplicativo usa:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>Toolkit</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>sob a LGPLv3</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(mais)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>o código-fonte do Qt está disponível em</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> – Atualizações</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>Verificar atualizações ao iniciar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>Não foi possível gravar os dados.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Falha ao salvar</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>Não foi possível salvar a folha de estilos em %1.
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>&amp;Dicas de identificação</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Redefinir</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Operações</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>O Clipwise está aguardando a permissão da área de trabalho para fazer a captura de tela.
Se a área de trabalho perguntar se os aplicativos podem capturar a tela, responda à pergunta.</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>O Clipwise desiste em %1 s.</translation>
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
        <translation> – Introdução</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>&amp;Sempre pular a introdução</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>&amp;Assistir aos vídeos</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;A versão mais recente </translation>
    </message>
    <message>
        <source> of </source>
        <translation> do </translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation> está disponível.&lt;br&gt;Obter a versão mais recente?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;Você está usando a versão mais recente disponível.&lt;br&gt;Ir para a página do aplicativo mesmo assim?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>Junte-se a nós</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>Junte-se a nós</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>Siga-nos e fique por dentro&lt;br&gt;das nossas</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. notícias importantes&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. novos aplicativos&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. atualizações dos aplicativos&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   e muito mais...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>Siga-nos no YouTube</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Siga-nos no Facebook</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Siga-nos no Twitter</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>Siga-nos no VKontakte</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;Curta a Velmora no Facebook e junte-se a nós!&lt;br&gt;Obrigado!&lt;/H3&gt;</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Tentar novamente</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorar</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>Sim para todos</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>Não para todos</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>Avalie &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>&amp;Avaliar agora</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>Está gostando do &quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot;?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>Avalie o aplicativo na App Store.&lt;br&gt;Isso nos ajudará a melhorar &lt;br&gt;os recursos do aplicativo.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>&amp;Avaliar</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>&amp;E-mail</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Mais tarde</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>&amp;Não perguntar novamente</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Não foi possível capturar a tela.</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>Não foi possível salvar a captura em %1:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>na Área de Trabalho</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>na pasta pessoal</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>Selecione a área que deseja recortar.
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>O arquivo de imagem será salvo </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>Segure [ALT] para abrir a pasta após a captura
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>Pressione [A] para ver as informações do programa
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>Pressione [ESC] para cancelar a operação</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>A janela de captura não está em uma tela que pôde ser capturada, então nada pode ser selecionado. Nada foi salvo.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>Não há aqui nenhuma forma de capturar a tela.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>O KWin não entregou a tela em %1 segundos.</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>A área de trabalho não oferece a interface de captura de tela do KWin.</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>O KWin não fez a captura de tela: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>A captura do KWin não é uma imagem da tela %1.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>A área de trabalho não respondeu à solicitação de captura de tela em %1 segundos.</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>A área de trabalho não oferece serviço de captura de tela; é preciso o xdg-desktop-portal com um back-end para a área de trabalho.
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>A área de trabalho recusou a captura de tela.</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>A área de trabalho não conseguiu capturar a tela.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>Não foi possível ler como imagem a captura de tela %1 da área de trabalho.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>A captura de tela da área de trabalho não corresponde às suas telas.</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>Se a área de trabalho ainda pergunta se os aplicativos podem capturar a tela, essa pergunta não vale mais: feche-a e inicie o Clipwise novamente.</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>A área de trabalho não permite que programas fora de uma sandbox, entre eles o Clipwise, capturem a tela: ela guarda essa resposta à sua pergunta. Para permitir novamente, execute este comando em um terminal e depois inicie o Clipwise novamente:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>O compositor não oferece nenhuma forma de copiar suas telas (wlr-screencopy).</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>O compositor não informa nenhuma tela.</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>O compositor não copiou as telas em %1 segundos.</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>O compositor se recusou a copiar a tela %1.</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>A cópia da tela %1 feita pelo compositor está em um formato que o Clipwise não consegue ler.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>Não foi possível capturar a tela.</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>Se você gosta do aplicativo,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;compartilhe com&lt;br&gt;seus amigos.&lt;br&gt;Obrigado!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>Compartilhar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Compartilhar no Facebook</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Compartilhar no Twitter</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>Indicar a um amigo por e-mail</translation>
    </message>
</context>
</TS>

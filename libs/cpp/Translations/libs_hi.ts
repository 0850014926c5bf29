<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation>संस्करण %1</translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation>बिल्ड तिथि: %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation>कॉपीराइट © %1 Velmora. सर्वाधिकार सुरक्षित।</translation>
    </message>
    <message>
        <source> Info</source>
        <translation> जानकारी</translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation>कानूनी सूचनाएँ (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>ठीक है (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;यह एप्लिकेशन उपयोग करता है:&lt;/H3&gt;</translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation>टूलकिट</translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation>LGPLv3 के अंतर्गत</translation>
    </message>
    <message>
        <source>(more)</source>
        <translation>(और)</translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation>Qt का स्रोत कोड यहाँ उपलब्ध है</translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation> अपडेट सूचना</translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation>शुरू होने पर अपडेट जाँचें</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation>डेटा लिखा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>सहेजना विफल रहा</translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation>स्टाइल शीट %1 में सहेजी नहीं जा सकी।
%2</translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>खोलें (&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation>जानकारी टूलटिप (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>लागू करें (&amp;A)</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>इस रूप में सहेजें (&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>परिचय (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>रीसेट करें (&amp;R)</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>कार्य</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>तैयार</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation>CSS स्टाइल संपादक</translation>
    </message>
</context>
<context>
    <name>QMWidgets::DesktopWaitWindow</name>
    <message>
        <source>Clipwise is waiting for the desktop&apos;s permission to take the screenshot.
If the desktop asks whether applications may take screenshots, answer its question.</source>
        <translation>Clipwise स्क्रीनशॉट लेने के लिए डेस्कटॉप की अनुमति की प्रतीक्षा कर रहा है।
यदि डेस्कटॉप पूछे कि क्या ऐप्लिकेशन स्क्रीनशॉट ले सकते हैं, तो उसके प्रश्न का उत्तर दें।</translation>
    </message>
    <message>
        <source>Clipwise gives up in %1 s.</source>
        <translation>Clipwise %1 सेकंड में प्रतीक्षा छोड़ देगा।</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>QMWidgets::HelpDialog</name>
    <message>
        <source> Introduction</source>
        <translation> परिचय</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Always skip intro</source>
        <translation>परिचय हमेशा छोड़ें (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Watch videos</source>
        <translation>वीडियो देखें (&amp;W)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;नया संस्करण </translation>
    </message>
    <message>
        <source> of </source>
        <translation> (</translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>) उपलब्ध है।&lt;br&gt;क्या नवीनतम संस्करण प्राप्त करें?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation>&lt;CENTER&gt;&lt;H2&gt;आप उपलब्ध नवीनतम संस्करण का उपयोग कर रहे हैं।&lt;br&gt;फिर भी ऐप का वेब पेज खोलें?&lt;/H2&gt;&lt;/CENTER&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinDialog</name>
    <message>
        <source>Join us</source>
        <translation>हमसे जुड़ें</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinReminderDialog</name>
    <message>
        <source>Join Us</source>
        <translation>हमसे जुड़ें</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::JoinWidget</name>
    <message>
        <source>Follow us and stay informed&lt;br&gt;about our</source>
        <translation>हमें फ़ॉलो करें और जानकारी पाते रहें&lt;br&gt;हमारे</translation>
    </message>
    <message>
        <source>   1. Important News&lt;br&gt;</source>
        <translation>   1. महत्वपूर्ण समाचार&lt;br&gt;</translation>
    </message>
    <message>
        <source>   2. New APPs&lt;br&gt;</source>
        <translation>   2. नए ऐप्स&lt;br&gt;</translation>
    </message>
    <message>
        <source>   3. APP Updates&lt;br&gt;</source>
        <translation>   3. ऐप अपडेट&lt;br&gt;</translation>
    </message>
    <message>
        <source>   and more...</source>
        <translation>   और भी बहुत कुछ...</translation>
    </message>
    <message>
        <source>Follow us on YouTube</source>
        <translation>YouTube पर हमें फ़ॉलो करें</translation>
    </message>
    <message>
        <source>Follow us on Facebook</source>
        <translation>Facebook पर हमें फ़ॉलो करें</translation>
    </message>
    <message>
        <source>Follow us on Twitter</source>
        <translation>Twitter पर हमें फ़ॉलो करें</translation>
    </message>
    <message>
        <source>Follow us on VKontakte</source>
        <translation>VKontakte पर हमें फ़ॉलो करें</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>जानकारी</translation>
    </message>
    <message>
        <source>&lt;H3&gt;&quot;Like&quot; Velmora on Facebook to join us!&lt;br&gt;Thank you!&lt;/H3&gt;</source>
        <translation>&lt;H3&gt;हमसे जुड़ने के लिए Facebook पर Velmora को &quot;लाइक&quot; करें!&lt;br&gt;धन्यवाद!&lt;/H3&gt;</translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>निरस्त करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>पुनः प्रयास करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation>सभी के लिए हाँ</translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation>सभी के लिए नहीं</translation>
    </message>
</context>
<context>
    <name>QMWidgets::RateAppStoreDialog</name>
    <message>
        <source>Rate &quot;</source>
        <translation>रेट करें: &quot;</translation>
    </message>
    <message>
        <source>&amp;Rate It Now</source>
        <translation>अभी रेट करें (&amp;R)</translation>
    </message>
    <message>
        <source>Enjoying &quot;</source>
        <translation>क्या आपको &quot;</translation>
    </message>
    <message>
        <source>&quot; ?</source>
        <translation>&quot; पसंद आ रहा है?</translation>
    </message>
    <message>
        <source>Please rate the app on the App Store.&lt;br&gt;This will help us improve &lt;br&gt;the app&apos;s features in the future.</source>
        <translation>कृपया App Store पर ऐप को रेट करें।&lt;br&gt;इससे हमें भविष्य में &lt;br&gt;ऐप की सुविधाएँ बेहतर बनाने में मदद मिलेगी।</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ReminderDialog</name>
    <message>
        <source>&amp;Rate</source>
        <translation>रेट करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Mail</source>
        <translation>मेल (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>बाद में (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask me again</source>
        <translation>फिर से न पूछें (&amp;D)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>स्क्रीन कैप्चर नहीं की जा सकी।</translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation>कैप्चर %1 में सहेजा नहीं जा सका:
%2</translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation>डेस्कटॉप पर</translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation>होम फ़ोल्डर में</translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation>वह क्षेत्र चुनें जिसे आप काटना चाहते हैं।
</translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation>छवि फ़ाइल सहेजी जाएगी: </translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation>स्क्रीनशॉट के बाद उसके स्थान पर जाने के लिए [ALT] दबाए रखें
</translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation>परिचय संवाद देखने के लिए [A] दबाएँ
</translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation>यह कार्य रद्द करने के लिए [ESC] दबाएँ</translation>
    </message>
    <message>
        <source>The capture window is not on a screen that could be captured, so nothing can be selected. Nothing was saved.</source>
        <translation>कैप्चर विंडो किसी ऐसी स्क्रीन पर नहीं है जिसे कैप्चर किया जा सका, इसलिए कुछ भी चुना नहीं जा सकता। कुछ भी सहेजा नहीं गया।</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceChain</name>
    <message>
        <source>No way to capture the screen is available here.</source>
        <translation>यहाँ स्क्रीन कैप्चर करने का कोई तरीका उपलब्ध नहीं है।</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceKWin</name>
    <message>
        <source>KWin did not hand over the screen within %1 seconds.</source>
        <translation>KWin ने %1 सेकंड के भीतर स्क्रीन नहीं सौंपी।</translation>
    </message>
    <message>
        <source>The desktop has no KWin screenshot interface.</source>
        <translation>डेस्कटॉप में KWin का स्क्रीनशॉट इंटरफ़ेस नहीं है।</translation>
    </message>
    <message>
        <source>KWin did not take the screenshot: %1</source>
        <translation>KWin ने स्क्रीनशॉट नहीं लिया: %1</translation>
    </message>
    <message>
        <source>KWin&apos;s screenshot is not a picture of the screen %1.</source>
        <translation>KWin का स्क्रीनशॉट स्क्रीन %1 की तस्वीर नहीं है।</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourcePortal</name>
    <message>
        <source>The desktop did not answer the screenshot request within %1 seconds.</source>
        <translation>डेस्कटॉप ने %1 सेकंड के भीतर स्क्रीनशॉट अनुरोध का उत्तर नहीं दिया।</translation>
    </message>
    <message>
        <source>The desktop offers no screenshot service; it needs xdg-desktop-portal with a back end for the desktop.
%1</source>
        <translation>डेस्कटॉप कोई स्क्रीनशॉट सेवा नहीं देता; इसके लिए डेस्कटॉप के बैक एंड के साथ xdg-desktop-portal आवश्यक है।
%1</translation>
    </message>
    <message>
        <source>The desktop refused to take the screenshot.</source>
        <translation>डेस्कटॉप ने स्क्रीनशॉट लेने से इनकार कर दिया।</translation>
    </message>
    <message>
        <source>The desktop could not take the screenshot.</source>
        <translation>डेस्कटॉप स्क्रीनशॉट नहीं ले सका।</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot %1 could not be read as a picture.</source>
        <translation>डेस्कटॉप का स्क्रीनशॉट %1 चित्र के रूप में नहीं पढ़ा जा सका।</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot does not match its screens.</source>
        <translation>डेस्कटॉप का स्क्रीनशॉट उसकी स्क्रीनों से मेल नहीं खाता।</translation>
    </message>
    <message>
        <source>If the desktop still asks whether applications may take screenshots, that question no longer counts: close it and start Clipwise again.</source>
        <translation>यदि डेस्कटॉप अब भी पूछ रहा है कि क्या ऐप्लिकेशन स्क्रीनशॉट ले सकते हैं, तो वह प्रश्न अब मान्य नहीं है: उसे बंद करें और Clipwise फिर से शुरू करें।</translation>
    </message>
    <message>
        <source>The desktop does not allow programs outside a sandbox, Clipwise among them, to take screenshots: it keeps that answer to its question. To allow it again, run this command in a terminal, then start Clipwise again:
%1</source>
        <translation>डेस्कटॉप सैंडबॉक्स के बाहर के प्रोग्रामों को, जिनमें Clipwise भी है, स्क्रीनशॉट लेने की अनुमति नहीं देता: उसने अपने प्रश्न का वह उत्तर सहेज रखा है। फिर से अनुमति देने के लिए टर्मिनल में यह कमांड चलाएँ, फिर Clipwise फिर से शुरू करें:
%1</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceScreencopy</name>
    <message>
        <source>The compositor offers no way to copy its screens (wlr-screencopy).</source>
        <translation>कंपोज़िटर अपनी स्क्रीनों की प्रतिलिपि बनाने का कोई तरीका (wlr-screencopy) नहीं देता।</translation>
    </message>
    <message>
        <source>The compositor reports no screens.</source>
        <translation>कंपोज़िटर कोई स्क्रीन नहीं बताता।</translation>
    </message>
    <message>
        <source>The compositor did not copy the screens within %1 seconds.</source>
        <translation>कंपोज़िटर ने %1 सेकंड के भीतर स्क्रीनों की प्रतिलिपि नहीं बनाई।</translation>
    </message>
    <message>
        <source>The compositor refused to copy the screen %1.</source>
        <translation>कंपोज़िटर ने स्क्रीन %1 की प्रतिलिपि बनाने से मना कर दिया।</translation>
    </message>
    <message>
        <source>The compositor&apos;s copy of the screen %1 is in a form Clipwise cannot read.</source>
        <translation>कंपोज़िटर द्वारा बनाई गई स्क्रीन %1 की प्रतिलिपि ऐसे रूप में है जिसे Clipwise नहीं पढ़ सकता।</translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenSourceX11</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>स्क्रीन कैप्चर नहीं की जा सकी।</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellDialog</name>
    <message>
        <source>If you like the app</source>
        <translation>अगर आपको ऐप पसंद है,</translation>
    </message>
    <message>
        <source>&lt;br&gt;please share it with&lt;br&gt;your friends.&lt;br&gt;Thanks!</source>
        <translation>&lt;br&gt;तो कृपया इसे अपने&lt;br&gt;दोस्तों के साथ साझा करें।&lt;br&gt;धन्यवाद!</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellReminderDialog</name>
    <message>
        <source>Share</source>
        <translation>साझा करें</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMWidgets::TellWidget</name>
    <message>
        <source>Share on Facebook</source>
        <translation>Facebook पर साझा करें</translation>
    </message>
    <message>
        <source>Share on Twitter</source>
        <translation>Twitter पर साझा करें</translation>
    </message>
    <message>
        <source>Tell a friend by e-mail</source>
        <translation>ई-मेल से मित्र को बताएँ</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QMWidgets::AboutDialog</name>
    <message>
        <source>version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build date: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © %1 Velmora. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legal Notices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::App</name>
    <message>
        <source>&lt;H3&gt;This Application Uses:&lt;/H3&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolkit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under LGPLv3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Qt source code is available on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::AppUpdateDialog</name>
    <message>
        <source> Updates Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates on start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssDoc</name>
    <message>
        <source>The data could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The style sheet could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::CssEditor</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SetInfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSS Style Editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::IndependentApp</name>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;The newer version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is available.&lt;br&gt;Get the newest version?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;CENTER&gt;&lt;H2&gt;You are using the latest version available.&lt;br&gt;Go to the app web page anyway?&lt;/H2&gt;&lt;/CENTER&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::MMessageBox</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YesAll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NoAll</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QMWidgets::ScreenCropper</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The capture could not be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in Home Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the area you want to crop.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file will be saved </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold [ALT] to go, after screenshot is done, to its location
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press [A] to see about dialog
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press [ESC] to cancel this operation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

// libFuzzer entry points for the code that reads downloaded or stored text, one binary per
// FUZZ_TARGET. A broken invariant aborts: libFuzzer reports a crash with its input.
#include "builddate.h"
#include "csssyntaxhighlighter.h"
#include "textscrambler.h"
#include "translationsmanager.h"
#include "updatecheck.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdlib>
#include <cstring>

using namespace QMWidgets;

static void require(bool holds)
{
    if (!holds)
        abort();
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The highlighter needs a QTextDocument, and that needs fonts: a GUI application, once.
    if (strcmp(FUZZ_TARGET, "highlighter") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(*argc, *argv);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<int>(size));
    const QString text = QString::fromUtf8(bytes.constData(), bytes.size()); // NULs kept
    const QByteArray target(FUZZ_TARGET);
    if (target == "buildinfo") {
        const BuildInfo info = parseBuildInfo(buildInfoText(bytes), windowsVersionCode(0xC0));
        require(info.hasMarker || (!info.hasBuild && !info.systemMatches && info.date.isNull()));
        if (offersNewerBuild(info, buildDate()))
            require(info.systemMatches && info.date > buildDate());
    } else if (target == "scrambler") {
        require(unscrambleText(scrambleText(text)) == text);
        stampDate(text); // a stored value edited by hand
    } else if (target == "builddate") {
        const QDate date = buildDateFromCompilerText(text);
        require(!date.isValid() || text.contains(QString::number(qAbs(date.year()))));
    } else if (target == "language") {
        const QString code = normalizedLanguageCode(text);
        require(code == QLatin1String("en") ||
                (supportedLanguageCodes().contains(code) && text.contains(code)));
    } else if (target == "highlighter") {
        QTextDocument document;
        new CssSyntaxHighlighter(&document);
        document.setPlainText(text);
        // An edit in the first line re-runs the lines below whose carried state changes.
        QTextCursor(&document).insertText(text.left(2));
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
            require(block.userState() >= CssSyntaxHighlighter::Normal &&
                    block.userState() <= CssSyntaxHighlighter::InString);
    }
    return 0;
}

// Highlighting a style sheet of 1 MiB. Two figures, each the median of several runs, in
// milliseconds per MiB:
//  - "pass": rehighlight() of a whole document that holds the sheet, the highlighter alone;
//  - "editor load": setPlainText() of the sheet into a shown editor document, which colours
//    every line and lays the text out, as loading a file does.
// Run: QT_QPA_PLATFORM=offscreen ./bench_highlighter [repetitions]
#include "cssdoc.h"
#include "csssyntaxhighlighter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const int mebibyte = 1 << 20;

// A plausible sheet: selectors, properties, numbers, colours, strings and comments.
QString styleSheetOfAtLeast(int characters)
{
    const QString rule = QStringLiteral(
        "/* Buttons of the dialog\n   with two lines of comment */\n"
        "QPushButton#PushButton, QDialog > QPushButton:hover {\n"
        "    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #4a4a4a, "
        "stop: 1 #2b2b2b);\n"
        "    border: 1px solid rgb(80, 80, 80);\n"
        "    border-radius: 4px;\n"
        "    min-height: 32px;\n"
        "    font-family: \"Segoe UI\", 'Arial';\n"
        "    image: url(:/images/button-%1.png); // normal state\n"
        "}\n\n");
    QString sheet;
    sheet.reserve(characters + rule.size() + 16);
    for (int n = 0; sheet.size() < characters; ++n)
        sheet += rule.arg(n);
    return sheet;
}

// Runs work repetitions times and returns the sorted times in ms per MiB of text.
std::vector<double> measure(int repetitions, int characters, const std::function<void()> &work)
{
    std::vector<double> perMiB;
    for (int r = 0; r < repetitions; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        perMiB.push_back(timer.nsecsElapsed() / 1e6 * mebibyte / characters);
    }
    std::sort(perMiB.begin(), perMiB.end());
    return perMiB;
}

void print(QTextStream &out, const char *what, const std::vector<double> &perMiB)
{
    out << what << ": median " << QString::number(perMiB[perMiB.size() / 2], 'f', 1)
        << " ms per MiB (min " << QString::number(perMiB.front(), 'f', 1) << ", max "
        << QString::number(perMiB.back(), 'f', 1) << ", " << perMiB.size() << " runs)\n";
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 9;
    const QString sheet = styleSheetOfAtLeast(mebibyte);
    QTextStream out(stdout);

    // No document layout here: a bare one, without a page to fill, lays the whole text out
    // again after every coloured line and would swamp the highlighter's own cost.
    QTextDocument doc;
    doc.setPlainText(sheet);
    auto *highlighter = new QMWidgets::CssSyntaxHighlighter(&doc);
    QCoreApplication::processEvents(); // the queued first pass, not timed
    out << "sheet: " << sheet.size() << " characters in " << doc.blockCount() << " lines\n";
    print(out, "pass", measure(repetitions, sheet.size(), [&]() { highlighter->rehighlight(); }));

    QMWidgets::CssDoc editor;
    editor.resize(800, 600);
    editor.show();
    QCoreApplication::processEvents();
    print(out, "editor load", measure(repetitions, sheet.size(), [&]() {
              editor.clear();
              editor.setPlainText(sheet);
              QCoreApplication::processEvents();
          }));
    return 0;
}

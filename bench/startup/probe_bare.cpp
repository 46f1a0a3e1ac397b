// A bare Qt window of the tutor's shape: a tree of 34 short texts beside a
// text browser with a small page, reporting its first paint.
#include <QApplication>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QTreeWidget>

#include "FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(921, 653);
    auto* tree = new QTreeWidget(&window);
    tree->setHeaderHidden(true);
    const int entries[6] = {1, 4, 2, 9, 3, 9};  // 6 + 28 = 34 nodes, as the tutor's
    for (int chapter = 0; chapter < 6; ++chapter) {
        auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Chapter %1").arg(chapter + 1)});
        for (int entry = 0; entry < entries[chapter]; ++entry)
            new QTreeWidgetItem(root, {QStringLiteral("Entry %1").arg(entry + 1)});
        root->setExpanded(true);
    }
    auto* browser = new QTextBrowser(&window);
    browser->setHtml(
        "<html><body><h1>Welcome</h1><p>A short page of text, with a "
        "<a href=\"next.html\">link</a>.</p></body></html>");
    auto* layout = new QHBoxLayout(&window);
    layout->addWidget(tree, 1);
    layout->addWidget(browser, 3);
    FirstPaint probe(browser->viewport(), lingerFromArgs(argc, argv));
    window.show();
    return QApplication::exec();
}

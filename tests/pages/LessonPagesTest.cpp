// Every page the lesson tree opens, read as the page pane reads it.
#include <string>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

#include <gtest/gtest.h>

#include "PageFile.h"

namespace tutor::testing {
namespace {

struct Tag {
    QString name;  // lower case
    QString attributes;
    bool closing = false;
    bool selfClosing = false;
    int line = 0;
    qsizetype start = 0;  // offset of its '<'
    qsizetype end = 0;    // offset just past its '>'
};

// The start and end tags of a page in order; comments and <!DOCTYPE> are skipped.
std::vector<Tag> tagsOf(const QString& html) {
    static const QRegularExpression tag(
        QStringLiteral("<!--.*?-->|<!.*?>|<(/?)([A-Za-z][A-Za-z0-9]*)([^>]*)>"),
        QRegularExpression::DotMatchesEverythingOption);
    std::vector<Tag> tags;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(2).isEmpty()) continue;
        Tag t;
        t.closing = !m.captured(1).isEmpty();
        t.name = m.captured(2).toLower();
        t.attributes = m.captured(3);
        t.selfClosing = t.attributes.trimmed().endsWith('/');
        t.line = html.left(m.capturedStart()).count('\n') + 1;
        t.start = m.capturedStart();
        t.end = m.capturedEnd();
        tags.push_back(t);
    }
    return tags;
}

// The value of an attribute, quoted or not; a null string when it is absent.
QString attribute(const QString& attributes, const QString& name) {
    const QRegularExpression re(
        QStringLiteral(R"re((?:^|\s)%1\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(attributes);
    if (!m.hasMatch()) return {};
    for (int i = 1; i <= 3; ++i)
        if (m.capturedStart(i) >= 0) return m.captured(i);
    return {};
}

bool isVoid(const QString& name) {
    static const QStringList voids = {"area",  "base", "br",   "col",   "embed",  "hr",    "img",
                                      "input", "link", "meta", "param", "source", "track", "wbr"};
    return voids.contains(name);
}

// The first misnested or unclosed element, or an empty string. An unclosed
// table or list makes the pane swallow the rest of the page into it.
QString nestingFault(const std::vector<Tag>& tags) {
    std::vector<const Tag*> open;
    for (const Tag& t : tags) {
        if (isVoid(t.name)) {
            if (t.closing) return QStringLiteral("line %1: stray </%2>").arg(t.line).arg(t.name);
            continue;
        }
        if (t.selfClosing) continue;
        if (!t.closing) {
            open.push_back(&t);
        } else if (open.empty() || open.back()->name != t.name) {
            return QStringLiteral("line %1: </%2> closes %3")
                .arg(t.line)
                .arg(t.name, open.empty() ? QStringLiteral("nothing")
                                          : QStringLiteral("<%1> of line %2")
                                                .arg(open.back()->name)
                                                .arg(open.back()->line));
        } else {
            open.pop_back();
        }
    }
    if (!open.empty())
        return QStringLiteral("line %1: <%2> is never closed")
            .arg(open.back()->line)
            .arg(open.back()->name);
    return {};
}

// The names a link may jump to with #fragment.
QStringList anchorsOf(const QString& html) {
    QStringList anchors;
    for (const Tag& t : tagsOf(html)) {
        for (const char* attr : {"name", "id"}) {
            const QString value = attribute(t.attributes, QString::fromLatin1(attr));
            if (!value.isEmpty() && t.name != "meta") anchors << value;
        }
    }
    return anchors;
}

// The words a reader sees in a piece of a page, blanks simplified.
QString plainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

// A footer: a paragraph of class "nav", as the reader sees it.
struct Footer {
    int line = 0;
    QString text;
    QStringList links;         // each "caption -> file"
    bool endsTheBody = false;  // nothing but </body> after it
};

// The index of the first tag from `from` on that closes name; tags.size() if none.
std::size_t closingTag(const std::vector<Tag>& tags, std::size_t from, const QString& name) {
    while (from < tags.size() && !(tags[from].closing && tags[from].name == name)) ++from;
    return from;
}

std::vector<Footer> footersOf(const QString& html, const std::vector<Tag>& tags) {
    std::vector<Footer> footers;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const Tag& open = tags[i];
        if (open.closing || open.name != "p" || attribute(open.attributes, "class") != "nav")
            continue;
        const std::size_t close = closingTag(tags, i + 1, "p");
        if (close == tags.size()) break;  // IsWellFormed names the unclosed paragraph
        Footer footer;
        footer.line = open.line;
        footer.text = plainText(html.mid(open.end, tags[close].start - open.end));
        for (std::size_t a = i + 1; a < close; ++a) {
            if (tags[a].closing || tags[a].name != "a") continue;
            const std::size_t aClose = closingTag(tags, a + 1, "a");
            if (aClose > close) break;
            footer.links << plainText(html.mid(tags[a].end, tags[aClose].start - tags[a].end)) +
                                " -> " + attribute(tags[a].attributes, "href");
        }
        footer.endsTheBody =
            close + 1 < tags.size() && tags[close + 1].closing && tags[close + 1].name == "body";
        footers.push_back(footer);
    }
    return footers;
}

std::vector<std::string> pageNames() {
    std::vector<std::string> names;
    for (const QString& name : lessonPageNames()) names.push_back(name.toStdString());
    return names;
}

class LessonPage : public ::testing::TestWithParam<std::string> {
  protected:
    void SetUp() override {
        fileName = QString::fromStdString(GetParam());
        bytes = readPageBytes(fileName);
        ASSERT_FALSE(bytes.isEmpty())
            << "missing or empty: " << pagesFolder().toStdString() << "/" << GetParam();
        html = QString::fromUtf8(bytes);
        tags = tagsOf(html);
    }

    QString fileName;
    QByteArray bytes;
    QString html;
    std::vector<Tag> tags;
};

TEST(LessonPageList, TheTreeOpensTwentyNinePages) {
    EXPECT_EQ(lessonPageNames().size(), 29) << lessonPageNames().join(' ').toStdString();
}

TEST_P(LessonPage, IsUtf8AndSaysSo) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(bytes);
    EXPECT_FALSE(decoder.hasError()) << "not valid UTF-8";
    EXPECT_FALSE(decoded.isEmpty());

    const qsizetype headEnd = html.indexOf(QStringLiteral("</head>"), 0, Qt::CaseInsensitive);
    static const QRegularExpression charset(
        QStringLiteral(R"(<meta\s+charset\s*=\s*"?utf-8"?\s*/?>)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = charset.match(html);
    ASSERT_TRUE(m.hasMatch()) << "no <meta charset=\"utf-8\">";
    EXPECT_LT(m.capturedStart(), headEnd) << "the charset is declared outside <head>";
}

TEST_P(LessonPage, IsWellFormed) {
    EXPECT_EQ(nestingFault(tags), QString()) << nestingFault(tags).toStdString();
    QStringList names;
    for (const Tag& t : tags)
        if (!t.closing) names << t.name;
    for (const char* required : {"html", "head", "title", "body"})
        EXPECT_EQ(names.count(QString::fromLatin1(required)), 1) << "<" << required << ">";
    EXPECT_LT(names.indexOf("head"), names.indexOf("body"));
}

// Without type="text/css" the pane ignores a linked sheet and shows the page
// unstyled.
TEST_P(LessonPage, LinksTheSharedStyleSheetThePaneWay) {
    int sheets = 0;
    for (const Tag& t : tags) {
        if (t.name != "link" || t.closing) continue;
        if (attribute(t.attributes, "rel").compare("stylesheet", Qt::CaseInsensitive) != 0)
            continue;
        ++sheets;
        EXPECT_EQ(attribute(t.attributes, "type").toLower(), "text/css") << "line " << t.line;
        EXPECT_EQ(attribute(t.attributes, "href"), "style.css") << "line " << t.line;
    }
    EXPECT_EQ(sheets, 1);
}

// Links and pictures stay inside the program's pages: no web address, no
// absolute path, no file that does not ship, no anchor that is not there.
TEST_P(LessonPage, LinksOnlyToWhatShipsWithIt) {
    const QStringList pages = lessonPageNames();
    const QDir folder(pagesFolder());
    for (const Tag& t : tags) {
        if (t.closing) continue;
        for (const char* attr : {"href", "src"}) {
            const QString target = attribute(t.attributes, QString::fromLatin1(attr));
            if (target.isNull()) continue;
            SCOPED_TRACE("line " + std::to_string(t.line) + ": " + attr + "=\"" +
                         target.toStdString() + "\"");
            const QUrl url(target);
            ASSERT_TRUE(url.isValid());
            if (!url.scheme().isEmpty() || !url.host().isEmpty()) {
                ADD_FAILURE() << "leaves the program";
                continue;
            }
            EXPECT_FALSE(target.startsWith('/') || target.startsWith('\\') || target.contains(".."))
                << "not relative to the pages folder";
            const QString path = url.path();
            if (path.isEmpty()) {
                EXPECT_FALSE(url.fragment().isEmpty()) << "empty link";
            } else {
                EXPECT_TRUE(QFileInfo(folder.filePath(path)).isFile()) << "no such file";
                if (path.endsWith(".html", Qt::CaseInsensitive)) {
                    EXPECT_TRUE(pages.contains(path)) << "not a page of the lesson tree";
                }
            }
            if (!url.fragment().isEmpty()) {
                const QString targetHtml =
                    path.isEmpty() ? html : QString::fromUtf8(readPageBytes(path));
                EXPECT_TRUE(anchorsOf(targetHtml).contains(url.fragment())) << "no such anchor";
            }
        }
    }
}

TEST_P(LessonPage, HasAHeadingAndRealContent) {
    QTextDocument document;
    document.setHtml(html);
    EXPECT_FALSE(document.metaInformation(QTextDocument::DocumentTitle).trimmed().isEmpty())
        << "no title";

    QString heading;
    for (QTextBlock block = document.begin(); block.isValid() && heading.isEmpty();
         block = block.next())
        if (block.blockFormat().headingLevel() == 1) heading = block.text().trimmed();
    EXPECT_FALSE(heading.isEmpty()) << "no <h1> heading";

    // About a hundred words at least: a stub is not a lesson.
    const QString text = document.toPlainText().simplified();
    EXPECT_GE(text.size(), 600) << text.toStdString();

    static const QRegularExpression placeholder(
        QStringLiteral(
            R"(lorem ipsum|\btodo\b|\btbd\b|\bfixme\b|placeholder|coming soon|under construction)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = placeholder.match(text);
    EXPECT_FALSE(m.hasMatch()) << "placeholder text: " << m.captured().toStdString();
}

// Every page ends in one footer of one wording, "Back: <the page before> ·
// Next: <the page after>", by the captions of the tree and in its order; the
// first page has no Back, and the last leads on to the first.
TEST_P(LessonPage, EndsInAFooterToItsNeighboursInTreeOrder) {
    const std::vector<TreePage> pages = lessonPages();
    std::size_t at = 0;
    while (at < pages.size() && pages[at].fileName != fileName) ++at;
    ASSERT_LT(at, pages.size());
    const TreePage* back = at > 0 ? &pages[at - 1] : nullptr;
    const TreePage& next = pages[(at + 1) % pages.size()];

    QString text = "Next: " + next.caption;
    QStringList links = {next.caption + " -> " + next.fileName};
    if (back) {
        text.prepend("Back: " + back->caption + QStringLiteral(" · "));
        links.prepend(back->caption + " -> " + back->fileName);
    }

    const std::vector<Footer> footers = footersOf(html, tags);
    ASSERT_EQ(footers.size(), 1u) << "footers (<p class=\"nav\">) on the page";
    const Footer& footer = footers.front();
    SCOPED_TRACE("the footer of line " + std::to_string(footer.line));
    EXPECT_EQ(footer.text, text);
    EXPECT_EQ(footer.links, links);
    EXPECT_TRUE(footer.endsTheBody) << "more of the page follows the footer";
}

INSTANTIATE_TEST_SUITE_P(Tree, LessonPage, ::testing::ValuesIn(pageNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(0, info.param.find('.'));
                         });

}  // namespace
}  // namespace tutor::testing

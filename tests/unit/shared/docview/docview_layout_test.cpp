// Page layout: word wrapping, spacing and hit-testing with a fixed-width font.
#include <gtest/gtest.h>

#include "shared/docview/html_reader.h"
#include "shared/docview/page_layout.h"

namespace {

// Every character is 10 px wide (headings 20 px); lines 20 px (headings 40 px).
class FixedMeasurer : public TextMeasurer {
public:
    int TextWidth(const FontKey& font, const char*, size_t length) override {
        ++calls;
        return static_cast<int>(length) * (font.role == FontRole::Body || font.role == FontRole::Mono ? 10 : 20);
    }
    FontMetrics Metrics(const FontKey& font) override {
        FontMetrics m;
        m.height = (font.role == FontRole::Body || font.role == FontRole::Mono) ? 20 : 40;
        m.ascent = m.height * 3 / 4;
        return m;
    }
    int calls = 0;
};

LayoutStyle Plain() {
    LayoutStyle s;
    s.marginX = 10;
    s.marginTop = 5;
    s.marginBottom = 7;
    s.indentStep = 30;
    s.maxTextWidth = 10000;
    return s;
}

std::string LineText(const LayoutLine& line) {
    std::string out;
    for (const LayoutFragment& f : line.fragments) out += f.text;
    return out;
}

}  // namespace

TEST(PageLayout, WordsWrapAtTheColumnAndSpacesAtTheBreakVanish) {
    FixedMeasurer m;
    // Width 120 with margins of 10: the column holds 10 characters.
    const HtmlDocument doc = ReadHtml("<p>aaaa bbbb cc dddddd e</p>");
    PageLayout layout = LayOutDocument(doc, 120, m, Plain());
    ASSERT_EQ(layout.lines.size(), 3u);
    EXPECT_EQ(LineText(layout.lines[0]), "aaaa bbbb");
    EXPECT_EQ(LineText(layout.lines[1]), "cc dddddd");
    EXPECT_EQ(LineText(layout.lines[2]), "e");
    EXPECT_EQ(layout.lines[0].fragments[0].x, 10);
    EXPECT_EQ(layout.lines[1].top, 5 + 20);
    EXPECT_EQ(layout.height, 5 + 3 * 20 + 7);
}

TEST(PageLayout, OverlongWordsBreakBetweenCharacters) {
    FixedMeasurer m;
    const HtmlDocument doc = ReadHtml("<p>x abcdefghijklmnopqrstuvwxyz</p>");
    PageLayout layout = LayOutDocument(doc, 120, m, Plain());
    ASSERT_EQ(layout.lines.size(), 4u);
    EXPECT_EQ(LineText(layout.lines[0]), "x");
    EXPECT_EQ(LineText(layout.lines[1]), "abcdefghij");
    EXPECT_EQ(LineText(layout.lines[3]), "uvwxyz");
    // Even a column narrower than one character makes progress.
    const HtmlDocument tinyDoc = ReadHtml("<p>abc</p>");
    PageLayout tiny = LayOutDocument(tinyDoc, 1, m, Plain());
    EXPECT_EQ(tiny.lines.size(), 3u);
}

TEST(PageLayout, StylesInsideAWordDoNotBreakIt) {
    FixedMeasurer m;
    const HtmlDocument doc = ReadHtml("<p>aaaaaaa <b>W</b>ord</p>");
    PageLayout layout = LayOutDocument(doc, 120, m, Plain());
    ASSERT_EQ(layout.lines.size(), 2u);
    EXPECT_EQ(LineText(layout.lines[1]), "Word");
    ASSERT_EQ(layout.lines[1].fragments.size(), 2u);
    EXPECT_TRUE(layout.lines[1].fragments[0].font.bold);
    EXPECT_EQ(layout.lines[1].fragments[1].x, 20);
}

TEST(PageLayout, HardBreaksHeadingsListsAndRules) {
    FixedMeasurer m;
    const HtmlDocument doc =
        ReadHtml("<h1>Head</h1><p>a<br>b</p><ul><li>item</li><li>two</li></ul><hr><pre>  x\n y</pre>");
    PageLayout layout = LayOutDocument(doc, 400, m, Plain());
    ASSERT_EQ(layout.lines.size(), 8u);
    EXPECT_EQ(layout.lines[0].height, 40);
    EXPECT_TRUE(layout.lines[0].fragments[0].font.bold);
    EXPECT_EQ(LineText(layout.lines[1]), "a");
    EXPECT_EQ(LineText(layout.lines[2]), "b");
    EXPECT_EQ(layout.lines[2].top, layout.lines[1].top + 20);
    // The bullet hangs left of the item's indented text.
    const LayoutLine& item = layout.lines[3];
    ASSERT_EQ(item.fragments.size(), 2u);
    EXPECT_EQ(item.fragments[1].x, 10 + 30);
    EXPECT_LT(item.fragments[0].x + item.fragments[0].width, item.fragments[1].x);
    EXPECT_EQ(layout.lines[5].decoration, LineDecoration::Rule);
    EXPECT_EQ(LineText(layout.lines[6]), "  x");  // leading spaces of preformatted lines stay
    EXPECT_EQ(LineText(layout.lines[7]), " y");
    EXPECT_EQ(layout.lines[6].fragments[0].font.role, FontRole::Mono);
}

TEST(PageLayout, LinksAreHitTestedByPosition) {
    FixedMeasurer m;
    const HtmlDocument doc =
        ReadHtml("<p>go <a href=\"one.html\">first</a> or</p><p><a href=\"two.pdf\">second</a></p>");
    PageLayout layout = LayOutDocument(doc, 400, m, Plain());
    ASSERT_EQ(layout.links.size(), 2u);
    EXPECT_EQ(layout.links[0], "one.html");
    const LayoutLine& line = layout.lines[0];
    EXPECT_EQ(LinkAt(layout, 10 + 30 + 1, line.top + 1), 0);  // on "first"
    EXPECT_EQ(LinkAt(layout, 10 + 5, line.top + 1), -1);      // on "go"
    EXPECT_EQ(LinkAt(layout, 10 + 1, layout.lines[1].top + 5), 1);
    EXPECT_EQ(LinkAt(layout, 10 + 1, layout.height + 100), -1);
    EXPECT_TRUE(line.fragments[1].font.underline);
}

TEST(PageLayout, VisibleLinesAreFoundByBinarySearch) {
    FixedMeasurer m;
    std::string page;
    for (int i = 0; i < 1000; ++i) page += "<p>line</p>";
    const HtmlDocument doc = ReadHtml(page);
    PageLayout layout = LayOutDocument(doc, 400, m, Plain());
    ASSERT_EQ(layout.lines.size(), 1000u);
    size_t i = FirstLineAtOrBelow(layout, layout.lines[500].top + 3);
    EXPECT_EQ(i, 500u);
    EXPECT_EQ(FirstLineAtOrBelow(layout, -50), 0u);
    EXPECT_EQ(FirstLineAtOrBelow(layout, layout.height), 1000u);
}

TEST(PageLayout, TheTextColumnStopsAtTheReadableWidth) {
    FixedMeasurer m;
    LayoutStyle style = Plain();
    style.maxTextWidth = 100;
    const HtmlDocument doc = ReadHtml("<p>aaaa bbbb cccc</p>");
    PageLayout layout = LayOutDocument(doc, 2000, m, style);
    ASSERT_EQ(layout.lines.size(), 2u);
    EXPECT_EQ(LineText(layout.lines[0]), "aaaa bbbb");
}

TEST(PageLayout, WrappedLinksStayLinksOnEveryLine) {
    FixedMeasurer m;
    const HtmlDocument doc = ReadHtml("<p>see <a href=\"r.html\">the detailed rules</a> now</p>");
    PageLayout layout = LayOutDocument(doc, 120, m, Plain());
    ASSERT_EQ(layout.lines.size(), 3u);  // "see the" / "detailed" / "rules now"
    EXPECT_EQ(LineText(layout.lines[1]), "detailed");
    EXPECT_EQ(layout.lines[1].fragments[0].link, 0);
    EXPECT_EQ(LinkAt(layout, 15, layout.lines[1].top + 2), 0);
    EXPECT_EQ(LinkAt(layout, 15, layout.lines[2].top + 2), 0);   // "rules"
    EXPECT_EQ(LinkAt(layout, 75, layout.lines[2].top + 2), -1);  // "now"
}

TEST(PageLayout, Utf8CharactersAreNeverSplitWhenAWordMustBreak) {
    FixedMeasurer m;
    // Twelve two-byte characters in one word; the column holds ten bytes' worth.
    std::string word;
    for (int i = 0; i < 12; ++i) word += "\xC3\xBC";
    const HtmlDocument doc = ReadHtml("\xEF\xBB\xBF<p>" + word + "</p>");
    PageLayout layout = LayOutDocument(doc, 120, m, Plain());
    ASSERT_GE(layout.lines.size(), 2u);
    for (const LayoutLine& line : layout.lines)
        for (const LayoutFragment& f : line.fragments) {
            EXPECT_EQ(f.text.size() % 2, 0u);
            EXPECT_EQ(static_cast<unsigned char>(f.text[0]), 0xC3u);
        }
}

TEST(PageLayout, QuotationsCarryABarAndEmptyItemsKeepTheirLine) {
    FixedMeasurer m;
    const HtmlDocument doc = ReadHtml("<blockquote>q</blockquote><ol><li></li><li>b</li></ol><p>p</p>");
    PageLayout layout = LayOutDocument(doc, 400, m, Plain());
    ASSERT_EQ(layout.lines.size(), 4u);
    EXPECT_GE(layout.lines[0].quoteBarX, 0);
    EXPECT_LT(layout.lines[0].quoteBarX, layout.lines[0].fragments[0].x);
    EXPECT_EQ(LineText(layout.lines[1]), "1.");
    EXPECT_EQ(LineText(layout.lines[2]), "2.b");
    EXPECT_EQ(layout.lines[3].quoteBarX, -1);
    EXPECT_GT(layout.lines[3].top, layout.lines[2].top + layout.lines[2].height);  // paragraphs stand apart
}

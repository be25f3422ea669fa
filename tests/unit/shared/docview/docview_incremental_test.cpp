// Reading and laying out a page a slice at a time gives the very page a
// reading in one go gives; the quick ASCII scan of the encoding check.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "shared/docview/html_reader.h"
#include "shared/docview/page_layout.h"

namespace {

class FixedMeasurer : public TextMeasurer {
public:
    int TextWidth(const FontKey& font, const char*, size_t length) override {
        return static_cast<int>(length) * (font.role == FontRole::Body ? 9 : 14);
    }
    FontMetrics Metrics(const FontKey& font) override {
        FontMetrics m;
        m.height = font.role == FontRole::Body ? 18 : 30;
        m.ascent = m.height * 3 / 4;
        return m;
    }
};

// Everything the reader keeps of a page, as text that a test can compare.
std::string Describe(const HtmlDocument& doc) {
    std::ostringstream out;
    out << "title=" << doc.title << " utf8=" << doc.utf8 << "\n";
    for (const TextBlock& b : doc.blocks) {
        out << static_cast<int>(b.kind) << "/" << b.level << "/" << b.indent << "/" << b.quote << "/" << b.marker
            << ":";
        for (const TextRun& r : b.runs)
            out << "[" << r.text << "|" << r.bold << r.italic << r.underline << r.monospace << "|" << r.href << "]";
        out << "\n";
    }
    return out.str();
}

std::string Describe(const PageLayout& layout) {
    std::ostringstream out;
    out << "width=" << layout.width << " height=" << layout.height << " complete=" << layout.complete << "\n";
    for (const std::string& link : layout.links) out << "link " << link << "\n";
    for (const LayoutLine& line : layout.lines) {
        out << line.top << "+" << line.height << "/" << line.ascent << " block " << line.block << " bar "
            << line.quoteBarX << " deco " << static_cast<int>(line.decoration) << ":";
        for (const LayoutFragment& f : line.fragments)
            out << "[" << f.x << "," << f.width << "," << f.font.Index() << "," << f.link << "," << f.text << "]";
        out << "\n";
    }
    return out.str();
}

// A page with every kind of block, styles across tag boundaries, references,
// comments, raw text and enough list items that the block list grows many times.
std::string RichPage() {
    std::string page =
        "<!DOCTYPE html><html><head><title>Rules &amp; use</title><style>p{}</style></head><body>"
        "<h1>Policy</h1><p>Text with <b>bold <i>both</i></b> and <a href='a.html'>a link &copy;</a>.</p>"
        "<!-- a comment <p>not text</p> --><script>if (a < b) x = '</p>';</script>"
        "<pre>  kept\n\tspaces</pre><blockquote><p>quoted <u>under</u></p></blockquote><hr>";
    page += "<ol start=7>";
    for (int i = 0; i < 300; ++i) page += "<li>item " + std::to_string(i) + " of the list<br>second line</li>";
    page += "</ol><ul><li></li><li><code>x = 1;</code></li></ul><p>a &lt; b &#8212; end</p></body></html>";
    return page;
}

}  // namespace

TEST(PageReader, SlicesOfAnySizeReadTheSamePageAsOneGo) {
    const std::string page = RichPage();
    const std::string whole = Describe(ReadHtml(page));
    for (size_t budget : {size_t(1), size_t(7), size_t(100), size_t(4096)}) {
        HtmlPageReader reader(page);
        HtmlDocument doc;
        int calls = 0;
        while (!reader.ReadMore(doc, budget)) {
            ASSERT_FALSE(reader.Done());
            ASSERT_LT(++calls, 1000000);
        }
        EXPECT_TRUE(reader.Done());
        EXPECT_EQ(Describe(doc), whole) << "budget " << budget;
        EXPECT_TRUE(reader.ReadMore(doc, budget));  // reading on after the end changes nothing
        EXPECT_EQ(Describe(doc), whole);
    }
}

TEST(PageReader, FinishedBlocksArriveBeforeThePageIsReadToItsEnd) {
    const std::string page = RichPage();
    HtmlPageReader reader(page);
    HtmlDocument doc;
    EXPECT_FALSE(reader.ReadMore(doc, 400));
    ASSERT_GE(doc.blocks.size(), 2u);
    EXPECT_EQ(doc.title, "Rules & use");
    EXPECT_EQ(doc.blocks[0].runs[0].text, "Policy");
    // The open block is not handed out half done: a paragraph cut by the slice comes whole later.
    HtmlPageReader cut("<p>one two three</p>");
    HtmlDocument partial;
    EXPECT_FALSE(cut.ReadMore(partial, 8));
    EXPECT_TRUE(partial.blocks.empty());
    EXPECT_TRUE(cut.ReadMore(partial, 100));
    ASSERT_EQ(partial.blocks.size(), 1u);
    EXPECT_EQ(partial.blocks[0].runs[0].text, "one two three");
}

TEST(PageLayouter, SlicesGiveTheLinesOfOneWholeLayout) {
    const std::string page = RichPage();
    const HtmlDocument doc = ReadHtml(page);
    FixedMeasurer m;
    for (int width : {1, 90, 300, 2000}) {
        const std::string whole = Describe(LayOutDocument(doc, width, m));
        for (size_t slice : {size_t(1), size_t(5), size_t(64)}) {
            PageLayouter layouter(width);
            while (layouter.BlocksDone() < doc.blocks.size()) {
                ASSERT_GT(layouter.LayOutBlocks(doc, m, slice), 0u);
                EXPECT_EQ(layouter.Layout().complete, layouter.BlocksDone() == doc.blocks.size());
            }
            EXPECT_EQ(layouter.LayOutBlocks(doc, m, slice), 0u);
            EXPECT_EQ(Describe(layouter.Layout()), whole) << "width " << width << ", slice " << slice;
        }
    }
}

// The way the reader view works: blocks appended while earlier ones are laid
// out. The lines must point at text that stays put as the block list grows
// (list markers live in the blocks themselves, which move).
TEST(PageLayouter, LayingOutWhileThePageIsStillReadGivesTheSameLines) {
    const std::string page = RichPage();
    const HtmlDocument reference = ReadHtml(page);
    FixedMeasurer m;
    const std::string whole = Describe(LayOutDocument(reference, 300, m));

    HtmlPageReader reader(page);
    HtmlDocument growing;
    PageLayouter layouter(300);
    bool read = false;
    while (!read) {
        read = reader.ReadMore(growing, 50);
        layouter.LayOutBlocks(growing, m, 3, !read);
        if (!read) {
            EXPECT_FALSE(layouter.Layout().complete);
        }
    }
    while (!layouter.Layout().complete) ASSERT_GT(layouter.LayOutBlocks(growing, m, 3), 0u);
    EXPECT_EQ(Describe(layouter.Layout()), whole);
}

TEST(PageLayouter, EachLineKnowsItsBlock) {
    const HtmlDocument doc = ReadHtml("<p>one</p><p>two<br>lines</p><hr><p>four</p>");
    FixedMeasurer m;
    PageLayout layout = LayOutDocument(doc, 400, m);
    ASSERT_EQ(layout.lines.size(), 5u);
    EXPECT_EQ(FirstLineOfBlock(layout, 0), 0u);
    EXPECT_EQ(FirstLineOfBlock(layout, 1), 1u);
    EXPECT_EQ(layout.lines[2].block, 1u);
    EXPECT_EQ(FirstLineOfBlock(layout, 2), 3u);
    EXPECT_EQ(FirstLineOfBlock(layout, 3), 4u);
    EXPECT_EQ(FirstLineOfBlock(layout, 4), 5u);  // not laid out: past the last line
    // An empty page still has its margins and is complete.
    const HtmlDocument empty = ReadHtml("");
    PageLayout nothing = LayOutDocument(empty, 400, m);
    EXPECT_TRUE(nothing.complete);
    EXPECT_TRUE(nothing.lines.empty());
    EXPECT_EQ(nothing.height, LayoutStyle().marginTop + LayoutStyle().marginBottom);
}

TEST(Utf8Check, HighBytesAreFoundAtEveryPlaceOfTheEightByteScan) {
    for (size_t at = 0; at < 20; ++at) {
        std::string plain(at, 'a');
        std::string tail(11, 'z');
        EXPECT_TRUE(LooksLikeUtf8(plain + "\xC3\xA9" + tail)) << at;   // é in UTF-8
        EXPECT_FALSE(LooksLikeUtf8(plain + "\xE9" + tail)) << at;      // é in Windows-1252
        EXPECT_FALSE(LooksLikeUtf8(plain + "\xC3" + tail)) << at;      // a lead byte alone
        EXPECT_FALSE(LooksLikeUtf8(plain + tail + "\xE2\x82")) << at;  // cut at the very end
        EXPECT_FALSE(LooksLikeUtf8(plain + tail)) << at;               // plain ASCII is not UTF-8
    }
}

// Times the reader view's work on a 20 MB page of short paragraphs (the size
// the bad-input scenario opens) and on a normal policy page: reading and
// laying out the whole page, the first two screens as the view shows them
// (read and laid out in slices), and the body text. Prints one line per
// measurement ("name: median ms (runs)").
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "shared/docview/html_reader.h"
#include "shared/docview/page_layout.h"

namespace {

// Widths from a per-font table, as the GDI measurer does on single-byte code pages.
class TableMeasurer : public TextMeasurer {
public:
    TableMeasurer() {
        for (int c = 0; c < 256; ++c) widths_[c] = 5 + c % 7;
    }
    int TextWidth(const FontKey& font, const char* text, size_t length) override {
        int width = 0;
        for (size_t i = 0; i < length; ++i) width += widths_[static_cast<unsigned char>(text[i])];
        return font.role == FontRole::Body ? width : width * 3 / 2;
    }
    FontMetrics Metrics(const FontKey& font) override {
        FontMetrics m;
        m.height = font.role == FontRole::Body ? 20 : 34;
        m.ascent = m.height * 3 / 4;
        return m;
    }

private:
    int widths_[256];
};

std::string HugePage() {
    const std::string paragraph = "<p>A paragraph of the policy with <b>bold</b> and <i>italic</i> words.</p>\n";
    std::string page = "<html><body><h1>Huge\n";
    while (page.size() < 20000000) page += paragraph;
    page += "</body></html>\n";
    return page;
}

std::string NormalPage() {
    std::string page = "<html><head><title>Computer Usage Policy</title></head><body><h1>Computer Usage Policy</h1>";
    for (int i = 0; i < 40; ++i) {
        page += "<h2>Section " + std::to_string(i + 1) +
                "</h2><p>Users of the company&rsquo;s computers keep their "
                "passwords to themselves, lock the screen when they leave the desk and report <b>lost devices</b> "
                "at once to the <a href=\"help.html\">service desk</a>.</p><ul><li>No private software.</li>"
                "<li>No copies of customer data on <i>removable media</i>.</li></ul>";
    }
    return page + "</body></html>";
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Time(const char* name, int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    double m = Median(times);
    std::printf("%s: %.2f ms (median of %d)\n", name, m, runs);
    return m;
}

void Measure(const char* label, const std::string& page, int runs) {
    TableMeasurer measurer;
    HtmlDocument doc;
    PageLayout layout;
    std::string name(label);
    Time((name + " ReadHtml").c_str(), runs, [&] { doc = ReadHtml(page); });
    Time((name + " LayOutDocument").c_str(), runs, [&] { layout = LayOutDocument(doc, 1024, measurer); });
    Time((name + " first screens").c_str(), runs, [&] {
        // As the reader view does: the file's bytes handed over, read and laid out until two screens are full.
        HtmlPageReader reader{std::string(page)};
        HtmlDocument growing;
        PageLayouter layouter(1024);
        while (!layouter.Layout().complete && layouter.Layout().height < 2 * 768) {
            if (layouter.BlocksDone() == growing.blocks.size() && !reader.Done()) reader.ReadMore(growing, 64 * 1024);
            else layouter.LayOutBlocks(growing, measurer, 64, !reader.Done());
        }
    });
    Time((name + " DocumentBodyText").c_str(), runs, [&] {
        volatile size_t n = DocumentBodyText(doc).size();
        (void)n;
    });
    std::printf("%s: %zu bytes, %zu blocks, %zu lines, height %d\n", label, page.size(), doc.blocks.size(),
                layout.lines.size(), layout.height);
}

}  // namespace

int main() {
    Measure("normal", NormalPage(), 21);
    Measure("huge", HugePage(), 5);
    return 0;
}
